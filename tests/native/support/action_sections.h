#pragma once

#include <string>

#include "tests/native/support/fake_settings.h"

namespace qm::test {

// Writes the section of action n as the editor leaves it; `active` false stands for
// a deleted action, whose name and method stay in the file.
inline void WriteAction(FakeSettings& settings, int number, const std::string& name, bool active = true,
                        const std::string& aktion = "extradatei") {
  const std::string section = ActionSection(number);
  settings.Write(section, "Aktiviert", active ? "ja" : "nein");
  settings.Write(section, "Name", name);
  settings.Write(section, "Aktion", aktion);
}

}  // namespace qm::test
