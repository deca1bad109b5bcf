#include "clipboard/registered_formats_win.h"

#include <array>
#include <atomic>

namespace qm {

namespace {

constexpr std::array<const wchar_t*, 5> kNames = {
    L"HTML Format", L"PNG", L"CanIncludeInClipboardHistory",
    L"ExcludeClipboardContentFromMonitorProcessing", L"Clipboard Viewer Ignore"};

}  // namespace

// The reading thread and the program's thread both ask; a number is the same whoever
// registers it first, so a race costs one call more and nothing else.
UINT FormatNumber(RegisteredFormat format) {
  static std::array<std::atomic<UINT>, kNames.size()> numbers{};
  const auto index = static_cast<size_t>(format);
  UINT number = numbers[index].load(std::memory_order_relaxed);
  if (number == 0) {
    number = RegisterClipboardFormatW(kNames[index]);
    numbers[index].store(number, std::memory_order_relaxed);
  }
  return number;
}

}  // namespace qm
