#pragma once

#include <string>
#include <string_view>

#include "clipboard/copied_text.h"
#include "settings/settings_store.h"

namespace qm {

// A name can never be longer than a Windows path, so the name is made from a bounded
// window at the start of the text: naming a 50 MB text costs what naming 1 KB does.
inline constexpr size_t kNameWindow = 4096;
// Dropped carriage returns do not fill the window, so the characters read are bounded
// too: a text of nothing but carriage returns must not be read to its end. Nothing
// after this many characters can reach a name.
inline constexpr size_t kNameScanLimit = 2 * kNameWindow;

// The name made of the first `words` words of a clipboard text: line feeds become
// blanks, carriage returns go, leading blanks and control characters are skipped;
// when the first 100 characters hold at least `words` blanks the name ends with the
// blank that ends the last word, otherwise it is the whole text. Every character of
// `zeichen` (the settings key "Zeichen") and CR and LF are removed, then trailing
// blanks. The result can still be empty or unfit for the file system: see SafeName.
// The wide form names a text with characters the code page lacks, by the same rules.
std::string FirstWordsName(std::string_view text, int words, std::string_view zeichen);
std::wstring FirstWordsName(std::wstring_view text, int words, std::wstring_view zeichen);

// The characters the settings file delivers under the key "Zeichen".
inline constexpr std::string_view kDeliveredZeichen = "\\/:*?\"<>|%#";
// The characters of the key "Zeichen" as the user's file holds them. Where it lacks the
// key, or another program held the file so that it read as missing, the delivered ones:
// the missing-entry text itself would take its letters and blanks out of every name.
std::string ZeichenOf(const SettingsStore& settings);

// The name of a copied text, made usable by SafeName within `maxLength` characters. A
// text the code page holds is named exactly as the ANSI program always did; any other by
// the same rules on its own characters, of which only the start is converted.
std::wstring FirstWordsFileName(const CopiedText& text, int words, std::string_view zeichen,
                                size_t maxLength);

}  // namespace qm
