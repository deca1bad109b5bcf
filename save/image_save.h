#pragma once

#include <string>
#include <string_view>

#include "save/speichern.h"

namespace qm {

// The clipboard's file name made usable for the file functions: every "%20" becomes a
// blank, every "|" a colon (the old drive notation of file addresses), every "/" a
// backslash, and every "file:\\\" goes, so file:///C|/Bilder/Foto%20A.jpg becomes
// C:\Bilder\Foto A.jpg. Blanks and line breaks around the name and one pair of
// quotes around it (as "copy as path" gives) are dropped: no file name can hold them.
std::string CleanImagePath(std::string_view clipboardName);

// True for a path on a drive letter ("C:\..."); network paths are not copied.
bool IsDrivePath(std::string_view path);

// The file name of a path (after its last backslash), split at its last dot: the
// extension keeps the dot, and a name without a dot has no extension.
struct ImageName {
  std::string base;
  std::string extension;

  bool operator==(const ImageName&) const = default;
};
ImageName SplitImageName(std::string_view path);

// Copies the image file named on the clipboard into `targetFolder` (with its trailing
// backslash), keeping its name and numbering the base name when that is taken. True
// when a copy was made; otherwise the user has been warned (under the warning rule)
// or told why the copy failed.
bool SaveImage(const std::string& targetFolder, SaveContext& context);

}  // namespace qm
