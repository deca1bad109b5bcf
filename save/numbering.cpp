#include "save/numbering.h"

#include "save/safe_name.h"

namespace qm {

std::wstring NumberedName(const std::wstring& folder, const std::wstring& name,
                          const std::wstring& extension, const FileStateQuery& fileState) {
  const auto isFree = [&](const std::wstring& candidate) {
    return !IsReservedDeviceName(candidate) && fileState(folder + candidate + extension) == -1;
  };
  if (isFree(name)) return name;
  for (unsigned long i = 1;; ++i) {
    std::wstring candidate = name + std::to_wstring(i);
    if (isFree(candidate)) return candidate;
  }
}

}  // namespace qm
