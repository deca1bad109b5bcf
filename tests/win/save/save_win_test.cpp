// Saving on real folders. First what only real files show: copies that never replace, a
// replace that a reader never sees half done, names the system refuses, the settings
// file's bounded values. Then Speichern with the real file adapter and action 1 from a
// real settings file; clipboard, address and clock are fixed by the test, message boxes
// and notices recorded.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <thread>

#include "bench/support/html_format.h"
#include "save/access.h"
#include "save/save_adapters_win.h"
#include "save/speichern.h"
#include "save/temporary_name.h"
#include "save/whole_file_win.h"
#include "settings/ansi_text.h"
#include "settings/system_reason_win.h"
#include "settings/utf8_text.h"
#include "tests/win/support/win_support.h"

namespace qm {
namespace {

using namespace std::string_literals;
using namespace test;

enum class Mode { ByHand, Automatic, AutomaticSuppressed };

std::optional<std::wstring> Replace(const std::wstring& path, std::string_view bytes) {
  return ReplaceWholeFile(path, {&bytes, 1});
}

// The world outside the files is the fixture itself: it gives the clipboard text, the
// address and the clock, and records the notices and what the access opens.
struct SaveWin : ::testing::Test, SaveSources, SaveSignals, ShellOpener {
  SaveWin() { EXPECT_TRUE(CreateDirectoryA(target.c_str(), nullptr)); }

  bool ClipboardHoldsText() override { return !clipboard.View().Empty(); }
  ClipboardAccess ClipboardText(KeptText& text, HtmlTaken taken, std::string& html) override {
    text = clipboard;
    html = taken == HtmlTaken::None ? "" : clipboardHtml;
    return access;
  }
  ClipboardAccess ClipboardFileName(std::string& name) override {
    name = clipboardFile;
    return access;
  }
  ClipboardAccess ClipboardPicture(CopiedPicture& copied) override {
    copied = picture;
    return access;
  }
  std::string BrowserAddress() override {
    if (addressAsked) addressAsked();
    return "http://quelle.example/?a=1&b=2";
  }
  std::string BrowserTitle() override { return browserTitle; }
  std::string NowText() override { return "07.12.2026 10:00:00"; }
  bool AutomaticSavingOn() override { return automatic; }
  void Beep() override { notices.push_back(L"beep"); }
  void ShowNotice(const NoticeRequest& request) override { notices.push_back(request.text); }
  std::optional<std::wstring> Open(const std::string& path, const std::string&) override {
    opened += path;
    return std::nullopt;
  }

  void Use(const std::string& aktion, const std::string& format = "Text",
           bool dateAndAddress = false, const std::string& path = "") {
    const std::string flag = dateAndAddress ? "ja" : "nein";
    const std::pair<const char*, std::string> keys[] = {
        {"Aktiviert", "ja"},    {"Name", "Test"},
        {"Dateiname", "Notiz"}, {"Speicherpfad", path.empty() ? target : path},
        {"Aktion", aktion},     {"Format", format},
        {"URL", flag},          {"Datum", flag}};
    for (const auto& [key, value] : keys) settings.Write(ActionSection(1), key, value);
    actions.Refresh(settings);
  }

  // A save by hand has the option to suppress warnings on, which only automatic mode heeds.
  void SetMode(Mode mode) {
    automatic = mode != Mode::ByHand;
    options.chkMessagesUnterdruecken = mode != Mode::Automatic;
  }

  // A text copied in the code page; an image file named by it.
  void Save(const std::string& text) {
    if (!text.empty()) clipboardFile = text;
    Save(KeptText{text, {}});
  }

  // A text copied as UTF-16, read as the clipboard reader reads it.
  void Save(std::u16string_view text) { Save(KeptTextOfUtf16(std::u16string(text))); }

  void Save(const KeptText& text) {
    clipboard = text;
    SaveContext context{actions, options, settings, files, *this, messages, *this};
    Speichern(1, context);
  }

  // Every file below the target as "name" or "folder\name", sorted.
  std::vector<std::string> Files() const {
    std::vector<std::string> all;
    for (const std::string& name : FolderEntries(target)) {
      const auto inner = FolderEntries(target + "\\" + name);
      if (inner.empty()) all.push_back(name);
      for (const std::string& file : inner) all.push_back(name + "\\" + file);
    }
    return all;
  }

  std::string Saved(const std::string& name) const { return ReadFileBytes(target + "\\" + name); }

  ScratchFolder folder;
  const std::string target = folder / "Ziel";
  const ProgramSettingsFile settingsFile{
      "[Start]\r\nTempPfad=" + folder.Path() +
      "\r\n[Zeichen]\r\nZeichen=\\/:*?\"<>|\r\n[Optionen]\r\n"
      "Trennzeichen=-\r\nWiederholung=5\r\nHexTextfarbe=#000000\r\n"
      "HexHintergrund=#FFFFFF\r\nHexLinks=#0000FF\r\nHexAlink=#FF0000\r\nHexVlink=#800080\r\n"};
  ProfileSettings settings;
  ActionCache actions;
  CurrentOptions options = LoadCurrentOptions(settings);
  WinSaveFiles files;
  RecordingMessageBoxes messages;
  KeptText clipboard;
  ClipboardAccess access = ClipboardAccess::Read;
  std::string clipboardFile;
  CopiedPicture picture;
  std::string clipboardHtml;
  std::string browserTitle = "Fenstertitel";
  std::function<void()> addressAsked;  // by the save, once it has chosen its target
  bool automatic = false;
  std::vector<std::wstring> notices;  // and beeps, as they came
  std::string opened;
};

TEST_F(SaveWin, CopyNeverReplacesAnExistingFile) {
  WriteFileBytes(folder / "neu.jpg", "neu");
  WriteFileBytes(folder / "alt.jpg", "alt");
  EXPECT_TRUE(files.CopyFileTo(Wide(folder / "neu.jpg"), Wide(folder / "alt.jpg")).has_value());
  EXPECT_EQ(ReadFileBytes(folder / "alt.jpg"), "alt");
}

// Whoever looks at the document while it is replaced sees the old one or the whole new
// one, never a shortened or missing file: the bytes go to a new file moved over it.
TEST_F(SaveWin, ReplaceNeverShowsAPartialDocument) {
  const std::wstring document = Wide(target + "\\Sammlung.html");
  const std::string newBytes(8 << 20, 'x');
  WriteFileBytes(Utf8(document), "alt");
  std::atomic<bool> done{false};
  std::atomic<bool> partial{false};
  std::thread watcher([&] {
    WIN32_FILE_ATTRIBUTE_DATA data;
    while (!done) {
      const bool found = GetFileAttributesExW(document.c_str(), GetFileExInfoStandard, &data);
      partial =
          partial || !found || (data.nFileSizeLow != 3 && data.nFileSizeLow != newBytes.size());
    }
  });
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(Replace(document, newBytes), std::nullopt);
    EXPECT_EQ(Replace(document, "alt"), std::nullopt);
  }
  done = true;
  watcher.join();
  EXPECT_FALSE(partial);
  EXPECT_EQ(Files(), std::vector<std::string>{"Sammlung.html"});
}

// A save killed between writing its hidden temporary file and moving it into place
// leaves that file behind; the next replace of the document removes it, whether it
// succeeds or fails (an editor holding the document open).
TEST_F(SaveWin, TheNextReplaceRemovesWhatAKilledSaveLeftBehind) {
  const std::string document = target + "\\Sammlung.html";
  const std::wstring temporary = TemporaryPathFor(Wide(document));
  for (const bool locked : {false, true}) {
    WriteFileBytes(document, "alt");
    WriteFileBytes(Utf8(temporary), std::string(100000, 'x'));
    ASSERT_TRUE(SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_HIDDEN));
    {
      std::optional<FileLock> lock;
      if (locked) lock.emplace(document);
      EXPECT_EQ(Replace(Wide(document), "neu").has_value(), locked);
    }
    EXPECT_EQ(Files(), std::vector<std::string>{"Sammlung.html"});
    EXPECT_EQ(ReadFileBytes(document), locked ? "alt" : "neu");
  }
}

// A document written anew keeps what the user made of the file (hidden, a system file;
// Wine holds no other attribute of theirs), and nothing of the hidden file it was
// written as.
TEST_F(SaveWin, AReplacedDocumentKeepsTheAttributesTheUserGaveIt) {
  constexpr DWORD kUsers = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  const std::string document = target + "\\Sammlung.html";
  for (const DWORD given : {DWORD{0}, kUsers}) {
    WriteFileBytes(document, "alt");
    ASSERT_TRUE(SetFileAttributesA(document.c_str(), given | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(Replace(Wide(document), "neu"), std::nullopt);
    EXPECT_EQ(GetFileAttributesA(document.c_str()) & kUsers, given);
    ASSERT_TRUE(SetFileAttributesA(document.c_str(), FILE_ATTRIBUTE_NORMAL));
  }
}

TEST_F(SaveWin, RefusedNamesAndMissingFoldersFailWithoutLeavingAFile) {
  for (const char* name : {"a<b.txt", "a?.html", "fehlt\\Notiz.txt"}) {
    const std::wstring path = Wide(target + "\\" + name);
    EXPECT_TRUE(files.AppendEntry(path, {"", "Text", "\r\n"}, TextEncoding::Utf8, false).failure)
        << name;
    EXPECT_TRUE(Replace(path, "x").has_value()) << name;
    EXPECT_TRUE(files.WriteNewFile(path, "x").has_value()) << name;
  }
  EXPECT_TRUE(files.CreateFolder(Wide(target + "\\fehlt\\tiefer"), "").has_value());
  EXPECT_TRUE(Files().empty());
}

// Another program that holds `path` as `share` allows, and lets go after 150 ms.
class HeldForAMoment {
 public:
  HeldForAMoment(const std::string& path, DWORD share)
      : lock_(std::in_place, path, share), letGo_([this] {
          Sleep(150);
          lock_.reset();
        }) {}
  ~HeldForAMoment() { letGo_.join(); }

 private:
  std::optional<FileLock> lock_;
  std::thread letGo_;
};

// A change of several keys goes as one write of its whole section, which keeps the
// section's other values as they were, long and quoted ones too. A write to a file that
// cannot be written (here: another program holds it open without sharing) says so, with
// the file and the reason, and changes nothing.
TEST_F(SaveWin, SettingsAreReadInto127BytesAndAChangeKeepsTheRestOrFailsWhole) {
  using namespace std::string_literals;
  const std::string longValue(200, 'x');
  settings.Write("Aktion1", "Speicherpfad", longValue);
  settings.Write("Aktion1", "Dateiname", "\"  a \"");
  settings.Write("Aktion1", "Format", "Text");
  EXPECT_EQ(settings.Read("Aktion1", "Speicherpfad"), longValue.substr(0, 126));
  EXPECT_EQ(WriteAll(settings, "aktion1", {{"HotkeyC", "F5"}, {"format", "HTML"}}), std::nullopt);
  const std::string lines =
      "Speicherpfad=" + longValue + "\0Dateiname=\"  a \"\0format=HTML\0HotkeyC=F5\0"s;
  EXPECT_EQ(settings.SectionLines("Aktion1").lines, lines);
  std::optional<FileLock> lock(std::in_place, SettingsPath(), 0);
  const auto failure = WriteAll(settings, "Aktion1", {{"HotkeyA", "Strg"}, {"HotkeyC", "F6"}});
  lock.reset();
  EXPECT_EQ(failure, (WriteFailure{SettingsPath(), SystemReason(ERROR_SHARING_VIOLATION)}));
  EXPECT_EQ(settings.SectionLines("Aktion1").lines, lines);
  settings.ReplaceSection("Aktion1", "");
  EXPECT_EQ(settings.Read("Aktion1", "HotkeyC"), std::string(kMissingEntry));
}

// The settings file held for a moment by another program (a sync tool, a backup) is read
// and changed once it lets go: a read does not take the default for the value, and a
// change keeps the rest of its section.
TEST_F(SaveWin, SettingsHeldForAMomentAreReadAndChangedOnceTheOtherProgramLetsGo) {
  using namespace std::string_literals;
  settings.Write("Aktion1", "Name", "Notizen");
  for (const DWORD share : {DWORD{0}, DWORD{FILE_SHARE_READ}}) {
    {
      HeldForAMoment held(SettingsPath(), share);
      EXPECT_EQ(settings.Read("Aktion1", "Name"), "Notizen") << share;
    }
    {
      HeldForAMoment held(SettingsPath(), share);
      EXPECT_EQ(WriteAll(settings, "Aktion1", {{"Format", "Markdown"}}), std::nullopt) << share;
    }
    EXPECT_EQ(settings.SectionLines("Aktion1").lines, "Name=Notizen\0Format=Markdown\0"s) << share;
  }
}

// Notepad saves a settings file of ASCII alone, into which the user typed a path with an
// umlaut, in UTF-8. The path reads as typed, and stays so when the program changes a key
// beside it in the code page.
TEST_F(SaveWin, AValueAnEditorSavedInUtf8ReadsAsTypedAlsoAfterAChange) {
  WriteFileBytes(SettingsPath(), "[Aktion1]\r\nSpeicherpfad=C:\\J\xC3\xB6rg\r\n");
  EXPECT_EQ(settings.Read("Aktion1", "Speicherpfad"), "C:\\J\xF6rg");
  EXPECT_EQ(WriteAll(settings, "Aktion1", {{"Name", "\xC4rger"}}), std::nullopt);
  EXPECT_EQ(settings.Read("Aktion1", "Speicherpfad"), "C:\\J\xF6rg");
  EXPECT_EQ(settings.Read("Aktion1", "Name"), "\xC4rger");
}

// The archive edition delivers its settings under another name: they become the
// settings file only where there is none, so unpacking it again keeps the user's.
TEST_F(SaveWin, TheDeliveredSettingsBecomeTheSettingsFileOnlyWhereThereIsNone) {
  const std::string delivered = ProgramFolder() + "\\" + kDeliveredSettingsFile;
  WriteFileBytes(delivered, "[Start]\r\nSplash=1\r\n");
  const std::string users = ReadFileBytes(SettingsPath());
  ProvideSettingsFile();
  EXPECT_EQ(ReadFileBytes(SettingsPath()), users);
  DeleteFileA(SettingsPath().c_str());
  ProvideSettingsFile();
  EXPECT_EQ(ReadFileBytes(SettingsPath()), "[Start]\r\nSplash=1\r\n");
  DeleteFileA(delivered.c_str());
}

// Names and file contents with letters are UTF-8 literals; "\x" bytes are code page 1252.
struct MethodCase {
  const char* name;
  const char* aktion;
  const char* format;
  std::vector<std::u16string> texts;               // copied as UTF-16, one after the other
  std::map<std::string, std::string> files;        // all files afterwards
  std::map<std::string, std::string> before = {};  // the files before the saves
  bool dateAndAddress = false;
};

class SaveMethods : public SaveWin, public ::testing::WithParamInterface<MethodCase> {};

TEST_P(SaveMethods, WriteExactlyTheseFiles) {
  const MethodCase& row = GetParam();
  Use(row.aktion, row.format, row.dateAndAddress);
  for (const auto& [name, bytes] : row.before) WriteFileBytes(target + "\\" + name, bytes);
  for (const std::u16string& text : row.texts) Save(text);
  std::map<std::string, std::string> saved;
  for (const std::string& name : Files()) saved[name] = Saved(name);
  EXPECT_EQ(saved, row.files);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(notices.size(), row.texts.size());
}

const std::string kDated = " 07.12.2026 10:00:00\r\n~~~~~~~~~~~~~~~~~~~~\r\n \r\n";
const std::string kEnd = "\r\n \r\n-----\r\n \r\n";  // of an entry of the same-file method
const std::string kBom = "\xEF\xBB\xBF";
const std::string kAddress = "\r\n \r\nhttp://quelle.example/?a=1&b=2\r\n \r\n-----\r\n \r\n";
// Two entries in a document of this writer, titled after the file, with the settings'
// colours; the first save found an empty file, which counts as none.
const std::string kTwoHtmlEntries =
    "<HTML>\r\n\r\n<HEAD>\r\n\r\n<TITLE>Notiz</TITLE>\r\n\r\n</HEAD>\r\n\r\n<BODY "
    "text=\"#000000\" bgcolor=\"#FFFFFF\" link=\"#0000FF\" alink=\"#FF0000\" vlink=\"#800080\">\r\n"
    "eins<BR>\r\n\r\n\r\n<br>-----<br><br>\r\n\r\n\r\n\r\n"
    "zwei &amp; drei<BR>\r\n\r\n\r\n<br>-----<br><br>\r\n</BODY>\r\n</HTML>\r\n";
INSTANTIATE_TEST_SUITE_P(
    Table, SaveMethods,
    ::testing::Values(
        MethodCase("numbered", "extradatei", "Text", {u"eins", u"zwei\r\n\u00E4"},
                   {{"Notiz.txt", "eins\r\n"}, {"Notiz1.txt", "zwei\r\n\xE4\r\n"}}),
        MethodCase("same_file", "gleichedatei", "Text", {u"eins", u"zwei"},
                   {{"Notiz.txt", kDated + "eins" + kAddress + kDated + "zwei" + kAddress}}, {},
                   true),
        MethodCase("folder_keeps_letters", "dateiundordner1", "Text", {u"Żółw ist da"},
                   {{"Żółw\\Notiz.txt", kBom + "Żółw ist da\r\n"}}),
        MethodCase("html_extended", "gleichedatei", "HTML", {u"eins", u"zwei & drei"},
                   {{"Notiz.html", kTwoHtmlEntries}}, {{"Notiz.html", ""}}),
        MethodCase("markdown_of_plain_text", "gleichedatei", "Markdown", {u"# eins\nŁódź", u"zwei"},
                   {{"Notiz.md",
                     "alt\r\n\r\n-----\r\n\r\n# eins\r\nŁódź\r\n\r\n"
                     "-----\r\n\r\nzwei\r\n"}},
                   {{"Notiz.md", "alt"}})),
    [](const auto& info) { return std::string(info.param.name); });

// The file that action 1 ("Notiz") writes in a format.
std::string FileOfTheFormat(const std::string& format) {
  const std::map<std::string, std::string> extensions = {
      {"Text", ".txt"}, {"HTML", ".html"}, {"Markdown", ".md"}};
  return "Notiz" + extensions.at(format);
}

// A text as the bytes of UTF-16, as editors write "Unicode" files.
std::string Utf16(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  for (const char16_t unit : text) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}
std::string Le(std::u16string_view text) { return Utf16(text, false); }
std::string Be(std::u16string_view text) { return Utf16(text, true); }

struct EncodingCase {
  const char* name;
  std::optional<std::string> before;  // the file before the save, when there is one
  std::u16string text;                // copied as UTF-16: "Käse" fits the code page
  std::string after;
  bool dateAndAddress = false;
  const char* format = "Text";
};

class SaveEncodings : public SaveWin, public ::testing::WithParamInterface<EncodingCase> {};

// Whoever wrote the file, afterwards it holds one valid encoding, the one it had; only
// a note in the code page becomes UTF-8. A file whose encoding cannot be told is left as
// it was, and the user is told.
TEST_P(SaveEncodings, KeepTheFilesTextInOneEncodingOrLeaveItAlone) {
  const EncodingCase& row = GetParam();
  const std::string file = FileOfTheFormat(row.format);
  Use("gleichedatei", row.format, row.dateAndAddress);
  if (row.before) WriteFileBytes(target + "\\" + file, *row.before);
  Save(row.text);
  EXPECT_EQ(Saved(file), row.after);
  const bool leftAlone = row.before == row.after;
  ASSERT_EQ(messages.shown.size(), leftAlone ? 1u : 0u);
  EXPECT_EQ(notices.size(), leftAlone ? 0u : 1u);
  for (const MessageRequest& shown : messages.shown) {
    EXPECT_EQ(shown.title, L"Datei nicht erweitert");
    EXPECT_NE(shown.text.find(WidenAnsi(file) + L"\" konnte nicht erkannt"), std::wstring::npos);
  }
}

const std::string kOdd = "\xFF\xFEG\0r"s;

std::string U8(std::u16string_view text) {
  std::string utf8;
  AppendUtf8(utf8, text);
  return utf8;
}

// A document of this writer named "Notiz" that the user edited in another editor, and
// what extending it with a copied "Käse" or "Łódź" gives, as UTF-16 to be
// written in any encoding: the header is this writer's again, the old body is kept.
const std::u16string kDocumentHead =
    u"<HTML>\r\n\r\n<HEAD>\r\n\r\n<TITLE>Notiz</TITLE>\r\n\r\n</HEAD>\r\n\r\n<BODY "
    u"text=\"#000000\" bgcolor=\"#FFFFFF\" link=\"#0000FF\" alink=\"#FF0000\" "
    u"vlink=\"#800080\">\r\n";
const std::u16string kEditedBody = u"Gr\u00FC\u00DF \u0141\u00F3d\u017A \U0001F600<BR>\r\n";
const std::u16string kDocumentEnd = u"</BODY>\r\n</HTML>\r\n";
const std::u16string kEditedDocument = u"\uFEFF" + kDocumentHead + kEditedBody + kDocumentEnd;
std::u16string Extended(std::u16string_view convertedText) {
  return u"\uFEFF" + kDocumentHead + kEditedBody + u"\r\n\r\n\r\n" + std::u16string(convertedText) +
         u"<BR>\r\n\r\n\r\n<br>-----<br><br>\r\n" + kDocumentEnd;
}
const std::u16string kKaeseExtended = Extended(u"K\u00E4se");
const std::u16string kLodzExtended = Extended(u"&#321;\u00F3d&#378;");
INSTANTIATE_TEST_SUITE_P(
    Table, SaveEncodings,
    ::testing::Values(
        EncodingCase("missing", std::nullopt, u"Käse", "K\xE4se" + kEnd),
        EncodingCase("missing_foreign", std::nullopt, u"Łódź", kBom + "Łódź" + kEnd),
        EncodingCase("ansi", "Gr\xFC\xDF\r\n", u"Käse", "Gr\xFC\xDF\r\nK\xE4se" + kEnd),
        EncodingCase("ansi_foreign", "Gr\xFC\xDF\r\n", u"Łódź", kBom + "Grüß\r\nŁódź" + kEnd),
        EncodingCase("utf8", kBom + "Grüß\r\n", u"Käse", kBom + "Grüß\r\nKäse" + kEnd),
        EncodingCase("unmarked_utf8_foreign", "Grüß\r\n", u"Łódź", "Grüß\r\nŁódź" + kEnd),
        EncodingCase("utf16le", Le(u"\uFEFFGrüß\r\n"), u"Käse",
                     Le(u"\uFEFFGrüß\r\n 07.12.2026 10:00:00\r\n~~~~~~~~~~~~~~~~~~~~\r\n \r\n"
                        u"Käse\r\n \r\nhttp://quelle.example/?a=1&b=2\r\n \r\n-----\r\n \r\n"),
                     true),
        EncodingCase("utf16be_foreign", Be(u"\uFEFFGrüß\r\n"), u"Łódź",
                     Be(u"\uFEFFGrüß\r\n 07.12.2026 10:00:00\r\n~~~~~~~~~~~~~~~~~~~~\r\n \r\n"
                        u"Łódź\r\n \r\nhttp://quelle.example/?a=1&b=2\r\n \r\n-----\r\n \r\n"),
                     true),
        EncodingCase("odd_utf16", kOdd, u"Käse", kOdd),
        EncodingCase("note_in_utf16le", Le(u"\uFEFFGrüß \U0001F600\r\n"), u"Łódź",
                     Le(u"\uFEFFGrüß \U0001F600\r\n\r\n-----\r\n\r\nŁódź\r\n"), false, "Markdown"),
        EncodingCase("note_in_utf16be", Be(u"\uFEFFGrüß"), u"Käse",
                     Be(u"\uFEFFGrüß\r\n\r\n-----\r\n\r\nKäse\r\n"), false, "Markdown"),
        EncodingCase("note_in_the_code_page", "Gr\xFC\xDF", u"Käse",
                     "Grüß\r\n\r\n-----\r\n\r\nKäse\r\n", false, "Markdown"),
        EncodingCase("note_in_utf8_with_a_broken_byte", "Grüß \xFC", u"Käse",
                     "Grüß \xFC\r\n\r\n-----\r\n\r\nKäse\r\n", false, "Markdown"),
        EncodingCase("note_in_odd_utf16", kOdd, u"Käse", kOdd, false, "Markdown"),
        EncodingCase("document_in_utf16le", Le(kEditedDocument), u"Käse", Le(kKaeseExtended), false,
                     "HTML"),
        EncodingCase("document_in_utf16be", Be(kEditedDocument), u"Łódź", Be(kLodzExtended), false,
                     "HTML"),
        EncodingCase("document_in_utf8", U8(kEditedDocument), u"Käse", U8(kKaeseExtended), false,
                     "HTML"),
        EncodingCase("document_in_unmarked_utf8", U8(kEditedDocument.substr(1)), u"Łódź",
                     U8(kLodzExtended.substr(1)), false, "HTML"),
        EncodingCase("document_in_the_code_page", "Gr\xFC\xDF<BR>\r\n" + U8(kDocumentEnd), u"Käse",
                     U8(kDocumentHead) + "Gr\xFC\xDF<BR>\r\n\r\n\r\n\r\nK\xE4se<BR>\r\n\r\n\r\n" +
                         "<br>-----<br><br>\r\n" + U8(kDocumentEnd),
                     false, "HTML"),
        EncodingCase("document_in_odd_utf16", kOdd, u"Käse", kOdd, false, "HTML"),
        EncodingCase("document_declaring_utf8", "<meta charset=\"utf-8\"><p>Gruss</p>", u"Käse",
                     U8(kDocumentHead) + "<meta charset=\"utf-8\"><p>Gruss</p>\r\nKäse<BR>\r\n" +
                         "\r\n\r\n<br>-----<br><br>\r\n" + U8(kDocumentEnd),
                     false, "HTML"),
        EncodingCase("document_in_utf16_with_half_a_character", Le(u"\uFEFF<p>\xD83D</p>"), u"Käse",
                     Le(u"\uFEFF<p>\xD83D</p>"), false, "HTML")),
    [](const auto& info) { return std::string(info.param.name); });

// A passage copied from a page in a browser, as the browser puts it on the clipboard: the
// header's offsets count the bytes of the block.
std::string BrowserHtmlFormat(
    const std::string& head = "<title>Krak\u00F3w \u2013 Wikipedia</title>",
    const std::string& sourceUrl = "https://de.wikipedia.org/wiki/Krak%C3%B3w") {
  const std::string before = "<html><head>" + head + "</head><body>\r\n<!--StartFragment-->";
  const std::string fragment =
      "<h2><span class=\"mw-headline\" id=\"Geschichte\">Geschichte</span></h2>\n<p>Die Stadt "
      "<b>Krak\u00F3w</b> erhielt 1257 das <a href=\"/wiki/Magdeburger_Recht\" "
      "title=\"Magdeburger Recht\">Magdeburger Recht</a>.<sup class=\"reference\"><a "
      "href=\"#cite_note-1\">[1]</a></sup></p>\n<ul><li>Wawel</li><li>Rynek&nbsp;G\u0142\u00F3wny"
      "</li></ul>";
  return bench::HtmlFormatBlock(before, fragment, "<!--EndFragment-->\r\n</body>\r\n</html>",
                                sourceUrl);
}

const std::string kPassage =
    "## Geschichte\r\n\r\nDie Stadt **Krak\u00F3w** erhielt 1257 das "
    "[Magdeburger Recht](https://de.wikipedia.org/wiki/Magdeburger_Recht).[\\[1\\]]"
    "(https://de.wikipedia.org/wiki/Krak%C3%B3w#cite_note-1)\r\n\r\n- Wawel\r\n- Rynek "
    "G\u0142\u00F3wny\r\n";
// The copy's own address is its source; the browser's window tells the address of a copy
// that names none.
std::string NewNote(const std::string& source) {
  return "---\r\ntitle: \"Krak\u00F3w \u2013 Wikipedia\"\r\nsource: " + source +
         "\r\ncreated: <jetzt>\r\n---\r\n\r\n" + kPassage;
}
const std::string kNewNote = NewNote("https://de.wikipedia.org/wiki/Krak%C3%B3w");
const std::string kLaterEntry =
    "\r\n07.12.2026 10:00:00 \u00B7 [https://de.wikipedia.org/wiki/Krak%C3%B3w]"
    "(https://de.wikipedia.org/wiki/Krak%C3%B3w)\r\n\r\n" +
    kPassage;

struct NoteCase {
  const char* name;
  const char* aktion;
  std::map<std::string, std::string> files;  // "<jetzt>" for the local time of the save
};

class SaveNotes : public SaveWin, public ::testing::WithParamInterface<NoteCase> {};

// Twice the same copy: the front matter starts each new note, a later entry of the
// same file stands after the separator with its date and source.
TEST_P(SaveNotes, ABrowserCopyBecomesAMarkdownNoteWithItsFrontMatter) {
  Use(GetParam().aktion, "Markdown", true);
  clipboardHtml = BrowserHtmlFormat();
  for (int save = 0; save < 2; ++save) {
    Save(u"Geschichte\r\nDie Stadt Krak\u00F3w erhielt 1257 das Magdeburger Recht.[1]");
  }
  const std::regex created("created: \\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d");
  std::map<std::string, std::string> saved;
  for (const std::string& name : Files()) {
    saved[name] = std::regex_replace(Saved(name), created, "created: <jetzt>");
  }
  EXPECT_EQ(saved, GetParam().files);
  EXPECT_EQ(notices, std::vector<std::wstring>(2, GetParam().aktion[0] == 'd'
                                                      ? L"Notiz und Ordner wurden gespeichert!"
                                                      : L"Notiz wurde gespeichert!"));
}

// A text or a document names the page of its own copy too, not the one that the browser
// in front shows by the time of the save.
TEST_F(SaveWin, TextAndDocumentsTakeTheAddressThatTheirCopyNames) {
  clipboardHtml = BrowserHtmlFormat();
  for (const auto& [format, file] : {std::pair{"Text", "Notiz.txt"}, {"HTML", "Notiz.html"}}) {
    Use("extradatei", format, true);
    Save(u"Geschichte");
    const std::string saved = Saved(file);
    EXPECT_NE(saved.find("https://de.wikipedia.org/wiki/Krak%C3%B3w"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("quelle.example"), std::string::npos) << saved;
  }
}

// Browsers of today put no title into the copy, and office programs no address: the
// browser window gives what the copy does not name.
TEST_F(SaveWin, ANoteTakesTitleAndAddressFromTheBrowserWindowWhenTheCopyNamesNeither) {
  Use("extradatei", "Markdown", true);
  clipboardHtml =
      BrowserHtmlFormat("<base href=\"https://de.wikipedia.org/wiki/Krak%C3%B3w\">", "");
  browserTitle = "Krak\u00F3w \u2013 Wikipedia";
  Save(u"Geschichte");
  const std::regex created("created: [^\r]*");
  EXPECT_EQ(std::regex_replace(Saved("Notiz.md"), created, "created: <jetzt>"),
            NewNote("http://quelle.example/?a=1&b=2"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveNotes,
    ::testing::Values(
        NoteCase{"numbered", "extradatei", {{"Notiz.md", kNewNote}, {"Notiz1.md", kNewNote}}},
        NoteCase{
            "same_file", "gleichedatei", {{"Notiz.md", kNewNote + "\r\n-----\r\n" + kLaterEntry}}},
        NoteCase{
            "folder",
            "dateiundordner2",
            {{"Geschichte Die\\Notiz.md", kNewNote}, {"Geschichte Die\\Notiz1.md", kNewNote}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct WarningCase {
  const char* aktion;
  std::vector<std::string> texts;
  const wchar_t* title;
  std::vector<std::string> files;
};

class SaveWarnings : public SaveWin,
                     public ::testing::WithParamInterface<std::tuple<WarningCase, Mode>> {};

TEST_P(SaveWarnings, AreShownUnlessSuppressedInAutomaticModeAndTheSaveGoesOn) {
  const auto& [row, mode] = GetParam();
  SetMode(mode);
  Use(row.aktion);
  for (const std::string& text : row.texts) Save(text);
  EXPECT_EQ(messages.shown.size(), mode == Mode::AutomaticSuppressed ? 0u : 1u);
  for (const MessageRequest& shown : messages.shown) EXPECT_EQ(shown.title, row.title);
  EXPECT_EQ(Files(), row.files);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveWarnings,
    ::testing::Combine(
        ::testing::Values(
            WarningCase("extradatei2", {"Hallo Welt eins", "Hallo Welt zwei"},
                        L"Datei existiert schon", {"Hallo Welt.txt", "Hallo Welt1.txt"}),
            WarningCase("dateiundordner2", {"Hallo Welt eins", "Hallo Welt zwei"}, L"Quillmar 2.0",
                        {"Hallo Welt\\Notiz.txt", "Hallo Welt\\Notiz1.txt"}),
            WarningCase("bilder", {"C:\\fehlt\\kein Bild.jpg"}, L"Keine Bilddatei", {})),
        ::testing::Values(Mode::ByHand, Mode::Automatic, Mode::AutomaticSuppressed)));

struct FailureCase {
  const char* name;
  const char* aktion;
  const char* format;
  const char16_t* text;
  const wchar_t* textPart;         // of the message, which tells this failure from the others
  const char* existing = nullptr;  // this file, held open with `share` during the save
  DWORD share = FILE_SHARE_READ;
  const wchar_t* pictureFailure = nullptr;  // the encoder's, for a picture on the clipboard
  // This file, put there by another program once the save has chosen it as its new file.
  const char* appears = nullptr;
};

class SaveFailures : public SaveWin, public ::testing::WithParamInterface<FailureCase> {};

// Failures are reported even when automatic mode suppresses warnings, and leave every
// file as it was.
TEST_P(SaveFailures, AreReportedAndChangeNothing) {
  const FailureCase& row = GetParam();
  SetMode(Mode::AutomaticSuppressed);
  // The cut front of a longer path is an existing folder here: the save must not go there.
  const std::string cut = folder / std::string(125 - folder.Path().size(), 'c');
  CreateDirectoryA(cut.c_str(), nullptr);
  const std::string name = row.name;
  Use(row.aktion, row.format, row.appears != nullptr,
      name == "missing_folder" ? folder / "fehlt"
      : name == "cut_folder"   ? cut
                               : "");
  const std::string old = "<p>alt</p>\r\n";
  std::optional<FileLock> lock;
  if (row.existing) {
    WriteFileBytes(target + "\\" + row.existing, old);
    lock.emplace(target + "\\" + row.existing, row.share);
  }
  if (row.aktion == std::string("bilder") && row.existing) {
    clipboardFile = target + "\\" + row.existing;
  }
  if (row.pictureFailure) picture.failure = row.pictureFailure;
  if (row.appears) addressAsked = [&] { WriteFileBytes(target + "\\" + row.appears, old); };
  if (name == "held_clipboard") access = ClipboardAccess::Held;
  Save(row.text);
  lock.reset();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(row.textPart), std::wstring::npos)
      << messages.shown[0].text.c_str();
  EXPECT_TRUE(notices.empty());
  if (const char* kept = row.existing ? row.existing : row.appears) {
    EXPECT_EQ(Files(), std::vector<std::string>{kept});
    EXPECT_EQ(Saved(kept), old);
  } else {
    EXPECT_TRUE(Files().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveFailures,
    ::testing::Values(
        FailureCase("missing_folder", "extradatei", "Text", u"Text",
                    L"Speicherort nicht existiert"),
        FailureCase("cut_folder", "extradatei", "Text", u"Text", L"vermutlich abgeschnitten"),
        FailureCase("empty_clipboard", "extradatei", "Text", u"", L"nichts in der Zwischenablage"),
        FailureCase("held_clipboard", "extradatei", "Text", u"Text", L"anderes Programm"),
        FailureCase("locked_append", "gleichedatei", "Text", u"Text", L"unverändert", "Notiz.txt"),
        FailureCase("locked_read", "gleichedatei", "HTML", u"Text", L"nicht gelesen", "Notiz.html",
                    0),
        FailureCase("locked_replace", "gleichedatei", "HTML", u"Text", L"nicht in die Datei",
                    "Notiz.html"),
        FailureCase("locked_conversion", "gleichedatei", "Text", u"Łódź", L"nicht in die Datei",
                    "Notiz.txt", FILE_SHARE_READ | FILE_SHARE_WRITE),
        FailureCase("locked_image", "bilder", "Text", u"", L"konnte nicht als", "Foto.jpg", 0),
        FailureCase("picture_not_encoded", "bilder", "Text", u"",
                    L"Das Bild aus der Zwischenablage", nullptr, 0, L"Grund"),
        FailureCase("text_target_taken_meanwhile", "extradatei", "Text", u"Text",
                    L"nicht in die Datei", nullptr, 0, nullptr, "Notiz.txt"),
        FailureCase("html_target_taken_meanwhile", "extradatei", "HTML", u"Text",
                    L"nicht in die Datei", nullptr, 0, nullptr, "Notiz.html"),
        FailureCase("note_target_taken_meanwhile", "extradatei", "Markdown", u"Text",
                    L"nicht in die Datei", nullptr, 0, nullptr, "Notiz.md")),
    [](const auto& info) { return std::string(info.param.name); });

struct HeldCase {
  const char* name;
  const char* format;
  DWORD share;  // how the other program holds the file
  std::string after;
};

class SaveWhileHeld : public SaveWin, public ::testing::WithParamInterface<HeldCase> {};

// A file that another program holds open for a moment (a sync tool uploading the note
// saved before, a virus scanner) is written once it lets go, and the user hears nothing.
TEST_P(SaveWhileHeld, WaitsUntilTheOtherProgramLetsGo) {
  const HeldCase& row = GetParam();
  const std::string file = FileOfTheFormat(row.format);
  Use("gleichedatei", row.format);
  WriteFileBytes(target + "\\" + file, "alt\r\n");
  {
    HeldForAMoment held(target + "\\" + file, row.share);
    Save(u"neu");
  }
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Saved(file), row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveWhileHeld,
    ::testing::Values(
        HeldCase("text_opened_for_reading_alone", "Text", FILE_SHARE_READ, "alt\r\nneu" + kEnd),
        HeldCase("document_opened_without_sharing", "HTML", 0,
                 U8(kDocumentHead) + "alt\r\n\r\nneu<BR>\r\n\r\n\r\n<br>-----<br><br>\r\n" +
                     U8(kDocumentEnd)),
        HeldCase("note_opened_with_every_sharing", "Markdown",
                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                 "alt\r\n\r\n-----\r\n\r\nneu\r\n")),
    [](const auto& info) { return std::string(info.param.name); });

// An image file named on the clipboard wins over a picture there; each keeps its name
// (the picture takes the action's Dateiname), numbered when taken.
TEST_F(SaveWin, ImageFilesAreCopiedElsePicturesSavedAsPngUnderTheirNamesNumbered) {
  Use("bilder");
  const std::string photo = folder / "Foto 1.jpg";
  WriteFileBytes(photo, std::string("\xFF\xD8\0jpg", 6));
  Save(photo);
  picture.png = "PNG-Bytes";
  Save("file:///" + photo);
  Save("kein Bild");
  Save("");
  EXPECT_EQ(Files(),
            (std::vector<std::string>{"Foto 1.jpg", "Foto 11.jpg", "Notiz.png", "Notiz1.png"}));
  EXPECT_EQ(Saved("Foto 11.jpg"), ReadFileBytes(photo));
  EXPECT_EQ(Saved("Notiz1.png"), "PNG-Bytes");
  EXPECT_EQ(notices, std::vector<std::wstring>(4, L"Bild wurde gespeichert!"));
}

// "Zwischenablage hier speichern" follows the Standard action into the folder it is given;
// a clipboard without text becomes a picture whatever that action's method; a missing
// folder is told as for an action; without a Standard action nothing is saved.
TEST_F(SaveWin, SaveHereFollowsTheStandardActionIntoTheFolderAndAPictureBecomesAPng) {
  Use("gleichedatei");
  const std::string here = folder / "Hier";
  ASSERT_TRUE(CreateDirectoryA(here.c_str(), nullptr));
  SaveContext context{actions, options, settings, files, *this, messages, *this};
  clipboard = KeptText{"eins", {}};
  SpeichernHier(here, context);
  settings.Write(ActionSection(1), "Name", "Test (Standard)");
  actions.Refresh(settings);
  SpeichernHier(here, context);
  clipboard = {};
  picture.png = "PNG-Bytes";
  SpeichernHier(here, context);
  SpeichernHier(folder / "fehlt", context);
  EXPECT_EQ(FolderEntries(here), (std::vector<std::string>{"Notiz.png", "Notiz.txt"}));
  EXPECT_EQ(ReadFileBytes(here + "\\Notiz.txt"), "eins" + kEnd);
  EXPECT_EQ(ReadFileBytes(here + "\\Notiz.png"), "PNG-Bytes");
  EXPECT_TRUE(Files().empty());
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].title, L"Keine Standardaktion");
  EXPECT_EQ(messages.shown[1].title, L"Speicherort nicht vorhanden!");
}

// Hostile first words, without the Zeichen list: the name cleaning alone keeps names
// usable, so each text lands in one new entry of the target that reads back whole.
TEST_F(SaveWin, HostileFirstWordsStillGiveOneUsableEntryForBothNameMethods) {
  settings.Write("Zeichen", "Zeichen", "");
  for (const char* aktion : {"extradatei9", "dateiundordner9"}) {
    Use(aktion);
    for (const std::string& text : {"CON"s, "aux.txt nul"s, "a:b*c?\"<>|"s, "..\\..\\x"s,
                                    "COM1 . "s, std::string(300, 'w'), "\r\n\r\n\n"s}) {
      SCOPED_TRACE(std::string(aktion) + ": " + text);
      const auto before = FolderEntries(target);
      Save(text);
      const auto after = FolderEntries(target);
      ASSERT_EQ(after.size(), before.size() + 1);
      const std::string added = *std::mismatch(before.begin(), before.end(), after.begin()).second;
      const std::string file = aktion[0] == 'e' ? added : added + "\\Notiz.txt";
      EXPECT_LE(target.size() + 1 + file.size(), 259u);
      EXPECT_EQ(Saved(file), text + "\r\n");
    }
  }
  EXPECT_EQ(FolderEntries(folder.Path()), (std::vector<std::string>{"Ziel"}));
  EXPECT_TRUE(messages.shown.empty());
}

// Whether another program could open the clipboard now.
bool ClipboardFree() {
  bool free = false;
  std::thread([&free] { free = OpenClipboard(nullptr) && CloseClipboard(); }).join();
  return free;
}

// A box and files that note whether another program could use the clipboard while the
// box is up and while the save writes.
struct BoxNotingTheClipboard : RecordingMessageBoxes {
  void Show(const MessageRequest& request) override {
    held |= !ClipboardFree();
    RecordingMessageBoxes::Show(request);
  }
  bool held = false;
};

struct FilesNotingTheClipboard : WinSaveFiles {
  AppendResult AppendEntry(const std::wstring& path, const TextEntry& entry, TextEncoding encoding,
                           bool newFileOnly) override {
    held |= !ClipboardFree();
    return WinSaveFiles::AppendEntry(path, entry, encoding, newFileOnly);
  }
  std::optional<std::wstring> WriteNewFile(const std::wstring& path,
                                           std::string_view bytes) override {
    held |= !ClipboardFree();
    return WinSaveFiles::WriteNewFile(path, bytes);
  }
  std::optional<std::wstring> ReplaceWholeFile(const std::wstring& path,
                                               std::span<const std::string_view> pieces) override {
    held |= !ClipboardFree();
    return WinSaveFiles::ReplaceWholeFile(path, pieces);
  }
  bool held = false;
};

// What other programs put on the clipboard, read by the program's own sources: letters
// the code page lacks keep the name whole and reach the document as references. The
// clipboard is free for other programs while a save writes a document, a text or a
// picture, and while a warning waits. A browser's copy names its page.
TEST_F(SaveWin, TheRealClipboardKeepsForeignLettersAndIsFreeWhileASaveWritesOrWarns) {
  const HWND owner =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ClipboardReader reader;
  WinSaveSources real{reader, [] { return false; }};
  BoxNotingTheClipboard boxes;
  FilesNotingTheClipboard noting;
  SaveContext context{actions, options, settings, noting, real, boxes, *this};
  const std::u16string copied =
      u"\u0141\u00F3d\u017A \u2192 Krak\u00F3w \U0001F600\r\n"
      u"http://\u0142\u00F3d\u017A.pl/\u017C";
  SetClipboardUnicode(copied);
  Use("extradatei3", "HTML");
  Speichern(1, context);
  // \363 is the o with acute accent of code page 1252. How a link takes such letters the
  // native document table pins; here the name's and the text's letters must reach the
  // title and the body at all.
  const std::string title = "&#321;\363d&#378; &#8594; Krak\363w";
  EXPECT_EQ(Files(), std::vector<std::string>{"Łódź → Kraków.html"});
  const std::string document = Saved("Łódź → Kraków.html");
  EXPECT_NE(document.find("<TITLE>" + title + "</TITLE>"), std::string::npos);
  EXPECT_NE(document.find(">\r\n" + title + " &#128512;<BR>\r\n"), std::string::npos);
  SetClipboardText("Gleich");
  Use("extradatei1");
  for (int save = 0; save < 2; ++save) Speichern(1, context);
  EXPECT_EQ(Saved("Gleich1.txt"), "Gleich\r\n");
  BITMAPINFOHEADER header{sizeof header, 1, 1, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  SetClipboard(
      {{CF_DIB, std::string(reinterpret_cast<const char*>(&header), sizeof header) + "\1\2\3\0"s}});
  Use("bilder");
  Speichern(1, context);
  EXPECT_EQ(Files().size(), 4u) << "the picture was not saved";
  SetClipboard(
      {{CF_TEXT, "Quelle\0"s},
       {RegisterClipboardFormatA("HTML Format"), BrowserHtmlFormat("", "https://ex.org/seite")}});
  Use("extradatei", "Text", true);
  Speichern(1, context);
  EXPECT_NE(Saved("Notiz.txt").find("\r\nhttps://ex.org/seite\r\n"), std::string::npos);
  EXPECT_FALSE(boxes.held) << "a warning waited with the clipboard held";
  EXPECT_FALSE(noting.held) << "a save wrote with the clipboard held";
  DestroyWindow(owner);
}

TEST_F(SaveWin, AccessOpensTheSavedFileOrItsFolderOrSaysWhy) {
  const struct {
    const char* aktion;
    bool direct;
    bool fileSaved;
    std::string opened;   // empty when nothing opens
    const wchar_t* hint;  // a part of the note, or empty when none is shown
    std::string path = "";
  } rows[] = {{"gleichedatei", true, true, target + "\\Notiz.txt", L""},
              {"gleichedatei", true, false, "", L"Datei noch nicht existiert"},
              {"gleichedatei", false, true, target + "\\", L""},
              {"extradatei2", true, true, target + "\\", L""},
              {"gleichedatei", false, false, "", L"Speicherort", folder / "fehlt"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.aktion) + (row.direct ? " direkt" : " Verzeichnis"));
    Use(row.aktion, "Text", false, row.path);
    DeleteFileA((target + "\\Notiz.txt").c_str());
    if (row.fileSaved) WriteFileBytes(target + "\\Notiz.txt", "x");
    options.optDirekt = row.direct;
    messages.shown.clear();
    opened.clear();
    AccessContext context{actions, options, files, messages, *this};
    Menueklick2(0, context);
    EXPECT_EQ(opened, row.opened);
    EXPECT_EQ(messages.shown.size(), *row.hint ? 1u : 0u);
    for (const MessageRequest& shown : messages.shown) {
      EXPECT_NE(shown.text.find(row.hint), std::wstring::npos);
    }
  }
}

}  // namespace
}  // namespace qm
