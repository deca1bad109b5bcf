#pragma once

#include <optional>
#include <string>

#include "save/speichern.h"
#include "settings/action_record.h"

namespace qm {

// Where one text save goes and how the notice reports it.
struct SaveTarget {
  std::string path;
  bool withFolder = false;  // the folder method: "Text und Ordner wurden gespeichert!"
};

// Fixes file (and for the folder method, folder) of one text save by the action's
// method, with the collision warnings; creates the folder of the folder method.
// Nothing when the folder could not be created (the user has been told).
std::optional<SaveTarget> ChooseTarget(const ActionRecord& action, const MethodChoice& method,
                                       const std::string& clipboardText, SaveContext& context);

}  // namespace qm
