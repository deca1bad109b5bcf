// einstellungen.exe from a fresh program folder: its start message, the file choice,
// an import into the folder's settings file, and the main program, which the importer
// ends before it writes and starts again when its window closes.
#include "settings/file_helpers_win.h"
#include "tests/e2e/scenario.h"
#include "ui/main_program_link.h"

namespace qm::e2e {
namespace {

constexpr int kFileNameField = 0x480;  // edt1 of the open-file dialog
constexpr int kFileNameCombo = 0x47C;  // cmb13, where the dialog has that instead
constexpr wchar_t kWindowTitle[] = L"Alte Einstellungen übernehmen";

// A click that returns at once: the importer answers some clicks with a modal box.
void Click(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

class ImporterScenario : public Scenario {
 protected:
  ImporterScenario() {
    for (const auto& [section, key, value] : {std::tuple{"Optionen", "Speicherzeit", "4321"},
                                              {"Optionen", "URL", "ja"},
                                              {"Start", "Speicherpfad", "C:\\Gibt es nicht"},
                                              {"Start", "Aktion", "gleichedatei"},
                                              {"Aktion1", "Aktiviert", "ja"},
                                              {"Aktion1", "Name", "Alt"},
                                              {"Aktion1", "Speicherpfad", saveFolder_.c_str()}}) {
      WriteSetting(section, key, value, oldFile_);
    }
  }
  ~ImporterScenario() override {
    if (!importer_) return;
    TerminateProcess(importer_, 1);
    CloseHandle(importer_);
  }

  HWND Box(const wchar_t* title) const {
    return test::WaitForWindow(importerId_, L"#32770", title);
  }

  void Answer(const wchar_t* title, WORD button) const {
    HWND box = Box(title);
    ASSERT_NE(box, nullptr) << "no box";
    PostMessageW(box, WM_COMMAND, button, 0);
  }

  // Starts einstellungen.exe and answers its start message; its window, or null.
  HWND StartImporter() {
    importer_ = test::StartProcess("\"" + program_ + "\\einstellungen.exe\"", "C:\\", &importerId_);
    Answer(L"Quillmar 2.0 beenden!", IDOK);
    return Box(kWindowTitle);
  }

  HWND StartImportOfOldFile() {
    HWND window = StartImporter();
    if (window) {
      SetDlgItemTextA(window, 101, oldFile_.c_str());
      Click(window, 104);  // "Einlesen"
    }
    return window;
  }

  bool ImporterEnds() const {
    return WaitForSingleObject(importer_, test::kPatienceMs) == WAIT_OBJECT_0;
  }

  // The main program the importer started from the folder, asked to end as the importer
  // asks it; fails when none was started.
  void EndRestartedMainProgram() const {
    HWND resident = nullptr;
    ASSERT_TRUE(test::PumpUntil([&] {
      return (resident = FindWindowW(kResidentWindowClass, nullptr));
    })) << "the importer did not start Quillmar2.0.exe";
    DWORD processId = 0;
    GetWindowThreadProcessId(resident, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageW(resident, RegisterWindowMessageW(kQuitRequestMessage), 0, 0);
    EXPECT_EQ(WaitForSingleObject(process, test::kPatienceMs), WAIT_OBJECT_0)
        << "the quit request was ignored";
    CloseHandle(process);
  }

  const std::string oldFile_ = saveFolder_ + "\\einstellungen.ini";
  HANDLE importer_ = nullptr;
  DWORD importerId_ = 0;
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
  HWND dialog = Box(L"Einstellungsdatei öffnen");
  ASSERT_NE(dialog, nullptr);
  HWND field = GetDlgItem(dialog, kFileNameField);
  SetWindowTextA(field ? field : GetDlgItem(dialog, kFileNameCombo),
                 (program_ + "\\einstellungen20.ini").c_str());
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  Answer(L"Falsche Datei!", IDOK);
  wchar_t path[MAX_PATH] = {};
  GetDlgItemTextW(window, 101, path, MAX_PATH);
  EXPECT_STREQ(path, L"");
}

TEST_F(ImporterScenario, ImportEndsTheRunningMainProgramAndListsTheMissingFolder) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NE(StartImportOfOldFile(), nullptr);
  Answer(L"Quillmar 2.0 beenden?", IDYES);
  EXPECT_EQ(WaitForExit(), std::optional<DWORD>(0));
  HWND report = Box(L"Einstellungen größtenteils erfolgreich übernommen");
  ASSERT_NE(report, nullptr);
  wchar_t text[2048] = {};
  GetDlgItemTextW(report, 0xFFFF, text, 2048);
  EXPECT_NE(
      std::wstring(text).find(L"AlteHauptaktion:" + std::wstring(35, L' ') + L"C:\\Gibt es nicht"),
      std::wstring::npos);
  PostMessageW(report, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(ImporterEnds());
  std::string substitute = SpecialFolder(kDesktopFolder, false);
  substitute[0] = 'c';
  EXPECT_EQ(Get("Optionen", "Speicherzeit"), "4321");
  EXPECT_EQ(Get("Aktion3", "Name"), "AlteHauptaktion");
  EXPECT_EQ(Get("Aktion3", "Speicherpfad"), substitute);
  EXPECT_EQ(Get("Aktion4", "Name"), "Alt");
  EndRestartedMainProgram();
}

TEST_F(ImporterScenario, AMainProgramTheUserKeepsRunningMeansNoImport) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_NE(StartImportOfOldFile(), nullptr);
  Answer(L"Quillmar 2.0 beenden?", IDNO);
  EXPECT_EQ(WaitForSingleObject(process_, 1000), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(Get("Aktion3", "Name"), "<fehlt>");
  EXPECT_NE(Get("Optionen", "Speicherzeit"), "4321");
}

}  // namespace
}  // namespace qm::e2e
