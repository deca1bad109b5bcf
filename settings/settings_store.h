#pragma once

#include <string>
#include <string_view>

namespace qm {

// What every read of the main program gets for a key the settings file does not hold.
// Readers never test for it: they compare with the value they expect and treat
// everything else, this text included, as the other case.
inline constexpr std::string_view kMissingEntry = "Kein Eintrag gefunden!";

// Key-by-key access to the settings file. The product reads and writes the profile
// file directly on every call; tests substitute an in-memory store.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string Read(std::string_view section, std::string_view key) const = 0;
  virtual void Write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

// "Aktion" followed by the action number, the section of one save action.
std::string ActionSection(int number);

}  // namespace qm
