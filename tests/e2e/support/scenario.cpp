#include "tests/e2e/support/scenario.h"

#include "tests/e2e/support/desktop.h"
#include "tests/e2e/support/user_input.h"
#include "tests/e2e/support/wait.h"

namespace qm::e2e {

void ResidentScenario::OpenTrayMenu() {
  program_->PostTrayEvent(WM_RBUTTONUP);
  ASSERT_NE(WaitForPopupMenu(program_->ProcessId(), kPatienceMs), nullptr)
      << "the tray menu did not open";
}

void ResidentScenario::PickMenuItem(int n) {
  ASSERT_NO_FATAL_FAILURE(OpenTrayMenu());
  PressKeyTimes(VK_DOWN, n);
  PressKeys({VK_RETURN});
}

void ResidentScenario::PickMenuEntry(WORD letter) {
  ASSERT_NO_FATAL_FAILURE(OpenTrayMenu());
  PressKeys({letter});
}

}  // namespace qm::e2e
