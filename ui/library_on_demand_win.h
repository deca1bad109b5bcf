#pragma once

#include <windows.h>

#include "ui/owned_handles_win.h"

namespace qm {

// A system library for the parts of the program that a resting program does not use:
// loaded with the program, such a library and what it pulls in would enlarge every
// resting program, so it is loaded when first needed and let go with its owner.
using OwnedLibrary = Owned<HMODULE, FreeLibrary>;

inline OwnedLibrary LoadSystemLibrary(const wchar_t* name) {
  return OwnedLibrary(LoadLibraryW(name));
}

// A function of a loaded library; nullptr when the library or the function is not there.
template <typename Function>
Function LibraryFunction(HMODULE library, const char* name) {
  if (!library) return nullptr;
  // Through void (*)(): the one function type any other converts to without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

// The same by the library's name, for a library that its owner holds loaded.
template <typename Function>
Function LibraryFunction(const wchar_t* library, const char* name) {
  return LibraryFunction<Function>(GetModuleHandleW(library), name);
}

}  // namespace qm
