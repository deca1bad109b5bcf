#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "settings/settings_store.h"

namespace qm::test {

// An in-memory settings file that behaves like the profile file where the rules can
// tell: section and key names compare without regard to case, and a key that is not
// there reads as the missing-entry text.
class FakeSettings : public SettingsStore {
 public:
  std::string Read(std::string_view section, std::string_view key) const override {
    const auto found = values_.find(Key(section, key));
    return found == values_.end() ? std::string(kMissingEntry) : found->second;
  }

  void Write(std::string_view section, std::string_view key, std::string_view value) override {
    values_[Key(section, key)] = std::string(value);
  }

  void Remove(std::string_view section, std::string_view key) { values_.erase(Key(section, key)); }

 private:
  static std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
  }

  static std::pair<std::string, std::string> Key(std::string_view section, std::string_view key) {
    return {Lower(section), Lower(key)};
  }

  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace qm::test
