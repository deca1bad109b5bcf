#include "tests/e2e/support/scenario.h"

#include "settings/ansi_text.h"
#include "settings/settings_file_win.h"

namespace qm::e2e {

namespace {

constexpr UINT kTrayCallback = WM_USER + 1;
constexpr UINT kTrayIconId = 125;

void CopyTree(const std::string& from, const std::string& to) {
  ASSERT_TRUE(CreateDirectoryA(to.c_str(), nullptr)) << to;
  for (const std::string& name : test::FolderEntries(from)) {
    const std::string source = from + "\\" + name;
    if (!CopyFileA(source.c_str(), (to + "\\" + name).c_str(), TRUE)) CopyTree(source, to + "\\" + name);
  }
}

}  // namespace

Scenario::Scenario() {
  CopyTree(ProgramFolder() + "\\dist", program_);
  EXPECT_TRUE(CreateDirectoryA(saveFolder_.c_str(), nullptr));
  const std::pair<const char*, const char*> options[] = {
      {"AutomatischSichern", "nein"}, {"Beep", "nein"}, {"Trennzeichen", "="}, {"Wiederholung", "5"}};
  Set("Start", "Splash", "0");
  for (const auto& [key, value] : options) Set("Optionen", key, value);
  for (const Action& action : {kNotizen, kZweitens}) {
    const std::string section = "Aktion" + std::to_string(action.number);
    const std::pair<const char*, std::string> keys[] = {
        {"Aktiviert", "ja"}, {"Name", action.number == 1 ? "Notizen (Standard)" : "Zweitens"},
        {"Dateiname", std::string(action.file).substr(0, 4)}, {"Speicherpfad", saveFolder_},
        {"Aktion", "gleichedatei"}, {"Format", "Text"}, {"Url", "nein"}, {"Datum", "nein"},
        {"HotkeyA", "Strg"}, {"HotkeyB", "Alt"}, {"HotkeyC", std::string(1, static_cast<char>(action.key))}};
    for (const auto& [key, value] : keys) Set(section, key, value);
  }
  for (const auto& [which, key] : {std::pair{"Stan", kStandardKey}, {"Aut", kAutomaticKey}}) {
    Set("Hotkeys", std::string("Hotkey") + which + "A", "Strg");
    Set("Hotkeys", std::string("Hotkey") + which + "B", "Alt");
    Set("Hotkeys", std::string("Hotkey") + which + "C", std::string(1, static_cast<char>(key)));
  }
}

Scenario::~Scenario() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    if (!WaitForExit()) {
      ADD_FAILURE() << "Quillmar2.0.exe did not close";
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, test::kPatienceMs);
    }
  }
  CloseHandle(process_);
}

void Scenario::Set(const std::string& section, const std::string& key, const std::string& value) const {
  WriteSetting(section, key, value, program_ + "\\einstellungen20.ini");
}

std::string Scenario::Get(const std::string& section, const std::string& key) const {
  return ReadSetting(section, key, program_ + "\\einstellungen20.ini", "<fehlt>");
}

// The start-up runs before the message loop: once the program waits for input, its
// window, tray icon and hotkeys are in place.
void Scenario::Start() {
  const std::wstring file = WidenAnsi(program_ + "\\Quillmar2.0.exe");
  std::wstring line = L"\"" + file + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessW(file.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             WidenAnsi(program_).c_str(), &startup, &started))
      << GetLastError();
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  processId_ = started.dwProcessId;
  EXPECT_EQ(WaitForInputIdle(process_, test::kPatienceMs), 0u);
  test::PumpUntil([this] {
    window_ = FindWindowW(L"QuillmarResidentWindow", nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(window_, &owner);
    return window_ && owner == processId_;
  });
  ASSERT_NE(window_, nullptr) << "no resident window";
}

void Scenario::PostTray(UINT mouseEvent) const {
  ASSERT_TRUE(PostMessageW(window_, kTrayCallback, kTrayIconId, mouseEvent));
}

void Scenario::OpenMenu() const {
  PostTray(WM_RBUTTONUP);
  ASSERT_NE(test::WaitForWindow(processId_, L"#32768", nullptr), nullptr) << "no tray menu";
}

std::string Scenario::Saved(const Action& action) const {
  return test::ReadFileBytes(saveFolder_ + "\\" + action.file);
}

void Scenario::ExpectSoon(const Action& action, const std::string& bytes) const {
  test::PumpUntil([&] { return Saved(action) == bytes; });
  EXPECT_EQ(Saved(action), bytes) << action.file;
}

std::optional<DWORD> Scenario::WaitForExit() const {
  if (!test::PumpUntil([this] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; })) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

ChainViewer::ChainViewer()
    : window_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr)) {
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
  next_ = SetClipboardViewer(window_);
  test::PumpUntil([this] { return notices > 0; }, 2000);
}

ChainViewer::~ChainViewer() {
  ChangeClipboardChain(window_, next_);
  DestroyWindow(window_);
}

void ChainViewer::Copy(const std::vector<std::pair<UINT, std::string>>& formats) {
  const int before = notices;
  test::SetClipboard(formats);
  EXPECT_TRUE(test::PumpUntil([&] { return notices > before; })) << "the change did not come down the chain";
}

LRESULT CALLBACK ChainViewer::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ChainViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_DRAWCLIPBOARD) {
    ++self->notices;
    if (self->next_) SendMessageW(self->next_, message, wParam, lParam);
    return 0;
  }
  if (message == WM_CHANGECBCHAIN) {
    if (reinterpret_cast<HWND>(wParam) == self->next_) {
      self->next_ = reinterpret_cast<HWND>(lParam);
    } else if (self->next_) {
      SendMessageW(self->next_, message, wParam, lParam);
    }
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace qm::e2e
