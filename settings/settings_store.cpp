#include "settings/settings_store.h"

namespace qm {

std::string ActionSection(int number) { return "Aktion" + std::to_string(number); }

}  // namespace qm
