#include "tests/win/support/today.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace qm::test {

std::string ShortDateToday() {
  char buffer[128] = {};
  const int length = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buffer,
                                    static_cast<int>(sizeof buffer));
  EXPECT_GT(length, 1) << "GetDateFormat " << GetLastError();
  return buffer;
}

}  // namespace qm::test
