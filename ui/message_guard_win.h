#pragma once

#include <windows.h>

#include <exception>

namespace qm {

// Writes to the debugger output that handling `message` let an exception through.
void ReportCaughtException(UINT message, const char* what) noexcept;

// The one policy of every window procedure of the program: no exception leaves it, since
// unwinding through the system's code ends the program. A handler that fails is reported
// with the message it came from, and the message gets its default answer.
template <typename Handle, typename DefaultAnswer>
auto AnswerGuarded(UINT message, Handle&& handle, DefaultAnswer&& defaultAnswer)
    -> decltype(handle()) {
  try {
    return handle();
  } catch (const std::exception& failure) {
    ReportCaughtException(message, failure.what());
  } catch (...) {
    ReportCaughtException(message, nullptr);
  }
  return defaultAnswer();
}

}  // namespace qm
