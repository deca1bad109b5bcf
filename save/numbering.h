#pragma once

#include <functional>
#include <string>

namespace qm {

// FileState of a path: -1 missing, 0 empty, 1 holds at least one byte.
using FileStateQuery = std::function<int(const std::string& path)>;

// The name unchanged when folder + name + extension does not exist, else the name
// with the smallest free number appended ("Notiz" -> "Notiz1", "Notiz2", ...). An
// empty file counts as taken; a device name (COM + 1) is never chosen.
std::string NumberedName(const std::string& folder, const std::string& name,
                         const std::string& extension, const FileStateQuery& fileState);

}  // namespace qm
