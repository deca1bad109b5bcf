#pragma once

#include <optional>
#include <string>

namespace qm {

// The verb "Zwischenablage hier speichern" in the user's own file classes (HKCU, no
// administrator rights), for folders and for a folder's background.

// True when both places hold the verb and it starts the program of `programFolder`.
bool ExplorerVerbIsHere(const std::wstring& programFolder);

// Makes the verb point at `programFolder`, taking it over from another copy. When a
// write fails, nothing of the verb stays, and the result is the system's reason.
std::optional<std::wstring> AddExplorerVerb(const std::wstring& programFolder);

// Removes the verb from the places where it starts the program of `programFolder`;
// another copy's verb stays. The result is the system's reason when a removal failed.
std::optional<std::wstring> RemoveExplorerVerb(const std::wstring& programFolder);

}  // namespace qm
