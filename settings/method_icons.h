#pragma once

#include <string>
#include <string_view>

namespace qm {

// The two icon files of a method value, relative to the program folder: the tray
// picture and the resident (settings) window's icon.
struct IconFiles {
  std::string tray;
  std::string window;

  bool operator==(const IconFiles&) const = default;
};

IconFiles IconFilesFor(std::string_view aktion);

}  // namespace qm
