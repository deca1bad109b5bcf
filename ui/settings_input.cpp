#include "ui/settings_input.h"

#include <optional>
#include <utility>

#include "settings/ansi_text.h"

namespace qm {

namespace {

// The code point that starts at `at`, and how many UTF-16 units it takes.
std::pair<char32_t, size_t> CodePointAt(std::u16string_view text, size_t at) {
  const char32_t unit = text[at];
  const bool pair = unit >= 0xD800 && unit < 0xDC00 && at + 1 < text.size() &&
                    text[at + 1] >= 0xDC00 && text[at + 1] < 0xE000;
  if (!pair) return {unit, 1};
  return {0x10000 + ((unit - 0xD800) << 10) + (text[at + 1] - 0xDC00), 2};
}

// The character as UI text: UTF-16 where wchar_t has 16 bits, else one code point.
std::wstring WideCharacter(char32_t character) {
  if (sizeof(wchar_t) > 2 || character < 0x10000) {
    return std::wstring(1, static_cast<wchar_t>(character));
  }
  const char32_t above = character - 0x10000;
  return {static_cast<wchar_t>(0xD800 + (above >> 10)),
          static_cast<wchar_t>(0xDC00 + (above & 0x3FF))};
}

// "U+0141": the code, so that even an invisible or unprintable character can be found.
std::wstring CodeText(char32_t character) {
  std::wstring digits;
  for (; character != 0 || digits.size() < 4; character >>= 4) {
    digits.insert(digits.begin(), L"0123456789ABCDEF"[character & 0xF]);
  }
  return L"U+" + digits;
}

MessageRequest MissingCharacterMessage(char32_t character) {
  return {L"Zeichen nicht möglich",
          L"Das Zeichen \"" + WideCharacter(character) + L"\" (" + CodeText(character) +
              L") kann nicht gespeichert werden: Einstellungen und Dateinamen dieses "
              L"Programms kennen nur die Zeichen der Codepage von Windows.\r\n"
              L"Bitte ersetzen Sie es. Es wurde nichts gespeichert.",
          MessageIcon::Exclamation, MessageButtons::Ok};
}

}  // namespace

std::variant<std::string, MessageRequest> StorableText(std::u16string_view typed,
                                                       std::size_t longest,
                                                       std::wstring_view field) {
  std::string ansi;
  for (size_t at = 0; at < typed.size();) {
    const auto [character, units] = CodePointAt(typed, at);
    const std::optional<std::string> bytes = AnsiOfCharacter(character);
    if (!bytes) return MissingCharacterMessage(character);
    ansi += *bytes;
    at += units;
  }
  if (ansi.size() > longest) return TooLongMessage(field, longest);
  return ansi;
}

MessageRequest TooLongMessage(std::wstring_view field, std::size_t longest) {
  return {L"Eingabe zu lang",
          L"Der Eintrag \"" + std::wstring(field) + L"\" ist zu lang: Die Einstellungsdatei kann " +
              L"davon höchstens " + std::to_wstring(longest) +
              L" Zeichen aufnehmen.\r\nBitte kürzen Sie ihn. Es wurde nichts gespeichert.",
          MessageIcon::Exclamation, MessageButtons::Ok};
}

MessageRequest SettingsWriteFailedMessage(const WriteFailure& failure) {
  return {L"Einstellungen nicht gespeichert",
          WriteFailureText(failure) + L"\r\n\r\nIhre Änderung wurde nicht gespeichert.",
          MessageIcon::Exclamation, MessageButtons::Ok};
}

std::wstring WriteFailureText(const WriteFailure& failure) {
  return L"Die Einstellungsdatei \"" + WidenAnsi(failure.file) +
         L"\" konnte nicht geschrieben werden:\r\n" + failure.reason;
}

}  // namespace qm
