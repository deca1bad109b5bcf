#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/win/support/clipboard_helper.h"

namespace qm::test {

// A helper program that runs until it is told to quit: it is given two fresh named
// events, READY and QUIT, before its own arguments. The constructor returns once the
// helper has set READY; the destructor sets QUIT and waits for the helper to end.
class RunningHelper {
 public:
  RunningHelper(const std::string& program, const std::vector<std::string>& arguments);
  ~RunningHelper();
  RunningHelper(const RunningHelper&) = delete;
  RunningHelper& operator=(const RunningHelper&) = delete;

 private:
  std::string readyName_;
  std::string quitName_;
  HANDLE ready_;
  HANDLE quit_;
  HelperProcess process_;
};

enum class WindowState { Shown, Hidden, Hung };

// A top-level window of another program, on top of the window stack, with child windows
// given as "CLASS=TEXT", each leading '>' one level deeper (see qm_window_helper.cpp).
// A hung window stops handling messages once it is up.
class HelperWindow {
 public:
  HelperWindow(const std::string& title, const std::vector<std::string>& fields,
               WindowState state = WindowState::Shown);

 private:
  RunningHelper helper_;
};

// A browser's DDE server `service`, answering "WWW_GetWindowInfo", item "-1", with
// `reply` after `delayMs`.
class HelperDdeServer {
 public:
  HelperDdeServer(const std::string& service, const std::string& reply, int delayMs = 0);

 private:
  RunningHelper helper_;
};

}  // namespace qm::test
