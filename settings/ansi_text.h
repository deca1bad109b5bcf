#pragma once

#include <string>
#include <string_view>

namespace qm {

// Data (file names, clipboard text, settings values) is held in the system's ANSI code
// page; the user interface is UTF-16. This is the one crossing from data to the UI.
std::wstring WidenAnsi(std::string_view ansi);
// And back, for data the user typed or picked in the UI, such as a file path.
std::string NarrowAnsi(std::wstring_view wide);

}  // namespace qm
