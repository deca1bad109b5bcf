#pragma once

#include <functional>
#include <string>

namespace qm {

// FileState of a path: -1 missing, 0 empty, 1 holds at least one byte.
using FileStateQuery = std::function<int(const std::wstring& path)>;

// The name unchanged when folder + name + extension does not exist, else the name
// with the smallest free number appended ("Notiz" -> "Notiz1", "Notiz2", ...). An
// empty file counts as taken; a device name (COM + 1) is never chosen.
std::wstring NumberedName(const std::wstring& folder, const std::wstring& name,
                          const std::wstring& extension, const FileStateQuery& fileState);

}  // namespace qm
