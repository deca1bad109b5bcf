// The file-drop list parser on any clipboard block, as any program can put one there.
// Beyond running clean under the sanitizers (no byte outside the block is read): every
// name it gives is non-empty and free of zeros, and a list it accepts stays accepted,
// beginning with the same names, when zeros follow the block (as in a larger block).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "clipboard/drop_list.h"
#include "fuzz/fuzz_check.h"

using qm::fuzz::Require;

namespace {

template <typename Name>
bool StartsWith(const std::vector<Name>& names, const std::vector<Name>& start) {
  return names.size() >= start.size() && std::equal(start.begin(), start.end(), names.begin());
}

template <typename Name>
void RequireWholeNames(const std::vector<Name>& names) {
  for (const Name& name : names) {
    Require(!name.empty() && std::find(name.begin(), name.end(), 0) == name.end(),
            "a name is not empty and holds no zero");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view block(reinterpret_cast<const char*>(data), size);
  const auto list = qm::ParseDropList(block);
  if (!list) return 0;
  RequireWholeNames(list->ansiNames);
  RequireWholeNames(list->wideNames);
  Require(list->wide ? list->ansiNames.empty() : list->wideNames.empty(),
          "a list holds names of one kind");
  const auto longer = qm::ParseDropList(std::string(block) + std::string(8, '\0'));
  Require(longer && StartsWith(longer->ansiNames, list->ansiNames) &&
              StartsWith(longer->wideNames, list->wideNames),
          "more memory after the block changes no name that was read");
  return 0;
}
