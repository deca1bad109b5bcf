// The real program's tray as the shell and the user meet it: the icon a restarted shell
// asks for again and the tray menu picked with keys. These scenarios wait on the X
// server (Wine's systray), so they alone carry the label "tray".
#include "tests/e2e/scenario.h"

namespace qm::e2e {
namespace {

using test::SetClipboardText;

// A restarted shell has an empty tray and broadcasts "TaskbarCreated". The menu saves
// with the action picked, makes another action the Standard of the click, opens the
// settings window, and "&Beenden" ends the program cleanly with that window open.
TEST_F(Scenario, TrayIconComesBackAndItsMenuSavesChoosesTheStandardAndEndsTheProgram) {
  ASSERT_NO_FATAL_FAILURE(Start());
  ASSERT_TRUE(test::NotifyIcon(NIM_DELETE, window_));
  ASSERT_TRUE(PostMessageW(window_, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0));
  EXPECT_TRUE(test::PumpUntil([&] { return test::NotifyIcon(NIM_MODIFY, window_); }));

  SetClipboardText("Aus dem Men\xFC");
  ASSERT_NO_FATAL_FAILURE(OpenMenu());
  for (const WORD key : {WORD{VK_DOWN}, WORD{VK_DOWN}, WORD{VK_RETURN}}) test::PressKeys({}, key);
  ExpectSoon(kZweitens, Entry("Aus dem Men\xFC"));
  ASSERT_NO_FATAL_FAILURE(OpenMenu());
  // "Als &Standard" opens with its first action selected.
  for (const WORD key : {WORD{'S'}, WORD{VK_DOWN}, WORD{VK_RETURN}}) test::PressKeys({}, key);
  EXPECT_TRUE(test::PumpUntil([&] { return Get("Aktion2", "Name") == "Zweitens (Standard)"; }));
  SetClipboardText("Jetzt Standard");
  PostTray(WM_LBUTTONUP);
  ExpectSoon(kZweitens, Entry("Aus dem Men\xFC") + Entry("Jetzt Standard"));

  ASSERT_NO_FATAL_FAILURE(OpenMenu());
  test::PressKeys({}, 'E');
  EXPECT_TRUE(test::PumpUntil([&] { return IsWindowVisible(window_) != FALSE; }));
  ASSERT_NO_FATAL_FAILURE(OpenMenu());
  test::PressKeys({}, 'B');
  EXPECT_EQ(WaitForExit(), std::optional<DWORD>(0));
}

// A program that hangs while it renders what it copied holds only the program's reader:
// the tray menu opens meanwhile, the user is told that another program holds the
// clipboard, and the next copy after that program is gone saves exactly.
TEST_F(Scenario, AnOwnerThatHangsWhileItRendersLeavesTheMenuOpenAndIsReported) {
  ASSERT_NO_FATAL_FAILURE(Start());
  std::optional<test::Helper> hung(std::in_place,
                                   std::vector<std::string>{"promise", "hung", "nie gerendert"});
  PostTray(WM_LBUTTONUP);
  ASSERT_NO_FATAL_FAILURE(OpenMenu());
  test::PressKeys({}, VK_ESCAPE);
  EXPECT_NE(Answer(Box(L"Zwischenablage belegt")).find(L"anderes Programm"), std::wstring::npos);
  hung.reset();
  SetClipboardText("danach");
  PostTray(WM_LBUTTONUP);
  ExpectSoon(kNotizen, Entry("danach"));
}

}  // namespace
}  // namespace qm::e2e
