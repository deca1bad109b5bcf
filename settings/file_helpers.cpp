#include "settings/file_helpers.h"

#include "settings/ascii_text.h"

namespace qm {

std::string CompleteDriveRoot(std::string_view path) {
  if (path.size() == 1 && IsAsciiLetter(path[0])) return std::string(path) + ":\\";
  if (path.size() == 2 && IsAsciiLetter(path[0]) && path[1] == ':') return std::string(path) + "\\";
  return std::string(path);
}

std::string FolderPrefix(std::string_view folder) {
  std::string prefix = CompleteDriveRoot(folder);
  if (prefix.empty() || (prefix.back() != '\\' && prefix.back() != '/')) prefix += '\\';
  return prefix;
}

}  // namespace qm
