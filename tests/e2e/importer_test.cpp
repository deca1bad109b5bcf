// einstellungen.exe from a fresh program folder: its start message, the file choice,
// an import into the folder's settings file, and the main program, which the importer
// ends before it writes, with the user's consent, and starts again when it closes.
#include "tests/e2e/scenario.h"

// dlgs.h (the ids of the open-file dialog's controls) needs the types of windows.h,
// which the fixture brings.
#include <dlgs.h>

#include "importer/importer_ids.h"
#include "ui/main_program_link.h"

namespace qm::e2e {
namespace {

// The old file's main action saves into a folder that is gone, so the import is reported
// as mostly done (which folder takes its place the native importer table pins). A main
// program the user keeps running means no import at all.
TEST_F(Scenario, ImportEndsTheMainProgramOnlyWithConsentAndStartsItAgain) {
  const std::string oldFile = saveFolder_ + "\\einstellungen.ini";
  for (const auto& [section, key, value] : {std::tuple{"Optionen", "Speicherzeit", "4321"},
                                            {"Start", "Speicherpfad", "C:\\Gibt es nicht"},
                                            {"Start", "Aktion", "gleichedatei"}}) {
    WriteSetting(section, key, value, oldFile);
  }
  ASSERT_NO_FATAL_FAILURE(Start());
  DWORD importerId = 0;
  struct Ended {  // whatever happens, the importer does not outlive the scenario
    HANDLE process;
    ~Ended() {
      TerminateProcess(process, 1);
      CloseHandle(process);
    }
  } importer{test::StartProcess(Program(L"einstellungen.exe"), L"C:\\", &importerId)};
  Answer(Box(L"Quillmar 2.0 beenden!", importerId));
  HWND window = Box(L"Alte Einstellungen übernehmen", importerId);
  ASSERT_NE(window, nullptr);

  Click(window, IDC_CMDDIALOG);
  HWND dialog = Box(L"Einstellungsdatei öffnen", importerId);
  ASSERT_NE(dialog, nullptr);
  HWND field = GetDlgItem(dialog, edt1);  // or cmb13, where the dialog has that instead
  SetWindowTextA(field ? field : GetDlgItem(dialog, cmb13),
                 (program_ + "\\einstellungen20.ini").c_str());
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  Answer(Box(L"Falsche Datei!", importerId));

  SetDlgItemTextA(window, IDC_TXTDATEINAME, oldFile.c_str());
  Click(window, IDC_CMDEINLESEN);
  Answer(Box(L"Quillmar 2.0 beenden?", importerId), IDNO);
  EXPECT_EQ(WaitForSingleObject(process_, kQuietMs), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(Get("Aktion3", "Name"), "<fehlt>");
  Click(window, IDC_CMDEINLESEN);
  Answer(Box(L"Quillmar 2.0 beenden?", importerId), IDYES);
  EXPECT_EQ(WaitForExit(), std::optional<DWORD>(0));
  Answer(Box(L"Einstellungen größtenteils erfolgreich übernommen", importerId));
  EXPECT_EQ(WaitForSingleObject(importer.process, test::kPatienceMs), WAIT_OBJECT_0);
  HWND resident = nullptr;  // the main program the importer started again
  ASSERT_TRUE(test::PumpUntil([&] {
    return (resident = FindWindowW(kResidentWindowClass, nullptr));
  })) << "the importer did not start Quillmar2.0.exe";
  window_ = resident;  // closed as the scenario closes its own
  GetWindowThreadProcessId(resident, &processId_);
  CloseHandle(process_);
  process_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId_);
}

// The program runs once per folder: a second start has the running one show its settings
// window, and closing the importer starts none; neither writes a setting.
TEST_F(Scenario, ASecondStartAndTheImporterLeaveOneProgramAndItsSettingsAsTheyWere) {
  ASSERT_NO_FATAL_FAILURE(Start());
  const std::string settings = test::ReadFileBytes(program_ + "\\einstellungen20.ini");
  HANDLE second = test::StartProcess(Program(L"Quillmar2.0.exe"));
  EXPECT_EQ(ExitCodeOnceEnded(second), std::optional<DWORD>(0));
  CloseHandle(second);
  EXPECT_TRUE(test::PumpUntil([&] { return IsWindowVisible(window_) != FALSE; }));
  PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);  // hidden, as the importer's button does
  DWORD importer = 0;
  CloseHandle(test::StartProcess(Program(L"einstellungen.exe"), L"C:\\", &importer));
  Answer(Box(L"Quillmar 2.0 beenden!", importer));
  Answer(Box(L"Alte Einstellungen übernehmen", importer), IDCANCEL);
  const auto aSecond = [] {  // a second resident window, wherever it is in the z-order
    return FindWindowExW(nullptr, FindWindowW(kResidentWindowClass, nullptr), kResidentWindowClass,
                         nullptr);
  };
  EXPECT_FALSE(test::PumpUntil([&] { return IsWindowVisible(window_) || aSecond(); }, kQuietMs));
  EXPECT_EQ(WaitForSingleObject(process_, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(test::ReadFileBytes(program_ + "\\einstellungen20.ini"), settings);
}

}  // namespace
}  // namespace qm::e2e
