#include <cmark-gfm-core-extensions.h>
#include <cmark-gfm.h>
#include <cmark-gfm/utf8.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "save/byte_search.h"
#include "save/delimiter_sides.h"
#include "save/markdown_note.h"
#include "save/note_entry.h"
#include "save/page_address.h"
#include "save/plain_runs.h"

namespace qm {
namespace {

constexpr std::string_view kPage = "https://ex.org/docs/seite.html?x=1#oben";

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) text.append(line).append("\r\n");
  return text;
}

struct ConversionCase {
  const char* html;
  std::string markdown;
};

TEST(MarkdownNote, EachPageConstructBecomesItsMarkdown) {
  const ConversionCase rows[] = {
      {"<h1>Titel</h1><h3>Drei #</h3><h6>a<br>b</h6>",
       Lines({"# Titel", "", "### Drei \\#", "", "###### a b"})},
      {"<p>eins</p>\n<p>zwei<br>drei<br><br></p>", Lines({"eins", "", "zwei\\", "drei"})},
      {"<p>a <b>fett </b><strong>x</strong> <i> schr\xC3\xA4g</i> <em>e</em> <del>weg</del></p>",
       Lines({"a **fett** **x** *schr\xC3\xA4g* *e* ~~weg~~"})},
      {"<p><b><b>doppelt</b></b><b></b> <b> </b>leer</p>", Lines({"**doppelt** leer"})},
      {"<p>Nimm <code>a  `b`</code> und <kbd>|</kbd></p>", Lines({"Nimm `` a `b` `` und `|`"})},
      {"<p><code>a</code></p><p>xyz<code>b</code><code>c</code></p>",
       Lines({"`a`", "", "xyz`bc`"})},
      {"<pre><code class=\"hl language-cpp\">\nint a;\n\n  ```x```\r\n}</code></pre>",
       Lines({"````cpp", "int a;", "", "  ```x```", "}", "````"})},
      {"<pre>a <b>*b*</b><br>&lt;c&gt;</pre>", Lines({"```", "a *b*", "<c>", "```"})},
      {"<div class=\"highlight highlight-source-shell notranslate\"><pre>npm i</pre><div class=\""
       "zeroclipboard-container\"><clipboard-copy value=\"npm i\"><svg><path d=\"m\"></path>"
       "</svg></clipboard-copy></div></div><div class=\"language-ruby\"><p>x</p></div><pre>y</pre>"
       "<div class=\"highlight-python notranslate\"><div class=\"highlight\"><pre><span></span>"
       "z</pre></div></div><div class=\"highlight-default\"><pre>w</pre></div>",
       Lines({"```shell", "npm i", "```", "", "x", "", "```", "y", "```", "", "```python", "z",
              "```", "", "```", "w", "```"})},
      {"<pre class=\"brush: js notranslate\"><code>a()</code></pre><pre class=\"brush:php;"
       "gutter:false\">b</pre><pre class=\"nobrush: c\">c</pre><pre "
       "class=\"syntaxhighlighter-pre\" "
       "data-syntaxhighlighter-params=\"brush: java; gutter: false; theme: Confluence\">d</pre>",
       Lines({"```js", "a()", "```", "", "```php", "b", "```", "", "```", "c", "```", "", "```java",
              "d", "```"})},
      // A chat page's code block holds its language label and its copy button in blocks
      // beside the code; highlighters give lines blocks of their own.
      {"<pre><div><div>python</div><div><span><button>Code kopieren</button></span></div>"
       "<div><code class=\"hljs language-python\">def f():\n    pass\n</code></div></div></pre>"
       "<pre>Nimm <code>ls</code> hier</pre><pre>x<ol class=\"linenums\"><li>a</li><li>b</li>"
       "</ol>z</pre><pre><code>c<div>d</div>e</code></pre>",
       Lines({"```python", "def f():", "    pass", "```", "",  "```", "Nimm ls hier",
              "```",       "",         "```",      "x",   "a", "b",   "z",
              "```",       "",         "```",      "c",   "d", "e",   "```"})},
      {"<blockquote><p>eins</p><blockquote>zwei</blockquote></blockquote>",
       Lines({"> eins", ">", "> > zwei"})},
      {"<p>v</p><blockquote><ul><li>a</li></ul></blockquote><p>n</p>",
       Lines({"v", "", "> - a", "", "n"})},
      {"<ul><li>a<ul><li>b</li></ul></li><li>c</li></ul><p>d</p>",
       Lines({"- a", "  - b", "- c", "", "d"})},
      {"<ol start=\"9\"><li>neun<li>zehn<ol><li>x</ol></ol>",
       Lines({"9. neun", "10. zehn", "    1. x"})},
      {"<p>Text</p><ol start=\"3\"><li>c</li></ol>", Lines({"Text", "", "3. c"})},
      {"<li>ohne Liste</li>", Lines({"- ohne Liste"})},
      {"<table><tr><th>A|B</th><th>C</th></tr><tr><td>1<br>2</td></tr>"
       "<tr><td><code>x|y</code><td><p>p</p><ul><li>l</li></ul><td>zu viel</tr></table>",
       Lines(
           {"| A\\|B | C |  |", "| --- | --- | --- |", "| 1 2 |", "| `x\\|y` | p l | zu viel |"})},
      {"<table><tr><td>a<table><tr><td>innen</td></tr></table>b</td></tr></table>",
       Lines({"| a innen b |", "| --- |"})},
      {"<p>a</p><hr><p>b</p>", Lines({"a", "", "***", "", "b"})},
      {"<p><img src=\"bild.png\" alt=\"Ein [Bild]\"> <img src=\"javascript:x\" alt=\"alt\"></p>",
       Lines({"![Ein \\[Bild\\]](https://ex.org/docs/bild.png) alt"})},
      {"<p><a href=\"../a b(1).html\">rel</a> <a href=\"//cdn.ex/x\">proto</a> "
       "<a href=\"#f\">frag</a> <a href=\"JavaScript:alert(1)\">js</a> "
       "<a href=\" vbscript:x\">vb</a> <a href=\"data:text/html,x\">data</a> <a>anker</a> "
       "<a href=\"/x\"><img src=\"y.png\" alt=\"Y\"></a> <a href=\"/l\">  </a></p>",
       Lines({"[rel](https://ex.org/a%20b%281%29.html) [proto](https://cdn.ex/x) "
              "[frag](https://ex.org/docs/seite.html?x=1#f) js vb data anker "
              "[![Y](https://ex.org/docs/y.png)](https://ex.org/x)"})},
      {"<base href=\"https://basis.ex/b/\"><a href=\"c\">c</a>",
       Lines({"[c](https://basis.ex/b/c)"})},
      {"<p>1. a</p><p># b</p><p>&gt; c</p><p>- d</p><p>+ e</p><p>2) f</p><p>===</p>"
       "<p>x<br>---</p><p>#</p><ul><li>##</li></ul><p>y<br>:--- :-</p><p>:-)</p>",
       Lines({"1\\. a", "",       "\\# b", "",      "\\> c",     "",    "\\- d", "", "\\+ e",
              "",       "2\\) f", "",      "\\===", "",          "x\\", "\\---", "", "\\#",
              "",       "- \\##", "",      "y\\",   "\\:--- :-", "",    ":-)"})},
      {"<p>*a* _b_ [c] `d` ~e~ |f| \\g &lt;h> &amp;amp; & x</p>",
       Lines({"\\*a\\* \\_b\\_ \\[c\\] \\`d\\` \\~e\\~ \\|f\\| \\\\g \\<h> \\&amp; & x"})},
      {"<p>snake_case __init__ a_ _b x_1 a&lt;=b 2 &lt; 3 &lt;/p&gt; &lt;!-- &lt;?php a&lt;b</p>",
       Lines({"snake_case \\_\\_init\\_\\_ a\\_ \\_b x_1 a<=b 2 < 3 \\</p> \\<!-- \\<?php a\\<b"})},
      {"<p>&auml;&#228;&#xE4;&#150;&nbsp;&bogus; &amp &#; &#0; &#xD800;\xC2\xA0z</p>",
       Lines({"\xC3\xA4\xC3\xA4\xC3\xA4\xE2\x80\x93 \\&bogus; \\&amp \\&#; \xEF\xBF\xBD "
              "\xEF\xBF\xBD z"})},
      {"<style>p{}</style><script>a('<p>')</script><!-- <p>x</p> --><p>sichtbar<o:p></o:p></p>"
       "<![if !supportLists]><span style='mso-list:Ignore'>\xC2\xB7</span><![endif]>Punkt",
       Lines({"sichtbar", "", "Punkt"})},
      {"<p>ein<unbekannt x=1>fach</unbekannt> <u>u</u></p>", Lines({"einfach u"})},
      // Raised and lowered text in Unicode's letters where it has them, else as written.
      {"<p>m<sup>2</sup> H<sub>2</sub>O 10<sup>\n\xE2\x88\x92(n+1)</sup> x<sub>i</sub> "
       "1<sup>st</sup> <sup><b>3</b></sup> <code>a<sup>2</sup></code></p>",
       Lines({"m\xC2\xB2 H\xE2\x82\x82O 10 \xE2\x81\xBB\xE2\x81\xBD\xE2\x81\xBF\xE2\x81\xBA"
              "\xC2\xB9\xE2\x81\xBE xi 1st **\xC2\xB3** `a2`"})},
      // The quotation marks that a browser shows around <q>, also around a <q> in one.
      {"<p>Er sagte <q>Hallo, <q>du</q>!</q><span style='display:none'><q>x</q></span></p>",
       Lines({"Er sagte \xE2\x80\x9CHallo, \xE2\x80\x98"
              "du\xE2\x80\x99!\xE2\x80\x9D"})},
      // Word's lists: paragraphs with a level in their style and a hidden bullet or number.
      {"<div class=WordSection1>\r\n<p class=MsoNormal>Liste:<o:p></o:p></p>\r\n<p class="
       "MsoListParagraphCxSpFirst style='text-indent:-18.0pt;mso-list:l0 level1 lfo1'><![if "
       "!supportLists]><span\r\nstyle='font-family:Symbol'><span style='mso-list:Ignore'>"
       "\xC2\xB7<span\r\nstyle='font:7.0pt \"Times New Roman\"'>&nbsp;&nbsp; </span></span>"
       "</span><![endif]>Brot<o:p></o:p></p>\r\n<p class=MsoListParagraphCxSpMiddle style="
       "'mso-list:l0 level2 lfo1'><![if !supportLists]><span style='mso-list:Ignore'>o<span>"
       "&nbsp; </span></span><![endif]><b>Vollkorn</b><o:p></o:p></p>\r\n<p style='mso-list:"
       "l0 level1 lfo1'><span style='mso-list:Ignore'>\xC2\xB7</span>Milch</p>\r\n<p class="
       "MsoNormal><o:p>&nbsp;</o:p></p>\r\n<p style='mso-list:l1 level1 lfo2'><span style='mso-"
       "list:Ignore'>3.<span>&nbsp;&nbsp; </span></span>Dritter\r\nSchritt</p><p style='mso-"
       "list:l1 level1 lfo2'><span style='mso-list:Ignore'>4.</span>Vierter</p>\r\n"
       "<p class=MsoNormal>Ende<o:p></o:p></p>\r\n</div>",
       Lines({"Liste:", "", "- Brot", "  - **Vollkorn**", "- Milch", "", "3. Dritter Schritt",
              "4. Vierter", "", "Ende"})},
      {"<p style='mso-list:l0 level1 lfo1'><span style='mso-list:Ignore'>1.&nbsp;</span>a</p>"
       "<p style='mso-list:l0 level3 lfo1'><span style='mso-list:Ignore'>&#167;</span>tief</p>"
       "<p style='mso-list:l0 level1 lfo1'><span style='mso-list:Ignore'>&#183;</span>Punkt</p>"
       "<p style='mso-list:l0 level1 lfo1'><span style='mso-list:Ignore'>b)</span>Buchstabe</p>"
       "<p style='mso-list:l0 level1 lfo1'><span style='mso-list:Ignore'>2.</span></p><h2>Titel"
       "</h2><p style='mso-list:l0 level1 lfo1'>ohne Marke</p><ul><li>html<p style='mso-list:l0 "
       "level1 lfo1'><span style='mso-list:Ignore'>2.1.</span>innen</p></li></ul>",
       Lines({"1. a", "   - tief", "", "- Punkt", "", "1. Buchstabe", "", "## Titel", "",
              "- ohne Marke", "", "* html", "  1. innen"})},
      {"<p>a <b>b<i>c</b>d</i></p>", Lines({"a **b*c***d"})},
      {"<p><span style=\"FONT-WEIGHT: Bold !important\">a</span> <span style=\"font-weight:600;"
       "font-weight:400\">b</span> <span style=\"font-weight:lighter;color:red\">c</span> <span "
       "style=\"font-style: oblique; text-decoration-line: underline line-through\">d</span> "
       "<strong style=\"font-weight: 400\">e</strong> <b style=\"font-weight:7000\">f</b> <code>"
       "<span style=\"font-weight:bold\">k</span></code> <span style=\"Display: None\">weg"
       "</span><span style=\"visibility:hidden\">weg</span><span style=\"display:none;display:"
       "inline\">da</span><span style=\"display:none;visibility:visible\">weg</span></p>",
       Lines({"**a** b c *~~d~~* e **f** `k` da"})},
      {"<p><b>fett<p>weiter</b></p>", Lines({"**fett**", "", "**weiter**"})},
      // Word's numbered headings carry their numbers as a list paragraph does its marker.
      {"<h1 style='mso-list:l0 level1 lfo1'><![if !supportLists]><span style='mso-list:Ignore'>"
       "1.<span style='font:7.0pt \"Times New Roman\"'>&nbsp;&nbsp; </span></span><![endif]>"
       "Einleitung</h1><h2 style='mso-list:l0 level2 lfo1'><span style='mso-list:Ignore'>1.1"
       "&nbsp;</span>Ziel</h2>",
       Lines({"# 1. Einleitung", "", "## 1.1 Ziel"})},
      {"a < b </p></b></zz><p", Lines({"a \\< b"})},
      {"<title>Der  Titel</title><p>x</p>", Lines({"x"})},
      // Long runs of prose, with what must be looked at closer on either side of every
      // eighth byte.
      {"<p>abcdefg  hijklmn abcdefg *hijklmn abcdefg\xC3\xA4hijklmn</p>",
       Lines({"abcdefg hijklmn abcdefg \\*hijklmn abcdefg\xC3\xA4hijklmn"})},
      {"<p>abcdef \xC2\xA0 ghijklmno abcdefgh\xFFijklmnop abcdefgh \r\nijklmnop</p>",
       Lines({"abcdef ghijklmno abcdefgh\xEF\xBF\xBDijklmnop abcdefgh ijklmnop"})},
      {"<p>Voil\xC3\xA0 la m\xC3\xAAme chose, \xE2\x80\x9Ezitiert\xE2\x80\x9C <b>abcdefg </b>x "
       "<b> abcdefgh</b></p>",
       Lines({"Voil\xC3\xA0 la m\xC3\xAAme chose, \xE2\x80\x9Ezitiert\xE2\x80\x9C **abcdefg** x "
              "**abcdefgh**"})},
      {"", ""},
      {"<p> \n </p><div><br></div>", ""}};
  for (const auto& [html, markdown] : rows) {
    EXPECT_EQ(MarkdownOfHtml(html, kPage).markdown, markdown) << html;
  }
}

// The note read back by GitHub's own Markdown parser (cmark-gfm with its table and
// strike-through extensions), as a list of what a reader sees, in order: blocks with
// their text, links and images with their targets, emphasis, code, cells.
class RenderedNote {
 public:
  explicit RenderedNote(const std::string& markdown) {
    cmark_gfm_core_extensions_ensure_registered();
    cmark_parser* parser = cmark_parser_new(CMARK_OPT_DEFAULT);
    for (const char* name : {"table", "strikethrough", "tasklist"}) {
      cmark_parser_attach_syntax_extension(parser, cmark_find_syntax_extension(name));
    }
    cmark_parser_feed(parser, markdown.data(), markdown.size());
    cmark_node* document = cmark_parser_finish(parser);
    cmark_parser_free(parser);
    Walk(document);
    cmark_node_free(document);
  }

  std::vector<std::string> seen;

 private:
  static std::string TextOf(cmark_node* node) {
    std::string text;
    switch (cmark_node_get_type(node)) {
      case CMARK_NODE_TEXT:
      case CMARK_NODE_CODE:
        return cmark_node_get_literal(node);
      case CMARK_NODE_SOFTBREAK:
        return " ";
      case CMARK_NODE_LINEBREAK:
        return "/";
      default:
        for (cmark_node* c = cmark_node_first_child(node); c; c = cmark_node_next(c)) {
          text += TextOf(c);
        }
        return text;
    }
  }

  // A letter for each column: "l", "c" or "r" where it is aligned, "-" where not.
  static std::string AlignmentsOf(cmark_node* table) {
    const uint8_t* aligns = cmark_gfm_extensions_get_table_alignments(table);
    std::string letters;
    for (uint16_t i = 0; i < cmark_gfm_extensions_get_table_columns(table); ++i) {
      letters += aligns[i] == 0 ? '-' : static_cast<char>(aligns[i]);
    }
    return letters;
  }

  void Walk(cmark_node* node) {
    const std::string type = cmark_node_get_type_string(node);
    const char* url = cmark_node_get_url(node);
    if (type == "heading") {
      seen.push_back("h" + std::to_string(cmark_node_get_heading_level(node)) + ":" + TextOf(node));
    } else if (type == "paragraph" || type == "table_cell") {
      seen.push_back((type == "paragraph" ? "p:" : "td:") + TextOf(node));
    } else if (type == "link" || type == "image") {
      seen.push_back(type + ":" + TextOf(node) + ">" + url);
    } else if (type == "strong" || type == "emph" || type == "strikethrough" || type == "code") {
      seen.push_back(type + ":" + TextOf(node));
    } else if (type == "code_block") {
      seen.push_back("pre " + std::string(cmark_node_get_fence_info(node)) + ":" +
                     cmark_node_get_literal(node));
    } else if (type == "table") {
      seen.push_back("table " + AlignmentsOf(node));
    } else if (type == "tasklist") {
      seen.push_back(cmark_gfm_extensions_get_tasklist_item_checked(node) ? "task [x]"
                                                                          : "task [ ]");
    } else if (type == "list") {
      seen.push_back(cmark_node_get_list_type(node) == CMARK_ORDERED_LIST
                         ? "ol " + std::to_string(cmark_node_get_list_start(node))
                         : "ul");
    } else if (type == "item" || type == "block_quote" || type == "thematic_break" ||
               type == "html_block" || type == "html_inline" || type == "table_row" ||
               type == "table_header") {
      seen.push_back(type);
    }
    for (cmark_node* c = cmark_node_first_child(node); c; c = cmark_node_next(c)) Walk(c);
  }
};

struct OracleCase {
  const char* html;
  std::vector<std::string> seen;  // what a reader of the page sees, in order
};

TEST(MarkdownNote, GithubsParserReadsTheNoteAsThePageShowedIt) {
  const OracleCase rows[] = {
      {"<h2 id=\"x\">Geschichte <span class=\"edit\">[<a href=\"/edit\">Bearbeiten</a>]</span></h2>"
       "<p>Die <b>Stadt</b> wurde <a href=\"/wiki/1200\" title=\"1200\">1200</a> "
       "<i>erstmals</i> erw\xC3\xA4hnt.<sup><a href=\"#cite-1\">[1]</a></sup>\n   Sie liegt "
       "am&nbsp;Fluss.</p><ul><li>Altstadt</li><li>Hafen <ol><li>Nord</li></ol></li></ul>",
       {"h2:Geschichte [Bearbeiten]", "link:Bearbeiten>https://ex.org/edit",
        "p:Die Stadt wurde 1200 erstmals erw\xC3\xA4hnt.[1] Sie liegt am Fluss.", "strong:Stadt",
        "link:1200>https://ex.org/wiki/1200", "emph:erstmals",
        "link:[1]>https://ex.org/docs/seite.html?x=1#cite-1", "ul", "item", "p:Altstadt", "item",
        "p:Hafen", "ol 1", "item", "p:Nord"}},
      {"<p>Mit <code>a|b</code>:</p><pre class=\"language-python\">if a &lt; b:\n    "
       "print(\"`x`\")\n</pre><table><thead><tr><th>Name</th><th>Wert | Einheit</th></tr>"
       "</thead><tbody><tr><td><b>x</b></td><td><a href=\"u\">1 | m</a></td></tr></tbody>"
       "</table><blockquote><p>Zitat <del>alt</del></p></blockquote><hr>",
       {"p:Mit a|b:", "code:a|b", "pre python:if a < b:\n    print(\"`x`\")\n", "table --",
        "table_header", "td:Name", "td:Wert | Einheit", "table_row", "td:x", "strong:x", "td:1 | m",
        "link:1 | m>https://ex.org/docs/u", "block_quote", "p:Zitat alt", "strikethrough:alt",
        "thematic_break"}},
      {"<p>1. keine Liste<br># kein Titel<br>&gt; kein Zitat<br>- kein Punkt<br>---<br>"
       "*keine* _Betonung_ [kein](Link) `kein Code` ~~kein~~ a | b &lt;b&gt;roh&lt;/b&gt; "
       "&amp;copy; \\n</p><p>===</p><p>```</p><p>    einger\xC3\xBC"
       "ckt</p>",
       {"p:1. keine Liste/# kein Titel/> kein Zitat/- kein Punkt/---/*keine* _Betonung_ "
        "[kein](Link) `kein Code` ~~kein~~ a | b <b>roh</b> &copy; \\n",
        "p:===", "p:```", "p:eingerückt"}},
      {"<div><b>Fett <i>und schr\xC3\xA4g</i></b> dann <img src=\"b.png\" alt=\"Bild *1*\">"
       "<a href=\"javascript:void(0)\">nur Text</a></div>",
       {"p:Fett und schr\xC3\xA4g dann Bild *1*nur Text", "strong:Fett und schr\xC3\xA4g",
        "emph:und schr\xC3\xA4g", "image:Bild *1*>https://ex.org/docs/b.png"}},
      // A copy from Google Docs: all of it in a <b> of normal weight, its emphasis styles.
      {"<meta charset=\"utf-8\"><b style=\"font-weight:normal;\" id=\"docs-internal-guid-1\">"
       "<p dir=\"ltr\" style=\"line-height:1.38;margin-top:0pt;\"><span style=\"font-size:11pt;"
       "font-family:Arial;font-weight:700;font-style:normal;text-decoration:none;\">Fett</span>"
       "<span style=\"font-size:11pt;font-weight:400;font-style:normal;\"> und </span><span "
       "style=\"font-weight:400;font-style:italic;\">schr\xC3\xA4g</span><span style=\"text-"
       "decoration:line-through;\"> alt</span></p><ul><li dir=\"ltr\"><p dir=\"ltr\"><span "
       "style=\"font-weight:400\">Punkt</span></p></li></ul></b>",
       {"p:Fett und schr\xC3\xA4g alt", "strong:Fett", "emph:schr\xC3\xA4g", "strikethrough:alt",
        "ul", "item", "p:Punkt"}},
      // Where "_" and "<" cannot be syntax, they need no backslash; the note reads the same.
      {"<p>snake_case_name x_1 __init__ a_ _b 2 &lt; 3 a&lt;=b &lt;-- &lt;/p&gt; &lt;!-- --&gt; "
       "&lt;?x a&lt;b <b>k_</b>_l <i>m</i>_n</p>",
       {"p:snake_case_name x_1 __init__ a_ _b 2 < 3 a<=b <-- </p> <!-- --> <?x a<b k__l m_n",
        "strong:k_", "emph:m"}},
      // Emphasis that ends where the same emphasis begins again is one run of it; one
      // that cannot go on (bold ended after it) leaves its text plain, never a stray "*".
      {"<p><b>h</b><b>i</b> <s>a</s><s>b</s><i>c</i><i>d</i> <b>e<i>f</i></b><i>g</i></p>",
       {"p:hi abcd efg", "strong:hi", "strikethrough:ab", "emph:cd", "strong:ef", "emph:f"}},
      // Emphasis between a word and punctuation of its own leaves that punctuation
      // outside: Markdown would show its delimiters.
      {"<p>Wort<b>(fett)</b>weiter, <b>Hinweis:</b>Text, a<del>\"alt\"</del>b, \xC3\xA4<b>\xC2\xAB"
       "x\xC2\xBB</b>\xC3\xA4 \xE4\xB8\xAD<b>\xE3\x80\x8C\xE5\xBC\x95\xE3\x80\x8D</b>\xE4\xB8\xAD "
       "x<b>y</b><i>(z)</i> <b>x<i>y)</i>)</b>w <i>(<code>c</code>)</i>z a<b>*x</b> <b>a`</b>b "
       "<a href=\"u\">(Link)</a>w W<b><a href=\"u\">x</a>y</b>w</p>",
       {"p:Wort(fett)weiter, Hinweis:Text, a\"alt\"b, \xC3\xA4\xC2\xABx\xC2\xBB\xC3\xA4 "
        "\xE4\xB8\xAD\xE3\x80"
        "\x8C\xE5\xBC\x95\xE3\x80\x8D\xE4\xB8\xAD xy(z) xy))w (c)z a*x a`b (Link)w Wxyw",
        "strong:fett", "strong:Hinweis", "strikethrough:alt", "strong:x", "strong:\xE5\xBC\x95",
        "strong:y", "emph:z)", "strong:xy)", "emph:y)", "emph:(c", "code:c", "strong:x", "strong:a",
        "link:(Link)>https://ex.org/docs/u", "link:x>https://ex.org/docs/u", "strong:x",
        "strong:y"}},
      // Emphasis around a whole link that a word follows goes inside the link, where it
      // can close: in Chinese and Japanese a word follows without a blank. Emphasis that
      // opened before the link closes before it, and the link is plain.
      {"<p><b><a href=\"u\">x</a></b>y <b><i><a href=\"u\">(z)</a></i></b>w \xE6\x9D\xB1<b><a "
       "href=\"u\">\xE4\xBA\xAC</a></b>\xE3\x81\xAF <b>Fett <a href=\"u\">Link</a></b>weiter "
       "<i>(<a href=\"u\">)</a></i>ab</p>",
       {"p:xy (z)w \xE6\x9D\xB1\xE4\xBA\xAC\xE3\x81\xAF Fett Linkweiter ()ab",
        "link:x>https://ex.org/docs/u", "strong:x", "link:(z)>https://ex.org/docs/u", "emph:(z)",
        "strong:(z)", "link:\xE4\xBA\xAC>https://ex.org/docs/u", "strong:\xE4\xBA\xAC",
        "strong:Fett", "link:Link>https://ex.org/docs/u", "emph:(",
        "link:)>https://ex.org/docs/u"}},
      // A "!" before a link stays text; a blank at a code span's edge shows beside it;
      // code spans side by side are one; emphasis that a blank and punctuation end closes
      // before the blank.
      {"<p>Neu!<a href=\"u\">Jetzt</a> x<code> y</code>z<code>a </code>b (<code> </code>) "
       "<code>f</code><code>()</code> <i>-~ _</i>ab <b>Satz .</b>weiter</p>",
       {"p:Neu!Jetzt x yza b ( ) f() -~ _ab Satz .weiter", "link:Jetzt>https://ex.org/docs/u",
        "code:y", "code:a", "code:f()", "emph:-~", "strong:Satz"}},
      // Emphasis of a single punctuation mark glued to the next word cannot close: the
      // mark stays, plain, as does a code span or an image. Where emphasis around it opened
      // earlier, or a literal star adjoins it, its stars show, but no character of the
      // text is lost.
      {"<p>Wort <b>!</b>weiter, Wort <b><i>\xC2\xAB</i>x</b>, ein <s>*</s>Stern, <i>\xE2\x80"
       "\x9E</i>Zitat, <b><code>)</code></b>y <i>x <code>c</code></i>y <i>(<img src=\"a.png\" "
       "alt=\"A\"></i>y <i>a <b><code>x</code></b>y.</i>z</p><p><i>a "
       "<b>!</b></i>w</p><p><i>*<b>!</b></i>w</p><p><em>*<a href=\"u\">"
       "_</a></em>ab</p>",
       {"p:Wort !weiter, Wort \xC2\xABx, ein *Stern, \xE2\x80\x9EZitat, )y x cy (Ay a xy.z",
        "strong:\xC2\xABx", "code:)", "emph:x", "code:c", "emph:(",
        "image:A>https://ex.org/docs/a.png", "emph:a xy", "code:x", "p:*a **!***w", "p:****!***w",
        "p:*_ab", "emph:*", "link:_>https://ex.org/docs/u"}},
      // Cells that span columns or rows leave empty cells where the page's table shows
      // their span, so every cell stays in its column.
      {"<table><tr><th colspan=\"2\">Name</th><th>Wert</th></tr><tr><td rowspan=\"2\">a</td>"
       "<td>b</td><td>c</td></tr><tr><td>d</td><td>e</td></tr><tr><td colspan=\"0\">f</td>"
       "<td>g</td></tr><tr><td colspan=\"x\">h</td><td rowspan=\"0\">i</td><td>j</td></tr>"
       "<tr><td>k</td><td>l</td></tr></table>",
       {"table ---", "table_header", "td:Name",   "td:",       "td:Wert", "table_row", "td:a",
        "td:b",      "td:c",         "table_row", "td:",       "td:d",    "td:e",      "table_row",
        "td:f",      "td:g",         "td:",       "table_row", "td:h",    "td:i",      "td:j",
        "table_row", "td:k",         "td:",       "td:l"}},
      // A rowspan of 0 reaches down to the end of its table's head, body or foot.
      {"<table><thead><tr><th rowspan=\"0\">A</th><th>B</th></tr></thead><tbody><tr><td "
       "rowspan=\"0\">a</td><td>b</td></tr><tr><td>c</td></tr></tbody><tr><td>d</td><td>e</td>"
       "</tr></table>",
       {"table --", "table_header", "td:A", "td:B", "table_row", "td:a", "td:b", "table_row",
        "td:", "td:c", "table_row", "td:d", "td:e"}},
      // Columns aligned as the page aligns their cells: GitHub's own tables, then the
      // alignment that a table's style, a row or a cell gives, a style before an "align".
      {"<table><thead><tr><th align=\"left\">Name</th><th align=\"center\">Art</th><th "
       "align=\"right\">Zahl</th><th>Notiz</th></tr></thead><tbody><tr><td align=\"left\">a"
       "</td><td align=\"center\">b</td><td align=\"right\">1</td><td>n</td></tr></tbody>"
       "</table>",
       {"table lcr-", "table_header", "td:Name", "td:Art", "td:Zahl", "td:Notiz", "table_row",
        "td:a", "td:b", "td:1", "td:n"}},
      {"<table align=\"center\" style=\"text-align:right\"><tr><th>Jahr</th><th style=\""
       "text-align:center\">Einwohner</th><th>Amt</th><th>Lage</th></tr><tr><td>1900</td><td>"
       "85</td><td style=\"text-align:LEFT\" align=\"right\">Krakau</td><td style=\"text-"
       "align:justify\">Ost</td></tr></table><table><tr><th>Zahl</th><th>Text</th><th>Mitte</th>"
       "<th align=\"right\">Ende</th></tr><tr><td>1</td><td>a</td><td></td><td>z</td></tr><tr "
       "align=\"center\"><td align=\"justify\">2</td><td align=\"left\">b</td><td>m</td></tr>"
       "</table>",
       {"table rrlr",   "table_header", "td:Jahr", "td:Einwohner", "td:Amt",    "td:Lage",
        "table_row",    "td:1900",      "td:85",   "td:Krakau",    "td:Ost",    "table clcr",
        "table_header", "td:Zahl",      "td:Text", "td:Mitte",     "td:Ende",   "table_row",
        "td:1",         "td:a",         "td:",     "td:z",         "table_row", "td:2",
        "td:b",         "td:m",         "td:"}},
      // Word aligns by the paragraphs in its cells.
      {"<table class=MsoTableGrid><tr><td width=151 valign=top><p class=MsoNormal>Posten<o:p>"
       "</o:p></p></td><td align=center><p class=MsoNormal align=right style='text-align:right'>"
       "Betrag</p><p align=left>x</p></td></tr><tr><td><div style='text-align:center'>Miete"
       "</div></td><td><p class=MsoNormal>1.200</p></td></tr></table>",
       {"table cr", "table_header", "td:Posten", "td:Betrag x", "table_row", "td:Miete",
        "td:1.200"}},
      // A task list as GitHub shows it; a box anywhere else in an item shows nothing.
      {"<ul class=\"contains-task-list\"><li class=\"task-list-item\"><input type=\"checkbox\" "
       "checked disabled> erledigt</li><li><input TYPE=\"Checkbox\"><b>offen</b></li><li><p>"
       "<input type=\"checkbox\" checked=\"\"> lose</p><p>mehr <input type=\"checkbox\"></p>"
       "</li><li>[x] Text</li><li><input type=\"text\" value=\"x\"></li></ul><p><input "
       "type=\"checkbox\" checked> frei</p>",
       {"ul", "task [x]", "p:erledigt", "task [ ]", "p:offen", "strong:offen", "task [x]", "p:lose",
        "p:mehr", "item", "p:[x] Text", "p:frei"}},
      // Lists of a kind right after each other stay apart, each numbered from its start.
      {"<ol><li>a</li></ol><ol><li>b</li></ol><ol start=\"3\"><li>c</li></ol><ul><li>d</li>"
       "</ul><ul><li>e</li></ul>",
       {"ol 1", "item", "p:a", "ol 1", "item", "p:b", "ol 3", "item", "p:c", "ul", "item", "p:d",
        "ul", "item", "p:e"}}};
  for (const auto& [html, seen] : rows) {
    EXPECT_EQ(RenderedNote(MarkdownOfHtml(html, kPage).markdown).seen, seen) << html;
  }
}

// The text a browser shows: each run of blanks as one, none at either end.
std::string Collapsed(std::string_view text) {
  std::string shown;
  bool blank = false;
  for (const char c : text) {
    blank = blank || c == ' ';
    if (c == ' ') continue;
    if (blank && !shown.empty()) shown += ' ';
    shown += c;
    blank = false;
  }
  return shown;
}

// Passages of words, blanks and punctuation in emphasis, links and code nested at random,
// as GitHub's parser reads them back: with exactly the page's text, wherever the marks
// meet a word, a blank or each other. (Strike-through is left out: GitHub's parser reads
// "~~" beside stars by rules of its own.)
TEST(MarkdownNote, GithubsParserReadsRandomPassagesWithThePagesText) {
  const std::pair<const char*, const char*> pieces[] = {
      {"x", "x"},     {"ab", "ab"},
      {" ", " "},     {"(", "("},
      {")", ")"},     {"!", "!"},
      {",", ","},     {".", "."},
      {"-", "-"},     {"'", "'"},
      {"*", "*"},     {"_", "_"},
      {"~", "~"},     {"[", "["},
      {"]", "]"},     {"`", "`"},
      {"\\", "\\"},   {"#", "#"},
      {"|", "|"},     {"&lt;", "<"},
      {"&amp;", "&"}, {"\xE4\xB8\xAD", "\xE4\xB8\xAD"}};
  const std::string_view elements[] = {"b", "i", "a", "code"};
  std::mt19937 random(2026);
  for (int passage = 0; passage < 5000; ++passage) {
    std::string html = "<p>";
    std::string text;
    std::vector<std::string_view> open;
    for (auto steps = 1 + random() % 8; steps > 0; --steps) {
      const auto choice = random() % 10;
      if (choice < 4) {
        const auto& [written, shown] = pieces[random() % std::size(pieces)];
        html += written;
        text += shown;
      } else if (choice < 7) {
        open.push_back(elements[random() % std::size(elements)]);
        html += open.back() == "a" ? "<a href=\"u\">" : "<" + std::string(open.back()) + ">";
      } else if (!open.empty()) {
        html += "</" + std::string(open.back()) + ">";
        open.pop_back();
      }
    }
    for (; !open.empty(); open.pop_back()) html += "</" + std::string(open.back()) + ">";
    const std::string markdown = MarkdownOfHtml(html + "</p>", kPage).markdown;
    const std::vector<std::string> seen = RenderedNote(markdown).seen;
    const std::string shown = Collapsed(text);
    EXPECT_EQ(seen.empty() ? "" : seen.front(), shown.empty() ? "" : "p:" + shown) << html << "\n"
                                                                                   << markdown;
  }
}

TEST(MarkdownNote, TheHtmlFormatGivesItsFragmentTitleAndAddress) {
  const std::string page = "<html><head><title>Seite &amp; mehr</title></head><body>";
  const std::string fragment = "<p><a href=\"x\">x</a></p>";
  const auto header = [](size_t start, size_t end) {
    return "Version:0.9\r\nStartFragment:" + std::to_string(start) +
           "\r\nEndFragment:" + std::to_string(end) + "\r\nSourceURL:https://q.ex/d/\r\n";
  };
  const size_t size = header(100, 100).size();
  const std::string block = header(size + page.size(), size + page.size() + fragment.size()) +
                            page + fragment + "<p>danach</p></body></html>";
  const struct {
    std::string block;
    std::string markdown;
    std::string title;
  } rows[] = {
      {block, Lines({"[x](https://q.ex/d/x)"}), "Seite & mehr"},
      {header(10, 999999) + page + "<!--StartFragment-->" + fragment + "<!--EndFragment-->z",
       Lines({"[x](https://q.ex/d/x)"}), "Seite & mehr"},
      {"<p>nur HTML</p>", Lines({"nur HTML"}), ""}};
  for (const auto& row : rows) {
    const MarkdownNote note = MarkdownOfHtmlFormat(row.block);
    EXPECT_EQ(note.markdown, row.markdown) << row.block;
    EXPECT_EQ(note.title, row.title) << row.block;
  }
}

// Whether emphasis opens or closes beside a character depends on it, so every character
// is told apart as GitHub's parser tells it.
TEST(DelimiterSides, EachCharacterIsABlankOrPunctuationWhereGithubsParserSaysSo) {
  // Unicode places no blank or punctuation beyond its first two planes; the ideographs
  // of the third show that the table ends there.
  std::string text;
  for (char32_t c = 1; c <= 0x2FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    text = "a";
    const auto wide = static_cast<wchar_t>(c);  // 32 bits wide here, a code point whole
    AppendUtf8(text, std::wstring_view(&wide, 1));
    const auto point = static_cast<int32_t>(c);
    const Beside expected = cmark_utf8proc_is_space(point)         ? Beside::Blank
                            : cmark_utf8proc_is_punctuation(point) ? Beside::Punctuation
                                                                   : Beside::Word;
    if (CharacterAt(text, 1) != expected || CharacterBefore(text, text.size()) != expected) {
      ADD_FAILURE() << "U+" << std::hex << static_cast<uint32_t>(c);
    }
  }
}

TEST(PageAddress, RelativeAddressesResolveAsInABrowser) {
  const std::pair<const char*, const char*> rows[] = {{"g", "https://ex.org/docs/g"},
                                                      {"./g/", "https://ex.org/docs/g/"},
                                                      {"../../../g", "https://ex.org/g"},
                                                      {"/a/./b/../c?q#f", "https://ex.org/a/c?q#f"},
                                                      {"?y", "https://ex.org/docs/seite.html?y"},
                                                      {"", "https://ex.org/docs/seite.html?x=1"},
                                                      {"//h.ex", "https://h.ex"},
                                                      {" ftp://f.ex/\t1 ", "ftp://f.ex/1"},
                                                      {"mailto:a@b.ex", "mailto:a@b.ex"}};
  for (const auto& [address, resolved] : rows) {
    EXPECT_EQ(PageAddress(kPage).Resolve(address), resolved) << address;
  }
  EXPECT_EQ(PageAddress("about:blank").Resolve("g"), "g");
  EXPECT_EQ(PageAddress("").Resolve("/g"), "/g");
  for (const char* address : {"javascript:x", " JAVA\tSCRIPT:x", "\x01vbscript:x", "Data:,x",
                              "cid:image001.png@01DB", "blob:https://ex.org/1f2e"}) {
    EXPECT_TRUE(IsTextOnlyAddress(address)) << address;
  }
  EXPECT_FALSE(IsTextOnlyAddress("https://ex.org/javascript:x"));
}

// The word-at-a-time search finds what the byte-by-byte one finds, with the words of
// 32-bit and of 64-bit systems: the byte at any place of a word or the tail, from any
// start, beside bytes that share its low or high bits.
TEST(FindByte, FindsWhatTheLibraryFinds) {
  const std::string filler = "a\x80\xFF\x3D\x7F";
  for (const char byte : {'<', '\0', '\xBC', '\x01'}) {
    for (size_t size = 0; size <= 19; ++size) {
      for (size_t place = 0; place <= size; ++place) {
        std::string text(size, 'x');
        for (size_t at = 0; at < size; ++at) text[at] = filler[at % filler.size()];
        if (place < size) text[place] = byte;
        for (size_t from = 0; from <= size + 1; ++from) {
          const size_t expected = std::string_view(text).find(byte, from);
          ASSERT_EQ(FindByte<uint32_t>(text, byte, from), expected)
              << "size " << size << ", place " << place << ", from " << from;
          ASSERT_EQ(FindByte<uint64_t>(text, byte, from), expected)
              << "size " << size << ", place " << place << ", from " << from;
        }
      }
    }
  }
}

// The 32-bit program tells plain text apart four bytes at a time, the 64-bit one eight:
// both end every run where the other does, from every start and at every alignment,
// with sequences and blanks across the words' edges.
TEST(PlainRunEnd, FourBytesAtATimeEndEachRunWhereEightDo) {
  const char* const rows[] = {
      "Die Stadt z\xC3\xA4hlt rund achthundert Einwohner und ist alt",
      "ab c\xC3\xB6"
      "d\xC3\xBC efg\xC5\x82h ij\xC3",
      "zwei  Blanks, ein\tTab, ein\xC2\xA0"
      "Blank, ein \xC3\xA0 und ein \xE2\x82\xAC Euro",
      "Sternchen *und* Strich_e [x] `c` &amp; \xF0\x9F\x98\x80 \x80\xBF kaputt \xC3 x",
      "aaa \xC3\xA4"
      "aa aaaa \xC3\xA4 a\xC3\xA4"
      "a a \xC3\xA4\xC3\xA4 a"};
  for (const char* row : rows) {
    for (size_t shift = 0; shift < 8; ++shift) {
      const std::string text = std::string(shift, 'x') + row;
      for (size_t at = 0; at < text.size(); ++at) {
        ASSERT_EQ(PlainRunEnd<uint32_t>(text, at), PlainRunEnd<uint64_t>(text, at))
            << row << ", shifted by " << shift << ", from " << at;
      }
    }
  }
}

// However deep and broken the input, the note keeps its text, its lines carry a bounded
// prefix, and nothing grows with the nesting or a table's spans beyond the input's size.
TEST(MarkdownNote, DeepBrokenOrSpanningInputKeepsItsTextAtABoundedDepthAndSize) {
  constexpr int kDepth = 20000;
  const auto repeat = [](std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
  };
  const std::string rows[] = {
      repeat("<blockquote>", kDepth) + "tief",
      repeat("<ul><li>", kDepth) + "tief" + repeat("</li></ul>", kDepth),
      repeat("<b><i><a href=x>", kDepth) + "tief",
      repeat("<table><tr><td>", kDepth) + "tief",
      repeat("<pre><code>", kDepth) + "tief",
      repeat("</b></li></table>", kDepth) + "tief" + repeat("<td><li><h1>", kDepth),
      "<table>" + repeat("<tr><td colspan=1000 rowspan=0>x<td>y", kDepth) + "<td>tief"};
  for (const std::string& html : rows) {
    const std::string markdown = MarkdownOfHtml(html, kPage).markdown;
    EXPECT_NE(markdown.find("tief"), std::string::npos) << html.substr(0, 40);
    EXPECT_LT(markdown.size(), 2 * html.size() + 100) << html.substr(0, 40);
    const size_t longestPrefix = 4 * 16 + 16;
    EXPECT_LT(markdown.find("tief") - markdown.rfind('\n', markdown.find("tief")), longestPrefix)
        << html.substr(0, 40);
  }
}

TEST(MarkdownNote, FrontMatterStartsANewNoteAndLaterEntriesStandApart) {
  const std::string passage = "Text\r\n";
  NoteParts all{"Ein \"Titel\"\t\\", "https://q.ex/a?b#c", "2026-12-07T23:15:09+01:00",
                "07.12.2026 23:15:09", "-----"};
  const NoteParts none{"Titel", std::nullopt, std::nullopt, std::nullopt, "~~~"};
  NoteParts spaced = none;
  spaced.address = "C:\\Eine Datei";
  spaced.separator = "=====";
  EXPECT_EQ(NewNote(passage, all),
            Lines({"---", "title: \"Ein \\\"Titel\\\" \\\\\"", "source: https://q.ex/a?b#c",
                   "created: 2026-12-07T23:15:09+01:00", "---", "", "Text"}));
  EXPECT_EQ(NewNote(passage, none), passage);
  EXPECT_EQ(NewNote(passage, spaced),
            Lines({"---", "title: \"Titel\"", "source: \"C:\\\\Eine Datei\"", "---", "", "Text"}));
  const struct {
    const char* old;
    const NoteParts& parts;
    std::string entry;
  } rows[] = {{"alt", all,
               Lines({"", "", "-----", "",
                      "07.12.2026 23:15:09 \xC2\xB7 [https://q.ex/a?b#c](https://q.ex/a?b#c)", "",
                      "Text"})},
              {"alt\r\n", none, Lines({"", "\\~\\~\\~", "", "Text"})},
              {"alt\n", spaced,
               Lines({"", "\\=====", "", "[C:\\\\Eine Datei](C:%5CEine%20Datei)", "", "Text"})}};
  for (const auto& row : rows)
    EXPECT_EQ(LaterEntry(row.old, passage, row.parts), row.entry) << row.old;
}

std::tm LocalTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_sec = second;
  return local;
}

TEST(MarkdownNote, CreatedIsLocalTimeWithItsOffset) {
  const std::tm evening = LocalTime(2026, 12, 7, 23, 15, 9);
  EXPECT_EQ(IsoLocalTime(evening, 1796681709), "2026-12-07T23:15:09+01:00");
  EXPECT_EQ(IsoLocalTime(evening, 1796681709 + 5 * 3600 + 1800), "2026-12-07T23:15:09-04:30");
  EXPECT_EQ(IsoLocalTime(LocalTime(1969, 12, 31, 18, 0, 0), -3600), "1969-12-31T18:00:00-05:00");
}

}  // namespace
}  // namespace qm
