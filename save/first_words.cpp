#include "save/first_words.h"

#include <type_traits>

#include "save/safe_name.h"
#include "save/strip_out.h"
#include "settings/ansi_text.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

constexpr size_t kBlankCountSpan = 100;

template <typename Char>
bool IsBlankOrControl(Char c) {
  return static_cast<std::make_unsigned_t<Char>>(c) < 33;
}

// Line feeds as blanks, without carriage returns and without the leading blanks and
// control characters, at most kNameWindow characters of it.
template <typename Char>
std::basic_string<Char> NameWindow(std::basic_string_view<Char> text) {
  std::basic_string<Char> window;
  size_t i = 0;
  for (; i < text.size() && i < kNameWindow && IsBlankOrControl(text[i]); ++i) {
  }
  for (; i < text.size() && i < kNameScanLimit && window.size() < kNameWindow; ++i) {
    const Char c = text[i];
    if (c == Char('\r')) continue;
    window += c == Char('\n') ? Char(' ') : c;
  }
  return window;
}

// Length of the text up to and including the blank that ends word `words`, or the
// whole length when the first 100 characters do not hold that many blanks.
template <typename Char>
size_t WordsLength(std::basic_string_view<Char> window, int words) {
  int blanks = 0;
  for (size_t i = 0; i < window.size() && i < kBlankCountSpan; ++i) {
    if (window[i] == Char(' ') && ++blanks == words) return i + 1;
  }
  return window.size();
}

template <typename Char>
std::basic_string<Char> FirstWordsOf(std::basic_string_view<Char> text, int words,
                                     std::basic_string_view<Char> zeichen) {
  const std::basic_string<Char> window = NameWindow(text);
  const std::basic_string_view<Char> name(window.data(), WordsLength<Char>(window, words));
  std::basic_string<Char> removed(zeichen);
  removed += Char('\r');
  removed += Char('\n');
  std::basic_string<Char> cleaned = StripOut(name, removed);
  while (!cleaned.empty() && cleaned.back() == Char(' ')) cleaned.pop_back();
  return cleaned;
}

}  // namespace

std::string FirstWordsName(std::string_view text, int words, std::string_view zeichen) {
  return FirstWordsOf(text, words, zeichen);
}

std::wstring FirstWordsName(std::wstring_view text, int words, std::wstring_view zeichen) {
  return FirstWordsOf(text, words, zeichen);
}

std::string ZeichenOf(const SettingsStore& settings) {
  std::string zeichen = settings.Read("Zeichen", "Zeichen");
  if (zeichen == kMissingEntry) return std::string(kDeliveredZeichen);
  return zeichen;
}

std::wstring FirstWordsFileName(const CopiedText& text, int words, std::string_view zeichen,
                                size_t maxLength) {
  if (text.InCodePage()) {
    return WidenAnsi(SafeName(FirstWordsName(text.ansi, words, zeichen), maxLength));
  }
  const std::wstring head = WideOfUtf8(text.utf8, kNameScanLimit);
  return SafeName(FirstWordsName(head, words, WidenAnsi(zeichen)), maxLength);
}

}  // namespace qm
