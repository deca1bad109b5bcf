#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace qm {

// One save action as read from its section "Aktion<n>": seven texts, unchecked.
// A key missing from the file holds the missing-entry text.
struct ActionRecord {
  std::string Name;
  std::string Dateiname;
  std::string Speicherpfad;
  std::string Aktion;
  std::string Format;
  std::string Url;
  std::string Datum;
};

// The record of action `number` as the settings file holds it.
ActionRecord ReadActionRecord(const SettingsStore& settings, int number);

enum class SaveMethod {
  Bilder,      // "bilder": copy the image file named on the clipboard
  Numbered,    // "extradatei": Dateiname, numbered when taken
  SameFile,    // "gleichedatei": every save appended to Dateiname
  WordFolder,  // "dateiundordner" + digit: a folder named after the first words
  WordFile,    // "extradatei" + digit: a file named after the first words
};

struct MethodChoice {
  SaveMethod method;
  int words;  // the word count of the two first-words methods, 1 to 9

  // The same-file method, and the folder method for a folder of those first words
  // already there, add to a file that may exist; the others only make new files.
  bool ExtendsAFile() const {
    return method == SaveMethod::SameFile || method == SaveMethod::WordFolder;
  }
};

// Tells the methods apart as every reader of the key "Aktion" does: the three plain
// names exactly, then a value of 15 characters is the folder method and any other
// value the first-words method, the word count being the last character.
MethodChoice ParseMethod(std::string_view aktion);

// The format an action writes, by its stored value "Format": "HTML", "Markdown", and
// "Text" for every other value, so that saving and opening a saved file agree on
// damaged values.
enum class DocumentFormat { Text, Html, Markdown };
DocumentFormat FormatOf(std::string_view format);
std::string_view FormatValue(DocumentFormat format);

// The extension of what an action writes: ".html", ".md" or ".txt", by FormatOf.
std::string_view DocumentExtension(std::string_view format);

// The Standard action's stored name ends in " (Standard)". A name counts as marked
// when its last ten characters are "(Standard)"; the plain name drops the last eleven.
inline constexpr std::string_view kStandardMark = " (Standard)";
// The longest name of an action: with the standard mark it is still read back whole.
inline constexpr std::size_t kLongestName = 115;
bool IsStandardMarked(std::string_view name);
std::string PlainName(std::string_view name);

// An action's name is its key: two names are the same action when they read back from
// the settings file alike and agree without the standard mark.
std::string NameKey(std::string_view name);

}  // namespace qm
