#include "settings/file_helpers.h"

namespace qm {

namespace {

bool IsDriveLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::string CompleteDriveRoot(std::string_view path) {
  if (path.size() == 1 && IsDriveLetter(path[0])) return std::string(path) + ":\\";
  if (path.size() == 2 && IsDriveLetter(path[0]) && path[1] == ':') return std::string(path) + "\\";
  return std::string(path);
}

std::string FolderPrefix(std::string_view folder) {
  std::string prefix = CompleteDriveRoot(folder);
  if (prefix.empty() || (prefix.back() != '\\' && prefix.back() != '/')) prefix += '\\';
  return prefix;
}

}  // namespace qm
