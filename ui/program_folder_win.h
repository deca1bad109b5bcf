#pragma once

#include <windows.h>

#include <string>

namespace qm {

// A folder by what it is rather than by how its path is written: the volume and the
// folder's file number, the same through a substituted or mapped drive, Wine's Z: or a
// short name. Empty when the folder cannot be opened.
std::wstring FolderIdentity(const std::wstring& folder);

// Quillmar2.0.exe runs once per program folder: a second one would share the settings
// file, could register none of the hotkeys the first holds and would blank them all;
// the importer holds the same claim while it writes the settings file. The claim is a
// mutex named after the folder's identity and held while the program runs; a copy in
// another folder has a claim of its own.
class ProgramFolderClaim {
 public:
  explicit ProgramFolderClaim(const std::wstring& folder);
  ~ProgramFolderClaim();
  ProgramFolderClaim(const ProgramFolderClaim&) = delete;
  ProgramFolderClaim& operator=(const ProgramFolderClaim&) = delete;

  // False when the claim cannot be made at all, so nothing can tell whether the folder is
  // in use; `Reason` then says why.
  bool Made() const { return mutex_ != nullptr; }
  const std::wstring& Reason() const { return reason_; }

  // Waits up to `timeoutMs` for the claim; true once this process holds it.
  bool Take(DWORD timeoutMs);

 private:
  HANDLE mutex_ = nullptr;
  std::wstring reason_;
  bool held_ = false;
};

// True while a main program of `folder` runs (or is starting or ending), or while the
// importer writes its settings file.
bool MainProgramRuns(const std::wstring& folder);

// False after telling the user that the ANSI functions cannot reach the program folder.
bool ProgramFolderUsable();

}  // namespace qm
