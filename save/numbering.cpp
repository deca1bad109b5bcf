#include "save/numbering.h"

#include "save/safe_name.h"

namespace qm {

std::string NumberedName(const std::string& folder, const std::string& name,
                         const std::string& extension, const FileStateQuery& fileState) {
  const auto isFree = [&](const std::string& candidate) {
    return !IsReservedDeviceName(candidate) && fileState(folder + candidate + extension) == -1;
  };
  if (isFree(name)) return name;
  for (unsigned long i = 1;; ++i) {
    std::string candidate = name + std::to_string(i);
    if (isFree(candidate)) return candidate;
  }
}

}  // namespace qm
