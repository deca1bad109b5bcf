#include "options/hotkey_fields.h"

#include <algorithm>

namespace qm {

const std::vector<std::string>& ModifierEntries() {
  static const std::vector<std::string> entries{"Strg", "Alt", "Shift", "Win",
                                                std::string(kNoHotkeyField)};
  return entries;
}

const std::vector<std::string>& KeyEntries() {
  static const std::vector<std::string> entries = [] {
    std::vector<std::string> list;
    for (char letter = 'A'; letter <= 'Z'; ++letter) list.emplace_back(1, letter);
    list.emplace_back(kNoHotkeyField);
    for (char digit = '0'; digit <= '9'; ++digit) list.emplace_back(1, digit);
    list.emplace_back(kNoHotkeyField);
    for (int f = 1; f <= 12; ++f) list.push_back("F" + std::to_string(f));
    return list;
  }();
  return entries;
}

std::string FieldText(std::string_view stored, const std::vector<std::string>& entries) {
  const bool listed = std::find(entries.begin(), entries.end(), stored) != entries.end();
  return listed ? std::string(stored) : std::string(kNoHotkeyField);
}

std::string StoredPart(std::string_view fieldText) {
  return fieldText == kNoHotkeyField ? std::string() : std::string(fieldText);
}

bool IsIncompleteHotkey(const HotkeyText& fields) {
  return fields.c == kNoHotkeyField && (fields.a != kNoHotkeyField || fields.b != kNoHotkeyField);
}

MessageRequest IncompleteHotkeyMessage() {
  MessageRequest request{
      L"Hotkey nicht vollständig!",
      L"Sie haben vergessen den hinteren Teil des Hotkeys auszuwählen (3. Feld)!\r\n\r\n"
      L"Falls sie keinen Hotkey anlegen möchten, so stellen sie alle 3 Felder wieder \r\n"
      L"auf den Grundzustand zurück.",
      MessageIcon::Exclamation, MessageButtons::Ok};
  request.systemModal = true;
  return request;
}

std::optional<MessageRequest> HotkeyProblem(const HotkeyText& fields) {
  if (IsIncompleteHotkey(fields)) return IncompleteHotkeyMessage();
  const std::string key = StoredPart(fields.c);
  if (key.empty() || IsFunctionKeyText(key) ||
      ModifierFlags(StoredPart(fields.a), StoredPart(fields.b)) != 0) {
    return std::nullopt;
  }
  return MessageRequest{
      L"Hotkey ohne Zusatztaste",
      L"Ein Buchstabe oder eine Ziffer allein kann kein Hotkey sein: Die Taste "
      L"wäre dann in keinem Programm mehr zu tippen.\r\n\r\nWählen Sie dazu "
      L"\"Strg\", \"Alt\", \"Shift\" oder \"Win\" aus, oder eine der Tasten F1 bis F12.",
      MessageIcon::Exclamation, MessageButtons::Ok};
}

}  // namespace qm
