#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

// What every read of the main program gets for a key the settings file does not hold.
// Readers never test for it: they compare with the value they expect and treat
// everything else, this text included, as the other case.
inline constexpr std::string_view kMissingEntry = "Kein Eintrag gefunden!";

// A read returns at most this many characters of a value; the rest is cut.
inline constexpr std::size_t kLongestSettingValue = 126;

// A value of exactly the longest length may be the cut front of a longer one.
bool PossiblyCut(std::string_view value);

// A value as a read gives it back after it was written: without the blanks and tabs
// around it and without one pair of the same quote (" or ') around the rest.
std::string ReadBack(std::string_view written);

// Why a value did not reach the settings file: the file and the system's reason.
struct WriteFailure {
  std::string file;
  std::wstring reason;

  bool operator==(const WriteFailure&) const = default;
};

// Key-by-key access to the settings file. The product reads and writes the profile
// file directly on every call; tests substitute an in-memory store.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string Read(std::string_view section, std::string_view key) const = 0;
  // Nothing when the value reached the file, else why it did not.
  virtual std::optional<WriteFailure> Write(std::string_view section, std::string_view key,
                                            std::string_view value) = 0;
};

// Writes the values of one section in this order and stops at the first one that does
// not reach the file, so that a failure never leaves more of a change behind.
struct KeyValue {
  std::string_view key;
  std::string value;
};
std::optional<WriteFailure> WriteAll(SettingsStore& settings, std::string_view section,
                                     std::initializer_list<KeyValue> values);

// "Aktion" followed by the action number, the section of one save action.
std::string ActionSection(int number);

}  // namespace qm
