#pragma once

#include <string>
#include <string_view>

namespace qm {

// A name can never be longer than a Windows path, so the name is made from a bounded
// window at the start of the text: naming a 50 MB text costs what naming 1 KB does.
inline constexpr size_t kNameWindow = 4096;

// The name made of the first `words` words of a clipboard text: line feeds become
// blanks, carriage returns go, leading blanks and control characters are skipped;
// when the first 100 characters hold at least `words` blanks the name ends with the
// blank that ends the last word, otherwise it is the whole text. Every character of
// `zeichen` (the settings key "Zeichen") and CR and LF are removed, then trailing
// blanks. The result can still be empty or unfit for the file system: see SafeName.
std::string FirstWordsName(std::string_view text, int words, std::string_view zeichen);

}  // namespace qm
