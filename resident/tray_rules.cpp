#include "resident/tray_rules.h"

#include "settings/action_record.h"

namespace qm {

std::string TrayToolTipp(const ActionCache& cache, int standard) {
  if (standard == 0) return {};
  const std::string& name = cache.Record(standard).Name;
  if (!IsStandardMarked(name)) return name;
  // Only the word goes: the blank of the mark stays at the end of the tip.
  return name.substr(0, name.size() - (kStandardMark.size() - 1));
}

std::string TrayTip(std::string_view toolTipName) {
  std::string tip(kTrayTipPrefix);
  tip += toolTipName;
  if (tip.size() >= kTrayTipField) tip.resize(kTrayTipField - 1);
  return tip;
}

}  // namespace qm
