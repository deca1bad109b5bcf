#pragma once

#include <string>
#include <vector>

namespace qm {

// What a start of the program asks for: nothing (the resident program), a save of the
// clipboard into a folder ("/hier FOLDER", the Explorer's "Zwischenablage hier
// speichern"), or something the program does not know.
struct StartRequest {
  enum class Kind { Resident, SaveHere, Unknown };
  Kind kind = Kind::Resident;
  std::wstring folder;

  bool operator==(const StartRequest&) const = default;
};

// The arguments after the program's own name, as the system split them.
StartRequest StartRequestOf(const std::vector<std::wstring>& arguments);

}  // namespace qm
