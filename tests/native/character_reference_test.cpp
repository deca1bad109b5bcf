#include <gtest/gtest.h>

#include <string>

#include "clipboard/copied_text.h"
#include "save/html_links.h"

namespace qm {
namespace {

// Copied as UTF-16, written into a document in code page 1252 (the native stand-in).
struct ReferenceCase {
  const char* what;
  std::u16string copied;
  std::string ansi;  // the form names and text files get
  std::string html;  // the converted lines of the document
};

const ReferenceCase kCases[] = {
    {"code-page text stays as it is", u"Gr\u00FC\u00DFe & \u20AC 5 <b>", "Gr\xFC\xDF" "e & \x80 5 <b>",
     "Gr\xFC\xDF" "e &amp; \x80 5 &lt;b&gt;<BR>\r\n"},
    {"letters the code page lacks become references", u"\u0141\u00F3d\u017A \u2192 Krak\u00F3w",
     "?\xF3" "d? ? Krak\xF3w", "&#321;\xF3" "d&#378; &#8594; Krak\xF3w<BR>\r\n"},
    {"a surrogate pair is one character", u"a\U0001F600b", "a?b", "a&#128512;b<BR>\r\n"},
    {"a lone surrogate is the replacement character", u"x\xD83Dy\xDE00", "x?y?",
     "x&#65533;y&#65533;<BR>\r\n"},
    {"a real question mark stays one", u"\u0416?", "??", "&#1046;?<BR>\r\n"},
    {"references keep their place after markup and in links",
     u"\u0416&\u0416 http://\u043F\u0440.ru/\u0416, \u0416\r\n\u0416",
     "?&? http://??.ru/?, ?\r\n?",
     "&#1046;&amp;&#1046; <a href=\"http://&#1087;&#1088;.ru/&#1046;\" target=\"_blank\">"
     "http://&#1087;&#1088;.ru/&#1046;</a>, &#1046; <BR>\r\n&#1046;<BR>\r\n"},
};

TEST(CharacterReferences, CharactersTheCodePageLacksAreWrittenAsReferences) {
  for (const ReferenceCase& row : kCases) {
    const CopiedText copied = CopiedTextOfUtf16(row.copied);
    EXPECT_EQ(copied.ansi, row.ansi) << row.what;
    std::string html;
    AppendConvertedLines(html, copied.ansi, copied.foreign);
    EXPECT_EQ(html, row.html) << row.what;
  }
}

}  // namespace
}  // namespace qm
