#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "save/html_document.h"
#include "tests/native/support/save_bench.h"

namespace qm::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const NoticeRequest kTextNotice{L"Text wurde gespeichert!", 12, 320, 1500};

// Action 1 writes HTML documents; what they hold line by line is the writer's own
// test's business, here it is which document gets which entries.
class SpeichernHtml : public SaveBench {
 protected:
  SpeichernHtml() {
    SetAction("Format", "HTML");
    options.txtTextfarbe = "#000000";
    options.txtHintergrundfarbe = "#FFFFFF";
    options.txtLinks = "#0000FF";
    options.txtAlink = "#FF0000";
    options.txtVlink = "#800080";
  }

  void SaveText(const std::string& text) {
    sources.clipboard = {text};
    Save();
  }

  // The document as the writer makes it of these parts.
  std::string Document(const std::string& title, const std::string& text,
                       std::optional<std::string> separator = std::nullopt,
                       std::optional<std::string> oldDocument = std::nullopt) const {
    HtmlDocumentParts parts;
    parts.title = title;
    parts.colours = {options.txtTextfarbe, options.txtHintergrundfarbe, options.txtLinks,
                     options.txtAlink, options.txtVlink};
    parts.separator = std::move(separator);
    if (!oldDocument) return HtmlDocument(text, parts);
    return HtmlDocument(text, parts, OldBody(*oldDocument));
  }

  const std::string& Saved(const std::string& path) const { return files.files.at(path); }
};

TEST_F(SpeichernHtml, NumberedMethodWritesOneNewDocumentPerText) {
  SaveText("eins");
  SaveText("zwei");
  EXPECT_EQ(Saved("C:\\Texte\\Notiz.html"), Document("Notiz", "eins"));
  EXPECT_EQ(Saved("C:\\Texte\\Notiz1.html"), Document("Notiz1", "zwei"));
  EXPECT_THAT(messages.shown, IsEmpty());
  EXPECT_THAT(signals.notices, ElementsAre(kTextNotice, kTextNotice));
}

TEST_F(SpeichernHtml, SameFileMethodExtendsTheDocumentWithTheCurrentHeader) {
  SetAction("Aktion", "gleichedatei");
  SaveText("eins");
  options.txtTextfarbe = "#123456";
  SaveText("zwei");
  const std::string first = Document("Notiz", "eins", "-----");
  EXPECT_EQ(Saved("C:\\Texte\\Notiz.html"), Document("Notiz", "zwei", "-----", first));
  EXPECT_THAT(Saved("C:\\Texte\\Notiz.html"), HasSubstr("<BODY text=\"#123456\""));
}

TEST_F(SpeichernHtml, EmptyDocumentIsReplacedNotExtended) {
  SetAction("Aktion", "gleichedatei");
  files.files["C:\\Texte\\Notiz.html"] = "";
  SaveText("eins");
  EXPECT_EQ(Saved("C:\\Texte\\Notiz.html"), Document("Notiz", "eins", "-----"));
}

TEST_F(SpeichernHtml, ForeignDocumentKeepsItsContent) {
  SetAction("Aktion", "gleichedatei");
  const std::string foreign = "<html><body>\r\n<p>Eigene Notizen</p>\r\n</body></html>";
  files.files["C:\\Texte\\Notiz.html"] = foreign;
  SaveText("neu");
  EXPECT_THAT(Saved("C:\\Texte\\Notiz.html"),
              HasSubstr("<html><body>\r\n<p>Eigene Notizen</p>\r\n\r\nneu<BR>"));
}

// The second text with the same first words goes to the "1" document, as the warning
// says; a third one must not replace the second but is added below it.
TEST_F(SpeichernHtml, FolderMethodExtendsItsOneDocument) {
  SetAction("Aktion", "dateiundordner2");
  SaveText("Hallo Welt eins");
  SaveText("Hallo Welt zwei");
  SaveText("Hallo Welt drei");
  EXPECT_EQ(Saved("C:\\Texte\\Hallo Welt\\Notiz.html"), Document("Notiz", "Hallo Welt eins"));
  const std::string second = Document("Notiz1", "Hallo Welt zwei");
  EXPECT_EQ(Saved("C:\\Texte\\Hallo Welt\\Notiz1.html"),
            Document("Notiz1", "Hallo Welt drei", std::nullopt, second));
  EXPECT_FALSE(files.files.contains("C:\\Texte\\Hallo Welt\\Notiz2.html"));
  EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(SpeichernHtml, FirstWordsNameIsTheEscapedTitle) {
  SetAction("Aktion", "extradatei3");
  SaveText("Tom & Jerry kommen");
  EXPECT_THAT(Saved("C:\\Texte\\Tom & Jerry.html"), HasSubstr("<TITLE>Tom &amp; Jerry</TITLE>"));
}

TEST_F(SpeichernHtml, DateAndAddressComeFromTheRunsOneRead) {
  SetAction("Datum", "ja");
  SetAction("Url", "ja");
  sources.address = "http://example.org/";
  sources.clipboard = {"eins", "anders"};
  Save();
  const std::string& saved = Saved("C:\\Texte\\Notiz.html");
  EXPECT_THAT(saved, HasSubstr("\r\n 06.12.2026 14:05:09<br>\r\n~~~~~~~~~~~~~~~~~~~~\r\n"
                               "<br><br>\r\neins<BR>\r\n"));
  EXPECT_THAT(saved, HasSubstr("<a href=\"http://example.org/\">http://example.org/</a><BR>"));
  EXPECT_EQ(sources.clipboardReads, 1);
}

// The old writer passed the text through a file of this name in the target folder.
TEST_F(SpeichernHtml, UsersXtempXFileIsNeverTouched) {
  files.files["C:\\Texte\\XtempX.txt"] = "meine Datei";
  SaveText("eins");
  EXPECT_EQ(Saved("C:\\Texte\\XtempX.txt"), "meine Datei");
  EXPECT_EQ(files.files.size(), 2u);
}

class SpeichernHtmlFailure : public SpeichernHtml {
 protected:
  SpeichernHtmlFailure() {
    SetAction("Aktion", "gleichedatei");
    files.files[kDocument] = kOld;
  }

  void ExpectReportedAndUnchanged() {
    SaveText("neu");
    EXPECT_EQ(Saved(kDocument), kOld);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, L"Speichern fehlgeschlagen");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_THAT(messages.shown[0].text, HasSubstr(L"\"C:\\Texte\\Notiz.html\""));
    EXPECT_THAT(messages.shown[0].text, HasSubstr(L"Zugriff verweigert."));
    EXPECT_THAT(signals.order, IsEmpty());
  }

  const std::string kDocument = "C:\\Texte\\Notiz.html";
  const std::string kOld = "<p>alt</p>";
};

TEST_F(SpeichernHtmlFailure, UnreadableDocumentIsReportedAndLeftAsItWas) {
  files.readFailure = L"Zugriff verweigert.";
  ExpectReportedAndUnchanged();
}

TEST_F(SpeichernHtmlFailure, FailedReplaceIsReportedAndLeavesTheDocument) {
  files.replaceFailure = L"Zugriff verweigert.";
  ExpectReportedAndUnchanged();
}

}  // namespace
}  // namespace qm::test
