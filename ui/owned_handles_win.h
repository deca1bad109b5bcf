#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

namespace qm {

// A system object that goes with its owner (fonts, brushes, regions and icons that a window made
// for itself, a search through a folder, a hidden window of a thread), released by the function the
// system names for it.
template <auto Release>
struct Releaser {
  template <typename Handle>
  void operator()(Handle handle) const {
    Release(handle);
  }
};

template <typename Handle, auto Release>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, Releaser<Release>>;

using OwnedFont = Owned<HFONT, DeleteObject>;
using OwnedBrush = Owned<HBRUSH, DeleteObject>;
using OwnedRegion = Owned<HRGN, DeleteObject>;
using OwnedIcon = Owned<HICON, DestroyIcon>;
using OwnedSearch = Owned<HANDLE, FindClose>;
using OwnedKey = Owned<HKEY, RegCloseKey>;
using OwnedWindow = Owned<HWND, DestroyWindow>;

// A search for the entries that match `pattern`, with the first one in `found`; empty
// when nothing matches.
inline OwnedSearch FindFirst(const std::wstring& pattern, WIN32_FIND_DATAW& found) {
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  return OwnedSearch(search == INVALID_HANDLE_VALUE ? nullptr : search);
}

}  // namespace qm
