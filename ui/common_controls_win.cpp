#include "ui/common_controls_win.h"

#include "ui/library_on_demand_win.h"

namespace qm {

namespace {

constexpr wchar_t kLibrary[] = L"comctl32.dll";

}  // namespace

bool LoadCommonControls() {
  static const bool loaded = [] {
    const auto init = LibraryFunction<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>(kLibrary, "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES};
    return init && init(&controls);
  }();
  return loaded;
}

HIMAGELIST NewImageList(int size, int count) {
  const auto create = LibraryFunction<HIMAGELIST(WINAPI*)(int, int, UINT, int, int)>(kLibrary, "ImageList_Create");
  return create ? create(size, size, ILC_COLOR32 | ILC_MASK, count, 0) : nullptr;
}

void AddToImageList(HIMAGELIST images, HICON icon) {
  const auto replace = LibraryFunction<int(WINAPI*)(HIMAGELIST, int, HICON)>(kLibrary, "ImageList_ReplaceIcon");
  if (replace && images && icon) replace(images, -1, icon);
}

void DeleteImageList(HIMAGELIST images) {
  const auto destroy = LibraryFunction<BOOL(WINAPI*)(HIMAGELIST)>(kLibrary, "ImageList_Destroy");
  if (destroy && images) destroy(images);
}

}  // namespace qm
