// The access to saved targets on real folders: Menüklick2 decides with the real file
// adapter (what a save under Wine has written), the shell is recorded; and the real
// shell adapter opens a harmless script that reports where it ran.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "save/access.h"
#include "save/save_adapters_win.h"
#include "save/shell_opener_win.h"
#include "settings/settings_file_win.h"
#include "tests/support/save_recorders.h"
#include "tests/win/support/test_files.h"

namespace qm {
namespace {

using test::WriteFileBytes;

class RecordingShell : public ShellOpener {
 public:
  std::optional<std::wstring> Open(const std::string& path,
                                   const std::string& workingFolder) override {
    opened.emplace_back(path, workingFolder);
    return std::nullopt;
  }
  std::vector<std::pair<std::string, std::string>> opened;
};

// Action 1 saves "gleichedatei" into `target` as Notiz.txt; access mode "Direkt".
class AccessWin : public ::testing::Test {
 protected:
  AccessWin() {
    EXPECT_TRUE(CreateDirectoryA(target.c_str(), nullptr)) << GetLastError();
    const std::pair<const char*, std::string> keys[] = {
        {"Aktiviert", "ja"},      {"Name", "Notizen"},        {"Dateiname", "Notiz"},
        {"Speicherpfad", target}, {"Aktion", "gleichedatei"}, {"Format", "Text"}};
    for (const auto& [key, value] : keys) settings.Write(ActionSection(1), key, value);
    actions.Refresh(settings);
    options.optDirekt = true;
  }

  void Pick() {
    WinSaveFiles files;
    AccessContext context{actions, options, files, messages, shell};
    Menüklick2(0, context);
  }

  test::ScratchFolder folder;
  const std::string target = folder / "Ziel";
  const std::string file = target + "\\Notiz.txt";
  const test::ProgramSettingsFile settingsFile{""};
  ProfileSettings settings;
  ActionCache actions;
  CurrentOptions options;
  test::RecordingMessageBoxes messages;
  RecordingShell shell;
};

TEST_F(AccessWin, DirectModeOpensTheSavedFileAndSaysWhenItIsGone) {
  WriteFileBytes(file, "");
  Pick();
  ASSERT_TRUE(DeleteFileA(file.c_str())) << GetLastError();
  Pick();
  using Opened = std::pair<std::string, std::string>;
  EXPECT_EQ(shell.opened, (std::vector<Opened>{{file, "C:\\"}}));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, L"Hinweis");
}

TEST_F(AccessWin, FolderModeOpensTheFolderOnlyWhileItExists) {
  options.optDirekt = false;
  Pick();
  ASSERT_TRUE(RemoveDirectoryA(target.c_str())) << GetLastError();
  Pick();
  using Opened = std::pair<std::string, std::string>;
  EXPECT_EQ(shell.opened, (std::vector<Opened>{{target + "\\", "C:\\"}}));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, L"Hinweis");
  ASSERT_TRUE(CreateDirectoryA(target.c_str(), nullptr)) << GetLastError();
}

// Generous: only keeps a shell that never starts the script from hanging the run.
constexpr DWORD kScriptTimeoutMs = 10000;

// Waits until the file exists and holds at least one line.
bool WaitForLine(const std::string& path) {
  for (DWORD waited = 0; waited < kScriptTimeoutMs; waited += 50) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      char buffer[512];
      DWORD got = 0;
      const bool line = ReadFile(file, buffer, sizeof buffer, &got, nullptr) &&
                        std::string(buffer, got).find('\n') != std::string::npos;
      CloseHandle(file);
      if (line) return true;
    }
    Sleep(50);
  }
  return false;
}

// The shell's process may still hold the file for a moment after it has done its work.
void DeleteOnceReleased(const std::string& path) {
  for (DWORD waited = 0; !DeleteFileA(path.c_str()); waited += 50) {
    ASSERT_LT(waited, kScriptTimeoutMs) << path << ": " << GetLastError();
    Sleep(50);
  }
}

// A script ends by itself, so opening it leaves no window or process behind (a folder
// or a document would open a file manager or an editor that stays).
TEST(WinShellOpener, OpensThroughTheShellInTheGivenWorkingFolder) {
  const test::ScratchFolder folder;
  const std::string script = folder / "wo.cmd";
  const std::string report = folder / "wo.txt";
  WriteFileBytes(script, "@cd > \"" + report + "\"\r\n");
  WinShellOpener shell(nullptr);
  ASSERT_EQ(shell.Open(script, "C:\\"), std::nullopt);
  ASSERT_TRUE(WaitForLine(report)) << "the script did not run";
  EXPECT_EQ(test::ReadFileBytes(report), "C:\\\r\n");
  DeleteOnceReleased(report);
  DeleteOnceReleased(script);
}

TEST(WinShellOpener, MissingFileGivesTheReason) {
  const test::ScratchFolder folder;
  WinShellOpener shell(nullptr);
  const auto reason = shell.Open(folder / "fehlt.txt", "C:\\");
  ASSERT_TRUE(reason.has_value());
  EXPECT_NE(reason->find(L"(Fehler 2)"), std::wstring::npos) << reason->c_str();
}

}  // namespace
}  // namespace qm
