#include "settings/settings_store.h"

#include <algorithm>
#include <utility>

#include "settings/ansi_text.h"
#include "settings/ascii_text.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

std::string_view KeyOfLine(std::string_view line) {
  return Trimmed(line.substr(0, line.find('=')));
}

std::string Line(std::string_view key, std::string_view value) {
  std::string line(key);
  line += '=';
  line += value;
  line += '\0';
  return line;
}

}  // namespace

bool PossiblyCut(std::string_view value) { return value.size() >= kLongestSettingValue; }

std::string ValueInTheCodePage(std::string read) {
  // A value that may be cut stays at its length, so that it is still told as cut.
  if (PossiblyCut(read)) return read;
  const Utf8Start start = WellFormedStart(read);
  if (!start.multiByte || start.length != read.size()) return read;
  std::string converted;
  for (size_t at = 0; at < read.size();) {
    const auto [codePoint, length] = CodePointAt(read, at);
    const auto character = AnsiOfCharacter(codePoint);
    if (!character) return read;
    converted += *character;
    at += length;
  }
  return converted;
}

std::string ReadBack(std::string_view written) {
  written = Trimmed(written);
  const bool quoted = written.size() >= 2 && (written.front() == '"' || written.front() == '\'') &&
                      written.back() == written.front();
  return std::string(quoted ? written.substr(1, written.size() - 2) : written);
}

std::string MergedLines(std::string_view lines, const std::vector<KeyValue>& values) {
  std::vector<bool> placed(values.size(), false);
  std::string merged;
  while (!lines.empty()) {
    const size_t end = std::min(lines.find('\0'), lines.size());
    const std::string_view line = lines.substr(0, end);
    lines.remove_prefix(std::min(end + 1, lines.size()));
    const auto match = std::find_if(values.begin(), values.end(), [&](const KeyValue& entry) {
      return EqualIgnoringCase(entry.key, KeyOfLine(line));
    });
    if (match == values.end()) {
      merged += line;
      merged += '\0';
      continue;
    }
    merged += Line(match->key, match->value);
    placed[static_cast<size_t>(match - values.begin())] = true;
  }
  for (size_t i = 0; i < values.size(); ++i) {
    if (!placed[i]) merged += Line(values[i].key, values[i].value);
  }
  return merged;
}

std::optional<WriteFailure> WriteAll(SettingsStore& settings, std::string_view section,
                                     std::initializer_list<KeyValue> values) {
  return WriteChange(settings, {{std::string(section), values}});
}

std::optional<WriteFailure> WriteChange(SettingsStore& settings,
                                        const std::vector<SectionValues>& change) {
  std::vector<std::pair<std::string_view, std::string>> before;
  for (const SectionValues& part : change) {
    SectionRead read = settings.SectionLines(part.section);
    if (!read.failure) {
      read.failure = settings.ReplaceSection(part.section, MergedLines(read.lines, part.values));
    }
    if (read.failure) {
      for (auto written = before.rbegin(); written != before.rend(); ++written) {
        settings.ReplaceSection(written->first, written->second);
      }
      return read.failure;
    }
    before.emplace_back(part.section, std::move(read.lines));
  }
  return std::nullopt;
}

std::string ActionSection(int number) { return "Aktion" + std::to_string(number); }

std::optional<WriteFailure> HeldSince(const SettingsStore& settings, unsigned before) {
  HeldReads held = settings.ReadsFoundHeld();
  if (held.count == before) return std::nullopt;
  return std::move(held.last);
}

}  // namespace qm
