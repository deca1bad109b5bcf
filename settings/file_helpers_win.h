#pragma once

#include <string>

namespace qm {

// True when the path names an existing folder or file; "d" and "d:" mean the root of D.
bool FolderExists(const std::string& path);

// -1 when the file is missing or cannot be examined, 0 when empty, 1 otherwise.
int FileState(const std::string& path);
int FileState(const std::wstring& path);

// Shell special folders in use: the desktop and the Startup folder.
inline constexpr int kDesktopFolder = 0;
inline constexpr int kStartupFolder = 7;

// The special folder's path without a trailing backslash, empty when it is unknown.
std::string SpecialFolder(int folder, bool create);

}  // namespace qm
