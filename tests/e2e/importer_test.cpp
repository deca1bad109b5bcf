// einstellungen.exe from a fresh program folder: its start message, the file choice,
// an import into the folder's settings file, and the main program, which the importer
// ends before it writes and starts again when its window closes.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "settings/file_helpers_win.h"
#include "settings/settings_file_win.h"
#include "tests/e2e/support/desktop.h"
#include "tests/e2e/support/scenario.h"
#include "tests/e2e/support/wait.h"
#include "ui/main_program_link.h"

namespace qm::e2e {

namespace {

constexpr int kFileNameField = 0x480;     // edt1 of the open-file dialog
constexpr int kFileNameCombo = 0x47C;     // cmb13, where the dialog has that instead
constexpr char kGone[] = "C:\\Gibt es nicht";

HWND WaitForBox(DWORD processId, const wchar_t* title) {
  return WaitForVisibleWindow(processId, L"#32770", title, kPatienceMs);
}

// A click that returns at once: the importer answers some clicks with a modal box.
void Click(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// The main program that the importer started from `folder`, asked to end as the
// importer asks it; fails when none was started.
void EndRestartedMainProgram() {
  HWND resident = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (resident = FindWindowW(kResidentWindowClass, nullptr)) != nullptr; }))
      << "the importer did not start Quillmar2.0.exe";
  DWORD processId = 0;
  GetWindowThreadProcessId(resident, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  PostMessageW(resident, RegisterWindowMessageW(kQuitRequestMessage), 0, 0);
  EXPECT_EQ(WaitForSingleObject(process, kPatienceMs), WAIT_OBJECT_0) << "the quit request was ignored";
  CloseHandle(process);
}

class ImporterScenario : public ResidentScenario {
 protected:
  void SetUp() override {
    ResidentScenario::SetUp();
    oldFile_ = folder_.SaveFolder() + "\\einstellungen.ini";
    for (const auto& [section, key, value] :
         {std::tuple{"Optionen", "Speicherzeit", "4321"}, {"Optionen", "URL", "ja"},
          {"Start", "Speicherpfad", kGone}, {"Start", "Aktion", "gleichedatei"},
          {"Aktion1", "Aktiviert", "ja"}, {"Aktion1", "Name", "Alt"},
          {"Aktion1", "Speicherpfad", folder_.SaveFolder().c_str()}}) {
      WriteSetting(section, key, value, oldFile_);
    }
  }
  ~ImporterScenario() override {
    if (importer_.hProcess) {
      TerminateProcess(importer_.hProcess, 1);
      CloseHandle(importer_.hProcess);
      CloseHandle(importer_.hThread);
    }
  }

  // Starts einstellungen.exe and answers its start message; returns its window.
  HWND StartImporter() {
    const std::string program = folder_.Path() + "\\einstellungen.exe";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + program + "\"";
    EXPECT_TRUE(CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, "C:\\", &startup, &importer_)) << GetLastError();
    HWND start = WaitForBox(importer_.dwProcessId, L"Quillmar 2.0 beenden!");
    if (!start) return nullptr;
    EXPECT_EQ(FindProcessWindow(importer_.dwProcessId, nullptr, L"Alte Einstellungen übernehmen"),
              nullptr) << "the window exists before the start message is answered";
    AnswerMessageBox(start, IDOK);
    return WaitForVisibleWindow(importer_.dwProcessId, L"#32770", L"Alte Einstellungen übernehmen", kPatienceMs);
  }

  HWND StartImportOfOldFile() {
    HWND window = StartImporter();
    if (window) {
      SetDlgItemTextA(window, 101, oldFile_.c_str());
      Click(window, 104);  // "Einlesen"
    }
    return window;
  }

  bool ImporterEnds() { return WaitForSingleObject(importer_.hProcess, kPatienceMs) == WAIT_OBJECT_0; }

  std::string oldFile_;
  PROCESS_INFORMATION importer_{};
};

TEST_F(ImporterScenario, ClosingTheWindowWithoutImportStartsTheMainProgram) {
  HWND window = StartImporter();
  ASSERT_NE(window, nullptr);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(ImporterEnds());
  EndRestartedMainProgram();
}

TEST_F(ImporterScenario, AChosenFileOfAnotherNameIsRefused) {
  HWND window = StartImporter();
  ASSERT_NE(window, nullptr);
  Click(window, 102);  // "Öffnen..."
  HWND dialog = WaitForBox(importer_.dwProcessId, L"Einstellungsdatei öffnen");
  ASSERT_NE(dialog, nullptr);
  const std::string other = folder_.SettingsFile();
  HWND field = GetDlgItem(dialog, kFileNameField) ? GetDlgItem(dialog, kFileNameField) : GetDlgItem(dialog, kFileNameCombo);
  SetWindowTextA(field, other.c_str());
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  HWND refusal = WaitForBox(importer_.dwProcessId, L"Falsche Datei!");
  ASSERT_NE(refusal, nullptr);
  AnswerMessageBox(refusal, IDOK);
  wchar_t path[MAX_PATH] = {};
  GetDlgItemTextW(window, 101, path, MAX_PATH);
  EXPECT_STREQ(path, L"");
}

TEST_F(ImporterScenario, ImportEndsTheRunningMainProgramAndListsTheMissingFolder) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ASSERT_NE(StartImportOfOldFile(), nullptr);
  HWND question = WaitForBox(importer_.dwProcessId, L"Quillmar 2.0 beenden?");
  ASSERT_NE(question, nullptr);
  AnswerMessageBox(question, IDYES);
  EXPECT_EQ(program_->WaitForExit(kPatienceMs), std::optional<DWORD>(0));
  HWND report = WaitForBox(importer_.dwProcessId, L"Einstellungen größtenteils erfolgreich übernommen");
  ASSERT_NE(report, nullptr);
  wchar_t text[2048] = {};
  GetDlgItemTextW(report, 0xFFFF, text, 2048);
  EXPECT_NE(std::wstring(text).find(L"AlteHauptaktion:" + std::wstring(35, L' ') + L"C:\\Gibt es nicht"), std::wstring::npos);
  AnswerMessageBox(report, IDOK);
  EXPECT_TRUE(ImporterEnds());
  std::string substitute = SpecialFolder(kDesktopFolder, false);
  substitute[0] = 'c';
  EXPECT_EQ(folder_.Get("Optionen", "Speicherzeit"), "4321");
  EXPECT_EQ(folder_.Get("Aktion3", "Name"), "AlteHauptaktion");
  EXPECT_EQ(folder_.Get("Aktion3", "Speicherpfad"), substitute);
  EXPECT_EQ(folder_.Get("Aktion5", "Name"), "Alt");
  EndRestartedMainProgram();
}

TEST_F(ImporterScenario, AMainProgramTheUserKeepsRunningMeansNoImport) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ASSERT_NE(StartImportOfOldFile(), nullptr);
  HWND question = WaitForBox(importer_.dwProcessId, L"Quillmar 2.0 beenden?");
  ASSERT_NE(question, nullptr);
  AnswerMessageBox(question, IDNO);
  EXPECT_FALSE(program_->WaitForExit(1000).has_value());
  EXPECT_EQ(folder_.Get("Aktion3", "Name"), "Drittens");
  EXPECT_NE(folder_.Get("Optionen", "Speicherzeit"), "4321");
}

}  // namespace

}  // namespace qm::e2e
