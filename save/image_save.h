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

// The base name of a picture's PNG file: the action's Dateiname, or "Bild" when that is
// blank or the "egal" that the editor of earlier versions stored for this method.
std::string PictureName(const std::string& dateiname);

// Saves what the clipboard holds into the action's folder. An image file named on the
// clipboard is copied, keeping its name; otherwise a picture on the clipboard becomes
// the PNG file PictureName + ".png". Either name is numbered when taken. True when a
// file was saved; otherwise the user has been warned that there is no image (under the
// warning rule) or told why the save failed.
bool SaveImage(const ActionRecord& action, SaveContext& context);

}  // namespace qm
