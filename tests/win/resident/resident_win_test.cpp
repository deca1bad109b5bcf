// The resident program's ties to the system: a hotkey that someone else holds, which
// clipboard changes count for automatic saving, the claim of the program folder, the save
// notice's closing timer and how the program's windows go. (That the notices of changes
// come at all, whatever other programs' viewers do, shows the end-to-end scenario of
// automatic saving.) The tray icon and its popup menu wait on the X server:
// tray_win_test.cpp.
#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

#include "options/options_ids.h"
#include "options/save_notice_win.h"
#include "resident/clipboard_listener_win.h"
#include "resident/hotkey_registry_win.h"
#include "settings/hotkeys.h"
#include "tests/win/support/win_support.h"
#include "ui/common_controls_win.h"
#include "ui/dialog_win.h"
#include "ui/library_on_demand_win.h"
#include "ui/program_folder_win.h"
#include "ui/window_win.h"

namespace qm {
namespace {

// Registering and delivering hotkeys is the end-to-end test of the hotkey scenarios.
// Action 2 was just given the combination of action 20, action 1 one that someone else
// holds: both fail, and only once every binding is registered are they blanked and
// named in one box.
TEST(HotkeysWin, RefusedCombinationsAreBlankedAndReportedInOneBoxAfterAllAreRegistered) {
  const test::ProgramSettingsFile file{
      "[Aktion1]\r\nHotkeyA=Strg\r\nHotkeyB=Alt\r\nHotkeyC=F5\r\n"
      "[Aktion2]\r\nHotkeyA=Alt\r\nHotkeyB=\r\nHotkeyC=F12\r\n"
      "[Aktion20]\r\nName=Zwanzig\r\nHotkeyA=Alt\r\nHotkeyB=\r\nHotkeyC=F12\r\n"};
  ProfileSettings settings;
  struct RegisteredFirst : test::RecordingMessageBoxes {
    void Show(const MessageRequest& request) override {
      actionTwentyHeld = !RegisterHotKey(nullptr, 0xBFFF, MOD_ALT, VK_F12);
      RecordingMessageBoxes::Show(request);
    }
    bool actionTwentyHeld = false;
  } messages;
  HotkeyRegistry registry{nullptr, settings, messages};  // hotkeys of this thread
  ASSERT_TRUE(RegisterHotKey(nullptr, 0xBFFE, MOD_CONTROL | MOD_ALT, VK_F5));
  registry.RegisterAll(2);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.actionTwentyHeld) << "the box came before action 20 was registered";
  EXPECT_NE(messages.shown[0].text.find(L"schon der Aktion \"Zwanzig\""), std::wstring::npos);
  for (const int blanked : {1, 2}) EXPECT_EQ(ReadHotkey(settings, BindingOf(blanked)).c, "");
  registry.UnregisterAll();
  registry.RegisterAll();
  EXPECT_EQ(messages.shown.size(), 1u);
  registry.UnregisterAll();
  UnregisterHotKey(nullptr, 0xBFFE);
}

// What was there when joining never counts, nor a change of this program's own (a copy
// in an edit field of the settings window); another program's change counts.
TEST(ClipboardListenerWin, CountsTheChangesOfOtherProgramsSinceJoining) {
  test::SetClipboardText("vorher");
  const HWND window =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ClipboardListener listener{window};
  listener.Join();
  EXPECT_FALSE(listener.IsNewContent());
  const HWND edit = CreateWindowExW(0, L"EDIT", L"eigene Kopie", 0, 0, 0, 100, 20, nullptr, nullptr,
                                    nullptr, nullptr);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, WM_COPY, 0, 0);
  EXPECT_FALSE(listener.IsNewContent());
  DestroyWindow(edit);
  const test::Helper other({"busy", "fremde Kopie"});
  EXPECT_TRUE(listener.IsNewContent());
  listener.Leave();
  DestroyWindow(window);
}

// A second start through another spelling of the same folder (a substituted drive, its
// short name, other letter case) meets the first one's claim; another folder has its
// own, and a folder that cannot be opened gives none at all. The claim is a mutex, which
// its owner's thread could take again: another thread asks.
TEST(ProgramFolderWin, OneFolderHasOneClaimHoweverItsPathIsWritten) {
  const test::ScratchFolder scratch;
  const std::wstring folder = test::Wide(scratch / "Quillmar 2.0");
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW((folder + L"\\Kopie").c_str(), nullptr));
  ASSERT_TRUE(DefineDosDeviceW(0, L"Q:", folder.c_str()));
  wchar_t shortPath[MAX_PATH] = {};
  ASSERT_NE(GetShortPathNameW(folder.c_str(), shortPath, MAX_PATH), 0u);
  std::wstring upper = folder;
  CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  ProgramFolderClaim first(folder);
  ASSERT_TRUE(first.Take(0));
  const auto takenElsewhere = [](const std::wstring& path) {
    bool taken = false;
    std::thread([&] { taken = ProgramFolderClaim(path).Take(0); }).join();
    return taken;
  };
  for (const std::wstring& spelling : {std::wstring(L"Q:\\"), std::wstring(shortPath), upper}) {
    EXPECT_FALSE(takenElsewhere(spelling)) << test::Utf8(spelling);
  }
  EXPECT_TRUE(takenElsewhere(folder + L"\\Kopie"));
  EXPECT_FALSE(ProgramFolderClaim(folder + L"\\fehlt").Made());
  DefineDosDeviceW(DDD_REMOVE_DEFINITION, L"Q:", nullptr);
}

// The list's pictures are found by the method's index: a missing icon must keep its place.
TEST(ImageListWin, AMissingIconKeepsThePlaceOfItsPicture) {
  const OwnedLibrary controls = LoadCommonControls();
  ASSERT_TRUE(controls);
  HIMAGELIST images = NewImageList(16, 2);
  AddToImageList(images, nullptr, 16);
  AddToImageList(images, LoadIconW(nullptr, MAKEINTRESOURCEW(32512)), 16);
  EXPECT_EQ(
      LibraryFunction<int(WINAPI*)(HIMAGELIST)>(L"comctl32.dll", "ImageList_GetImageCount")(images),
      2);
  DeleteImageList(images);
}

// The test handles the notice's timer ticks itself and counts them: a slow machine
// delays ticks but cannot merge them.
TEST(NoticeWin, ClosesOnTheSecondTickOfItsInterval) {
  CurrentOptions options;
  ProfileSettings settings;
  int closes = 0;
  SaveNoticeWindow notice{GetModuleHandleW(nullptr), options, settings, [&] { ++closes; }};
  notice.ShowNotice({L"Text wurde gespeichert!", 12, 320, 200});
  const HWND window = notice.Handle();
  std::vector<bool> upAfterTick;
  const ULONGLONG end = GetTickCount64() + test::kPatienceMs;
  MSG message;
  while (notice.Handle() && GetTickCount64() < end) {
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
      continue;
    }
    DispatchMessageW(&message);
    if (message.message == WM_TIMER && message.hwnd == window) {
      upAfterTick.push_back(notice.Handle() != nullptr);
    }
  }
  EXPECT_EQ(upAfterTick, (std::vector<bool>{true, false}));
  EXPECT_EQ(closes, 1);
}

// Once a dialog's object is going, a message to its window would reach the base's pure
// HandleMessage, a call to nothing, whose fault a window procedure may swallow: a
// first-chance handler notes it.
bool gFaulted = false;

LONG CALLBACK NoteFault(EXCEPTION_POINTERS* fault) {
  gFaulted |= fault->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION;
  return EXCEPTION_CONTINUE_SEARCH;
}

struct HiddenDialog : Dialog {
  HiddenDialog() { CreateModeless(GetModuleHandleW(nullptr), IDD_ABOUT, nullptr); }
  INT_PTR HandleMessage(UINT, WPARAM, LPARAM) override { return FALSE; }
};

TEST(DialogWin, TheEndDestroysEveryDialogAndNoWindowReachesAHalfDestroyedObject) {
  HiddenDialog first, second;
  ASSERT_TRUE(first.Handle() && second.Handle());
  Dialog::DestroyAll();
  EXPECT_FALSE(first.Handle() || second.Handle());
  void* watch = AddVectoredExceptionHandler(1, NoteFault);
  HiddenDialog();  // still open when it goes
  RemoveVectoredExceptionHandler(watch);
  EXPECT_FALSE(gFaulted);
}

// An exception that unwinds into the system's code ends the program.
struct FailingWindow : Window {
  FailingWindow() {
    Create(GetModuleHandleW(nullptr), {.className = L"QmFailing", .caption = L"Nein"});
  }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_GETTEXTLENGTH) throw std::runtime_error("failed step");
    return DefaultAnswer(message, wParam, lParam);
  }
};

TEST(WindowWin, AFailingHandlerLeavesTheMessageItsDefaultAnswer) {
  FailingWindow window;
  ASSERT_TRUE(window.Handle());
  EXPECT_EQ(SendMessageW(window.Handle(), WM_GETTEXTLENGTH, 0, 0), 4);
}

}  // namespace
}  // namespace qm
