#include "tests/win/support/browser_helpers.h"

#include <gtest/gtest.h>

#include <atomic>

namespace qm::test {

namespace {

// Generous: only keeps a broken helper from hanging the test run.
constexpr DWORD kReadyTimeoutMs = 10000;

std::string UniqueEventName(const char* what) {
  static std::atomic<int> counter{0};
  return std::string("qm_") + what + "_" + std::to_string(GetCurrentProcessId()) + "_" +
         std::to_string(++counter);
}

HANDLE CreateNamedEvent(const std::string& name) {
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
  EXPECT_NE(event, nullptr) << "CreateEvent failed: " << GetLastError();
  return event;
}

std::vector<std::string> WithEvents(const std::string& ready, const std::string& quit,
                                    const std::vector<std::string>& arguments) {
  std::vector<std::string> all{ready, quit};
  all.insert(all.end(), arguments.begin(), arguments.end());
  return all;
}

std::vector<std::string> WindowArguments(const std::string& title,
                                         const std::vector<std::string>& fields,
                                         WindowState state) {
  std::vector<std::string> arguments{title};
  if (state == WindowState::Hidden) arguments.push_back("--hidden");
  if (state == WindowState::Hung) arguments.push_back("--hung");
  arguments.insert(arguments.end(), fields.begin(), fields.end());
  return arguments;
}

}  // namespace

RunningHelper::RunningHelper(const std::string& program, const std::vector<std::string>& arguments)
    : readyName_(UniqueEventName("ready")),
      quitName_(UniqueEventName("quit")),
      ready_(CreateNamedEvent(readyName_)),
      quit_(CreateNamedEvent(quitName_)),
      process_(program, WithEvents(readyName_, quitName_, arguments)) {
  EXPECT_EQ(WaitForSingleObject(ready_, kReadyTimeoutMs), WAIT_OBJECT_0)
      << program << " never got ready";
}

RunningHelper::~RunningHelper() {
  EXPECT_TRUE(quit_ && SetEvent(quit_)) << "SetEvent failed: " << GetLastError();
  EXPECT_EQ(process_.Wait(), 0) << "the helper failed";
  if (ready_) CloseHandle(ready_);
  if (quit_) CloseHandle(quit_);
}

HelperWindow::HelperWindow(const std::string& title, const std::vector<std::string>& fields,
                           WindowState state)
    : helper_("qm_window_helper", WindowArguments(title, fields, state)) {}

HelperDdeServer::HelperDdeServer(const std::string& service, const std::string& reply, int delayMs)
    : helper_("qm_dde_server", delayMs > 0 ? std::vector<std::string>{service, reply, "--delay",
                                                                      std::to_string(delayMs)}
                                           : std::vector<std::string>{service, reply}) {}

}  // namespace qm::test
