#pragma once

#include <windows.h>

#include <string>

namespace qm {

// Quillmar2.0.exe runs once per program folder: a second one would share the settings
// file, could register none of the hotkeys the first holds and would blank them all.
// The claim is a mutex named after the folder and held while the program runs; a copy
// in another folder has a claim of its own.
class ProgramFolderClaim {
 public:
  explicit ProgramFolderClaim(const std::wstring& folder);
  ~ProgramFolderClaim();
  ProgramFolderClaim(const ProgramFolderClaim&) = delete;
  ProgramFolderClaim& operator=(const ProgramFolderClaim&) = delete;

  // Waits up to `timeoutMs` for the claim; true once this process holds it. Without a
  // mutex nothing can tell, and the program runs as if alone.
  bool Take(DWORD timeoutMs);

 private:
  HANDLE mutex_;
  bool held_ = false;
};

// True while a main program of `folder` runs (or is starting or ending).
bool MainProgramRuns(const std::wstring& folder);

// False after telling the user that the ANSI functions cannot reach the program folder.
bool ProgramFolderUsable();

}  // namespace qm
