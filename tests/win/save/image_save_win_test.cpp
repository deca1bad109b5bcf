// The image method end to end: the real file adapter copies real files, the clipboard
// is filled by another process (a file-drop list or a file address as text), the
// action comes from a real settings file; message boxes and notices are recorded.
#include <gtest/gtest.h>

#include "save/save_adapters_win.h"
#include "save/speichern.h"
#include "settings/settings_file_win.h"
#include "tests/win/support/clipboard_helper.h"
#include "tests/support/save_recorders.h"
#include "tests/win/support/test_files.h"

namespace qm {
namespace {

using test::FolderEntries;
using test::ReadFileBytes;
using test::WriteFileBytes;

const NoticeRequest kImageNotice{L"Bild wurde gespeichert!", 12, 320, 1500};

// Bytes of every value, longer than one buffer of a file copy, so that a copy that
// translates line ends, stops at a zero or drops a block shows.
std::string ImageBytes() {
  std::string bytes;
  for (int i = 0; i < 200000; ++i) bytes += static_cast<char>((i * 7919 + i / 256) & 0xFF);
  return bytes;
}

// Another handle that shares nothing: no other program can open the file meanwhile,
// although its name and length can still be read.
class ExclusiveOpen {
 public:
  explicit ExclusiveOpen(const std::string& path)
      : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {
    EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << path << ": " << GetLastError();
  }
  ~ExclusiveOpen() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  ExclusiveOpen(const ExclusiveOpen&) = delete;
  ExclusiveOpen& operator=(const ExclusiveOpen&) = delete;

 private:
  HANDLE handle_;
};

// Action 1 copies images into `target`; `pictures` holds Foto.jpg.
class ImageSaveWin : public ::testing::Test {
 protected:
  ImageSaveWin() {
    for (const std::string& made : {target, pictures}) {
      EXPECT_TRUE(CreateDirectoryA(made.c_str(), nullptr)) << made << ": " << GetLastError();
    }
    WriteFileBytes(photo, bytes);
    const std::pair<const char*, std::string> keys[] = {
        {"Aktiviert", "ja"},      {"Name", "Bilder"},   {"Dateiname", "unbenutzt"},
        {"Speicherpfad", target}, {"Aktion", "bilder"}, {"Format", "Text"},
        {"URL", "nein"},          {"Datum", "nein"}};
    for (const auto& [key, value] : keys) settings.Write(ActionSection(1), key, value);
    actions.Refresh(settings);
    options.txtSpeicherzeit = "1500";
  }

  void Save() {
    WinSaveFiles files;
    WinSaveSources sources(nullptr, [] { return false; });
    SaveContext context{actions, options, settings, files, sources, messages, signals};
    Speichern(1, context);
  }

  void ExpectNothingSaved() const {
    EXPECT_TRUE(FolderEntries(target).empty());
    EXPECT_TRUE(signals.notices.empty());
  }

  test::ScratchFolder folder;
  const std::string target = folder / "Ziel";
  const std::string pictures = folder / "Meine Bilder";
  const std::string photo = pictures + "\\Foto.jpg";
  const std::string bytes = ImageBytes();
  const test::ProgramSettingsFile settingsFile{""};
  ProfileSettings settings;
  ActionCache actions;
  CurrentOptions options;
  test::RecordingMessageBoxes messages;
  test::RecordingSignals signals;
};

TEST_F(ImageSaveWin, DroppedFileCopiedTwiceGivesANumberedSecondCopy) {
  test::SetClipboardFiles({photo});
  Save();
  Save();
  EXPECT_EQ(FolderEntries(target), (std::vector<std::string>{"Foto.jpg", "Foto1.jpg"}));
  EXPECT_EQ(ReadFileBytes(target + "\\Foto.jpg"), bytes);
  EXPECT_EQ(ReadFileBytes(target + "\\Foto1.jpg"), bytes);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(signals.notices, std::vector<NoticeRequest>(2, kImageNotice));
}

TEST_F(ImageSaveWin, SourceThatCannotBeReadIsReportedWithoutANotice) {
  test::SetClipboardFiles({photo});
  {
    const ExclusiveOpen lock(photo);
    Save();
  }
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, L"Speichern fehlgeschlagen");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
  EXPECT_NE(messages.shown[0].text.find(L"Foto.jpg"), std::wstring::npos)
      << messages.shown[0].text.c_str();
  ExpectNothingSaved();
}

class WinCopyFileTo : public ::testing::Test {
 protected:
  test::ScratchFolder folder;
  WinSaveFiles files;
  const std::string source = folder / "Quelle.png";
  const std::string target = folder / "Ziel.png";
};

TEST_F(WinCopyFileTo, NeverReplacesAnExistingFile) {
  WriteFileBytes(source, "neu");
  WriteFileBytes(target, "alt");
  const auto reason = files.CopyFileTo(source, target);
  ASSERT_TRUE(reason.has_value());
  EXPECT_NE(reason->find(L"(Fehler 80)"), std::wstring::npos) << reason->c_str();
  EXPECT_EQ(ReadFileBytes(target), "alt");
}

TEST_F(WinCopyFileTo, MissingSourceGivesTheReason) {
  const auto reason = files.CopyFileTo(source, target);
  ASSERT_TRUE(reason.has_value());
  EXPECT_NE(reason->find(L"(Fehler 2)"), std::wstring::npos) << reason->c_str();
  EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

}  // namespace
}  // namespace qm
