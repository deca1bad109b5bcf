#pragma once

#include <windows.h>

namespace qm {

// A function of a system library that is loaded when the function is first needed,
// for the parts of the program that a resting program never uses: loaded with the
// program, such a library and what it pulls in would enlarge every resting program.
// nullptr when the library or the function is not there.
template <typename Function>
Function LibraryFunction(const wchar_t* library, const char* name) {
  HMODULE module = GetModuleHandleW(library);
  if (!module) module = LoadLibraryW(library);
  if (!module) return nullptr;
  // Through void (*)(): the one function type any other converts to without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace qm
