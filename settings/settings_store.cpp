#include "settings/settings_store.h"

namespace qm {

bool PossiblyCut(std::string_view value) { return value.size() >= kLongestSettingValue; }

std::string ReadBack(std::string_view written) {
  const size_t first = written.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  written = written.substr(first, written.find_last_not_of(" \t") - first + 1);
  const bool quoted = written.size() >= 2 && (written.front() == '"' || written.front() == '\'') &&
                      written.back() == written.front();
  return std::string(quoted ? written.substr(1, written.size() - 2) : written);
}

std::optional<WriteFailure> WriteAll(SettingsStore& settings, std::string_view section,
                                     std::initializer_list<KeyValue> values) {
  for (const KeyValue& entry : values) {
    if (auto failure = settings.Write(section, entry.key, entry.value)) return failure;
  }
  return std::nullopt;
}

std::string ActionSection(int number) { return "Aktion" + std::to_string(number); }

}  // namespace qm
