#pragma once

#include <string>
#include <string_view>

namespace qm {

// A bare drive letter ("d") or drive ("d:") names that drive's root ("d:\"); every
// other path is returned unchanged. Used by the existence test and by everything
// that builds a path from a folder, so that both mean the same place.
std::string CompleteDriveRoot(std::string_view path);

// The folder with exactly one trailing backslash, ready for a name to be appended.
std::string FolderPrefix(std::string_view folder);

}  // namespace qm
