#pragma once

#include <cctype>
#include <map>
#include <sstream>
#include <vector>

#include "settings/settings_store.h"

namespace qm::test {

// A settings file in memory that behaves like the profile file where the rules can
// tell: section and key names compare without regard to case, and a key that is not
// there reads as the missing-entry text of the program that reads it. Every such read is
// kept in `misses`.
class MemorySettings : public SettingsStore {
 public:
  explicit MemorySettings(std::string_view missingEntry = kMissingEntry)
      : missingEntry_(missingEntry) {}

  // The section `unreadableSection` cannot be read, as when another program holds the file:
  // its values read as missing, its lines as the failure, and each such read is counted.
  std::string Read(std::string_view section, std::string_view key) const override {
    if (Lower(section) == Lower(unreadableSection)) {
      readsFoundHeld_ = {readsFoundHeld_.count + 1, kRefusal};
      return missingEntry_;
    }
    const auto found = values_.find({Lower(section), Lower(key)});
    if (found != values_.end()) return found->second;
    misses.emplace_back(section, key);
    return missingEntry_;
  }
  // Every write of the section `refusedSection` fails and changes nothing, as on a file
  // that has become read-only.
  std::optional<WriteFailure> Write(std::string_view section, std::string_view key,
                                    std::string_view value) override {
    if (auto failure = Refused(section)) return failure;
    values_[{Lower(section), Lower(key)}] = std::string(value);
    return std::nullopt;
  }
  SectionRead SectionLines(std::string_view section) const override {
    if (Lower(section) == Lower(unreadableSection)) {
      readsFoundHeld_ = {readsFoundHeld_.count + 1, kRefusal};
      return {{}, kRefusal};
    }
    SectionRead read;
    for (const auto& [where, value] : values_) {
      if (where.first == Lower(section)) read.lines += where.second + "=" + value + '\0';
    }
    return read;
  }
  std::optional<WriteFailure> ReplaceSection(std::string_view section,
                                             std::string_view lines) override {
    if (auto failure = Refused(section)) return failure;
    std::erase_if(values_, [&](const auto& entry) { return entry.first.first == Lower(section); });
    for (size_t end; (end = lines.find('\0')) != std::string_view::npos;
         lines.remove_prefix(end + 1)) {
      const std::string_view line = lines.substr(0, end);
      values_[{Lower(section), Lower(line.substr(0, line.find('=')))}] =
          std::string(line.substr(line.find('=') + 1));
    }
    return std::nullopt;
  }
  HeldReads ReadsFoundHeld() const override { return readsFoundHeld_; }

  // Actions as the settings pages store them.
  struct Action {
    int number;
    const char* name;
    bool active = true;
  };
  static MemorySettings WithActions(const std::vector<Action>& actions) {
    MemorySettings settings;
    for (const auto& [number, name, active] : actions) {
      settings.Write(ActionSection(number), "Aktiviert", active ? "ja" : "nein");
      settings.Write(ActionSection(number), "Name", name);
    }
    return settings;
  }

  // An INI file read as the profile functions read it: blanks around names and values go.
  static MemorySettings FromText(const std::string& text,
                                 std::string_view missingEntry = kMissingEntry) {
    MemorySettings settings(missingEntry);
    std::istringstream lines(text);
    std::string section;
    for (std::string line; std::getline(lines, line);) {
      line = Trimmed(line);
      const size_t equals = line.find('=');
      if (line.starts_with('[') && line.ends_with(']')) {
        section = line.substr(1, line.size() - 2);
      } else if (equals != std::string::npos) {
        settings.Write(section, Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)));
      }
    }
    return settings;
  }

  mutable std::vector<std::pair<std::string, std::string>> misses;  // section, key
  std::string refusedSection;
  std::string unreadableSection;

 private:
  inline static const WriteFailure kRefusal{"C:\\Q\\einstellungen20.ini", L"Zugriff verweigert"};

  std::optional<WriteFailure> Refused(std::string_view section) {
    if (Lower(section) == Lower(refusedSection)) return kRefusal;
    return std::nullopt;
  }
  static std::string Lower(std::string_view text) {
    std::string lower;
    for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
  }
  static std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
  }

  std::string missingEntry_;
  mutable HeldReads readsFoundHeld_;
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace qm::test
