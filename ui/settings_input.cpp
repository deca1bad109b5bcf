#include "ui/settings_input.h"

#include <optional>

#include "settings/ansi_text.h"
#include "settings/utf8_text.h"

namespace qm {

namespace {

// "U+0141": the code, so that even an invisible or unprintable character can be found.
std::wstring CodeText(char32_t character) {
  std::wstring digits;
  for (; character != 0 || digits.size() < 4; character >>= 4) {
    digits.insert(digits.begin(), L"0123456789ABCDEF"[character & 0xF]);
  }
  return L"U+" + digits;
}

MessageRequest MissingCharacterMessage(char32_t character) {
  std::wstring shown;
  AppendUtf16(shown, character);
  return {L"Zeichen nicht möglich",
          L"Das Zeichen \"" + shown + L"\" (" + CodeText(character) +
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

MessageRequest SettingsUnreadMessage(const WriteFailure& failure) {
  return {L"Einstellungen nicht gelesen",
          ReadFailureText(failure) +
              L"\r\n\r\nEs wurde nichts geändert. Bitte versuchen Sie es gleich noch einmal.",
          MessageIcon::Exclamation, MessageButtons::Ok};
}

std::wstring ReadFailureText(const WriteFailure& failure) {
  return L"Die Einstellungsdatei \"" + WidenAnsi(failure.file) +
         L"\" konnte nicht gelesen werden:\r\n" + failure.reason;
}

}  // namespace qm
