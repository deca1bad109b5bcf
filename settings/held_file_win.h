#pragma once

#include <windows.h>

#include <array>

namespace qm {

// Another program that has a file open for a moment (a sync tool uploading the note just
// saved, a virus scanner, the search indexer, a viewer reading it) makes opening the
// file, or moving a new one into its place, fail until it lets go. Windows refuses the
// move into the place of an open file as a denied access.
enum class FileStep { Opening, Replacing };

inline bool HeldByAnotherProgram(DWORD error, FileStep step) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         (step == FileStep::Replacing && error == ERROR_ACCESS_DENIED);
}

// Makes `attempt` (which returns ERROR_SUCCESS or the error of one try) again while it
// fails on a file that another program holds, with growing pauses, for about a second in
// all; then its error stands. Only a file that stays held makes the user wait that long.
template <typename Attempt>
DWORD TriedWhileHeld(FileStep step, Attempt attempt) {
  constexpr std::array<DWORD, 7> kPausesMs = {10, 20, 40, 80, 160, 320, 400};
  for (const DWORD pause : kPausesMs) {
    const DWORD error = attempt();
    if (!HeldByAnotherProgram(error, step)) return error;
    Sleep(pause);
  }
  return attempt();
}

}  // namespace qm
