#include "ui/common_controls_win.h"

#include <vector>

namespace qm {

namespace {

constexpr wchar_t kLibrary[] = L"comctl32.dll";

// An icon that shows nothing: every point of its mask is transparent.
HICON EmptyIcon(int size) {
  const size_t rowBytes = static_cast<size_t>((size + 15) / 16 * 2);  // rows of whole words
  const std::vector<BYTE> transparent(rowBytes * static_cast<size_t>(size), 0xFF);
  const std::vector<BYTE> black(transparent.size(), 0);
  return CreateIcon(nullptr, size, size, 1, 1, transparent.data(), black.data());
}

}  // namespace

OwnedLibrary LoadCommonControls() {
  OwnedLibrary library = LoadSystemLibrary(kLibrary);
  const auto init = LibraryFunction<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>(
      library.get(), "InitCommonControlsEx");
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES};
  if (!init || !init(&controls)) library.reset();
  return library;
}

HIMAGELIST NewImageList(int size, int count) {
  const auto create =
      LibraryFunction<HIMAGELIST(WINAPI*)(int, int, UINT, int, int)>(kLibrary, "ImageList_Create");
  return create ? create(size, size, ILC_COLOR32 | ILC_MASK, count, 0) : nullptr;
}

void AddToImageList(HIMAGELIST images, HICON icon, int size) {
  const auto replace =
      LibraryFunction<int(WINAPI*)(HIMAGELIST, int, HICON)>(kLibrary, "ImageList_ReplaceIcon");
  if (!replace || !images) return;
  if (icon) {
    replace(images, -1, icon);
    return;
  }
  HICON empty = EmptyIcon(size);
  if (!empty) return;
  replace(images, -1, empty);
  DestroyIcon(empty);
}

void DeleteImageList(HIMAGELIST images) {
  const auto destroy = LibraryFunction<BOOL(WINAPI*)(HIMAGELIST)>(kLibrary, "ImageList_Destroy");
  if (destroy && images) destroy(images);
}

}  // namespace qm
