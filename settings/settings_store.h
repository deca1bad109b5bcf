#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// A value as the user typed it where an editor saved the settings file in UTF-8 (Windows'
// Notepad does so with a file of ASCII alone that the user then types an umlaut into),
// which the profile functions read as code-page letters ("JÃ¶rg"). A value of well-formed
// UTF-8 beyond ASCII whose every character the code page has is taken as that; any other
// value, one that may be cut among them, and every value this program wrote, stays as
// read.
std::string ValueInTheCodePage(std::string read);

// Why a value did not reach the settings file: the file and the system's reason.
struct WriteFailure {
  std::string file;
  std::wstring reason;

  bool operator==(const WriteFailure&) const = default;
};

// A section as read: "key=value" lines, each ended by a zero, the values not cut and not
// unquoted; empty for a section that is not there, and when the file could not be read,
// which `failure` then tells.
struct SectionRead {
  std::string lines;
  std::optional<WriteFailure> failure;
};

// The reads that found the file held by another program, a value read so giving the
// missing-entry text: how many so far, and the failure of the last one. A reader that
// compares the count before and after knows whether what it read is the file's.
struct HeldReads {
  unsigned count = 0;
  std::optional<WriteFailure> last;
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
  // A whole section as the file holds it, or why the file could not be read.
  virtual SectionRead SectionLines(std::string_view section) const = 0;
  // Replaces a whole section by such lines with one write of the file, so that either
  // all of them reach it or none; empty lines remove the section.
  virtual std::optional<WriteFailure> ReplaceSection(std::string_view section,
                                                     std::string_view lines) = 0;
  // The reads of this file so far that found it held.
  virtual HeldReads ReadsFoundHeld() const = 0;
};

// The failure of the last read of `settings` that found it held, when one did since the
// count of such reads was `before`.
std::optional<WriteFailure> HeldSince(const SettingsStore& settings, unsigned before);

struct KeyValue {
  std::string_view key;
  std::string value;
};

// The lines of a section with `values` put in: a key the lines hold (its name compared
// without regard to case) gets the new value in its place, the others follow in order.
std::string MergedLines(std::string_view lines, const std::vector<KeyValue>& values);

// The keys of one change of one section, written together: all of them reach the file
// or none does, so that "not saved" is true of the whole change.
std::optional<WriteFailure> WriteAll(SettingsStore& settings, std::string_view section,
                                     std::initializer_list<KeyValue> values);

// A change of several sections, such as the Standard mark moving from one action to
// another or an import. Each section is written whole in turn; when one does not reach
// the file, the sections written before it are put back as they were.
struct SectionValues {
  std::string section;
  std::vector<KeyValue> values;
};
std::optional<WriteFailure> WriteChange(SettingsStore& settings,
                                        const std::vector<SectionValues>& change);

// "Aktion" followed by the action number, the section of one save action.
std::string ActionSection(int number);

}  // namespace qm
