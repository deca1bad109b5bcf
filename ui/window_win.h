#pragma once

#include <windows.h>

namespace qm {

// What a plain window (one without a dialog template) is made of.
struct WindowSpec {
  const wchar_t* className = nullptr;
  const wchar_t* caption = L"";
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  int width = 0;
  int height = 0;
  HICON icon = nullptr;
  HBRUSH background = nullptr;
};

// One plain window of the program. The class binds itself to the window at WM_NCCREATE
// and dispatches to HandleMessage, under the one policy of ui/message_guard_win.h;
// what it leaves unhandled gets the system's default answer.
//
// The window is destroyed while its object is whole, by the object itself (Destroy, or
// its own destructor where the end needs its members). One that still exists when the
// base goes is cut loose first, so no message reaches an object whose derived part is
// already gone.
class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return window_; }

 protected:
  // Registers the class (once per program) and creates the window; false when the
  // system refuses either.
  bool Create(HINSTANCE instance, const WindowSpec& spec);
  void Destroy();

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // After the window is gone (by Destroy or by the system).
  virtual void OnDestroyed() {}
  LRESULT DefaultAnswer(UINT message, WPARAM wParam, LPARAM lParam) const;

  HWND window_ = nullptr;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// The display contexts that the system keeps for reuse hold the drawing surface of the
// window they drew last until they are taken again, also after that window has gone;
// under Wine each surface is an image in shared memory (a popup menu's about 300 KB, the
// settings window's about a megabyte). Takes every cached display context once for
// `window`, so that they hold its surface instead: none while it has never been shown, a
// small one while LetGoOfDrawingSurfaces keeps it shrunk.
void LetGoOfCachedDrawingSurfaces(HWND window);

// A hidden window still keeps a drawing surface of its full size. Shrinks the hidden
// window as far as the system lets it, so that its surface becomes a small one, and lets
// go of the cached surfaces. The window needs its size back before it is shown again.
void LetGoOfDrawingSurfaces(HWND hiddenWindow);

}  // namespace qm
