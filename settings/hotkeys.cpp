#include "settings/hotkeys.h"

#include <array>

namespace qm {

namespace {

constexpr unsigned kVirtualKeyF1 = 112;
constexpr int kFunctionKeys = 12;

HotkeyBinding GeneralBinding(std::string_view name) {
  const std::string prefix = "Hotkey" + std::string(name);
  return {"Hotkeys", prefix + "A", prefix + "B", prefix + "C"};
}

// The number of a function-key text "F1".."F12", or 0 for any other text.
int FunctionKeyNumber(std::string_view keyText) {
  if (keyText.size() < 2 || keyText.size() > 3 || keyText[0] != 'F' || keyText[1] == '0') return 0;
  int number = 0;
  for (const char digit : keyText.substr(1)) {
    if (digit < '0' || digit > '9') return 0;
    number = number * 10 + (digit - '0');
  }
  return number <= kFunctionKeys ? number : 0;
}

}  // namespace

bool IsHotkeyId(int id) { return id >= kFirstActionHotkey && id <= kHotkeyStandard; }

HotkeyBinding BindingOf(int id) {
  switch (id) {
    case kHotkeyTrayMenu:
      return GeneralBinding("Tray");
    case kHotkeyAutomatic:
      return GeneralBinding("Aut");
    case kHotkeyStandard:
      return GeneralBinding("Stan");
    default:
      return {ActionSection(id), "HotkeyA", "HotkeyB", "HotkeyC"};
  }
}

std::vector<int> AllHotkeyIds(int last) {
  std::vector<int> ids;
  for (int id = kFirstActionHotkey; id <= kHotkeyStandard; ++id) {
    if (id != last) ids.push_back(id);
  }
  if (IsHotkeyId(last)) ids.push_back(last);
  return ids;
}

HotkeyText ReadHotkey(const SettingsStore& settings, const HotkeyBinding& binding) {
  return {settings.Read(binding.section, binding.keyA),
          settings.Read(binding.section, binding.keyB),
          settings.Read(binding.section, binding.keyC)};
}

bool IsFunctionKeyText(std::string_view keyText) { return FunctionKeyNumber(keyText) != 0; }

bool HasHotkey(std::string_view keyText) { return !keyText.empty() && keyText != kMissingEntry; }

unsigned ModifierFlag(std::string_view modifierText) {
  struct Modifier {
    std::string_view name;
    unsigned flag;
  };
  static constexpr std::array<Modifier, 4> kModifiers{
      {{"Win", 8}, {"Shift", 4}, {"Strg", 2}, {"Alt", 1}}};
  for (const Modifier& modifier : kModifiers) {
    if (modifier.name == modifierText) return modifier.flag;
  }
  return 0;
}

unsigned ModifierFlags(std::string_view a, std::string_view b) {
  return ModifierFlag(a) | ModifierFlag(b);
}

unsigned VirtualKey(std::string_view keyText) {
  if (const int function = FunctionKeyNumber(keyText)) {
    return kVirtualKeyF1 + static_cast<unsigned>(function - 1);
  }
  return keyText.empty() ? 0 : static_cast<unsigned char>(keyText.front());
}

HotkeyCombination CombinationOf(const HotkeyText& hotkey) {
  return {ModifierFlags(hotkey.a, hotkey.b), VirtualKey(hotkey.c)};
}

std::string CombinationText(const HotkeyText& hotkey) {
  const auto part = [](const std::string& stored) {
    return stored == kMissingEntry ? std::string() : stored;
  };
  std::string text;
  for (const std::string& modifier : {part(hotkey.a), part(hotkey.b)}) {
    if (!modifier.empty()) text += modifier + " + ";
  }
  return text + part(hotkey.c);
}

int OwnHolder(const SettingsStore& settings, int id) {
  const HotkeyCombination wanted = CombinationOf(ReadHotkey(settings, BindingOf(id)));
  for (const int other : AllHotkeyIds(id)) {
    const HotkeyText stored = ReadHotkey(settings, BindingOf(other));
    if (other != id && HasHotkey(stored.c) && CombinationOf(stored) == wanted) return other;
  }
  return 0;
}

}  // namespace qm
