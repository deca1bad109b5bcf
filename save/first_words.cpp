#include "save/first_words.h"

#include "save/strip_out.h"

namespace qm {

namespace {

constexpr size_t kBlankCountSpan = 100;

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) < 33; }

// Dropped carriage returns do not fill the window, so the bytes read are bounded too:
// a text of nothing but carriage returns must not be read to its end.
constexpr size_t kScanLimit = 2 * kNameWindow;

// Line feeds as blanks, without carriage returns and without the leading blanks and
// control characters, at most kNameWindow characters of it.
std::string NameWindow(std::string_view text) {
  std::string window;
  size_t i = 0;
  for (; i < text.size() && i < kNameWindow && IsBlankOrControl(text[i]); ++i) {
  }
  for (; i < text.size() && i < kScanLimit && window.size() < kNameWindow; ++i) {
    const char c = text[i];
    if (c == '\r') continue;
    window += c == '\n' ? ' ' : c;
  }
  return window;
}

// Length of the text up to and including the blank that ends word `words`, or the
// whole length when the first 100 characters do not hold that many blanks.
size_t WordsLength(std::string_view window, int words) {
  int blanks = 0;
  for (size_t i = 0; i < window.size() && i < kBlankCountSpan; ++i) {
    if (window[i] == ' ' && ++blanks == words) return i + 1;
  }
  return window.size();
}

}  // namespace

std::string FirstWordsName(std::string_view text, int words, std::string_view zeichen) {
  const std::string window = NameWindow(text);
  const std::string name = window.substr(0, WordsLength(window, words));
  std::string cleaned = StripOut(name, std::string(zeichen) + "\r\n");
  while (!cleaned.empty() && cleaned.back() == ' ') cleaned.pop_back();
  return cleaned;
}

}  // namespace qm
