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

// The special folder's path without a trailing backslash, empty when it is unknown. Like
// every path below, it is given so that the ANSI functions can open it (see AnsiPath).
std::string SpecialFolder(int folder, bool create);

// An existing path for the ANSI functions: the path itself where the code page can write
// it, else its short (8.3) form, which is the same place in letters the code page has;
// empty when neither fits the code page.
std::string AnsiPath(const std::wstring& path);
// The long form of an existing path (short names expanded), else the path as given.
std::wstring LongPath(const std::wstring& path);

}  // namespace qm
