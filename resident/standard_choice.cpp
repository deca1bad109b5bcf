#include "resident/standard_choice.h"

#include <string>

#include "settings/action_cache.h"
#include "settings/action_record.h"

namespace qm {

int MakeStandard(std::string_view caption, SettingsStore& settings) {
  int standard = 0;
  for (int n = 1; n <= kActionCount; ++n) {
    const std::string section = ActionSection(n);
    // A deleted action is not in the menu: its left-over name is left alone, so the
    // choice can never make a deleted action the Standard action.
    if (settings.Read(section, "Aktiviert") != "ja") continue;
    const std::string name = settings.Read(section, "Name");
    const bool marked = IsStandardMarked(name);
    const std::string plain = marked ? PlainName(name) : name;
    if (plain == caption) {
      settings.Write(section, "Name", std::string(caption) + std::string(kStandardMark));
      standard = n;
    } else if (marked) {
      settings.Write(section, "Name", plain);
    }
  }
  return standard;
}

}  // namespace qm
