#pragma once

#include <string>

namespace qm::test {

// Today's date as the user's locale writes it in short form (GetDateFormatA).
std::string ShortDateToday();

}  // namespace qm::test
