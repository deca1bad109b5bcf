#include "tests/e2e/support/clipboard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "tests/e2e/support/wait.h"

namespace qm::e2e {

namespace {

constexpr DWORD kOpenTimeoutMs = 5000;
constexpr wchar_t kViewerClass[] = L"QuillmarTestClipboardViewer";

struct Block {
  UINT format;
  std::string bytes;
};

HGLOBAL GlobalCopy(const std::string& bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) return nullptr;
  void* target = GlobalLock(memory);
  if (!target) {
    GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(target, bytes.data(), bytes.size());
  GlobalUnlock(memory);
  return memory;
}

void Put(const Block& block) {
  HGLOBAL memory = GlobalCopy(block.bytes);
  ASSERT_NE(memory, nullptr) << "GlobalAlloc: " << GetLastError();
  if (!SetClipboardData(block.format, memory)) {
    GlobalFree(memory);
    FAIL() << "SetClipboardData(" << block.format << "): " << GetLastError();
  }
}

// Wine's clipboard manager opens the clipboard for a moment after every change, so
// opening is retried for a while.
void Replace(const std::vector<Block>& blocks) {
  ASSERT_TRUE(WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, kOpenTimeoutMs))
      << "OpenClipboard: " << GetLastError();
  EXPECT_TRUE(EmptyClipboard()) << GetLastError();
  for (const Block& block : blocks) Put(block);
  ASSERT_TRUE(CloseClipboard()) << GetLastError();
}

std::string ZeroTerminated(std::string text) {
  text.push_back('\0');
  return text;
}

}  // namespace

void PutTextOnClipboard(const std::string& text) { Replace({{CF_TEXT, ZeroTerminated(text)}}); }

void PutSecretOnClipboard(const std::string& text) {
  const UINT marker = RegisterClipboardFormatW(L"Clipboard Viewer Ignore");
  ASSERT_NE(marker, 0u) << "RegisterClipboardFormat: " << GetLastError();
  Replace({{marker, std::string(1, '\0')}, {CF_TEXT, ZeroTerminated(text)}});
}

void EmptyTheClipboard() { Replace({}); }

TestClipboardViewer::TestClipboardViewer() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kViewerClass;
  RegisterClassExW(&windowClass);  // fails harmlessly when a scenario made it before
  window_ = CreateWindowExW(0, kViewerClass, L"Test viewer", 0, 0, 0, 0, 0, nullptr, nullptr,
                            windowClass.hInstance, this);
  EXPECT_NE(window_, nullptr) << "CreateWindowEx: " << GetLastError();
  if (!window_) return;
  SetLastError(0);
  next_ = SetClipboardViewer(window_);
  EXPECT_EQ(GetLastError(), 0u) << "SetClipboardViewer";
}

TestClipboardViewer::~TestClipboardViewer() {
  if (!window_) return;
  ChangeClipboardChain(window_, next_);
  DestroyWindow(window_);
}

LRESULT CALLBACK TestClipboardViewer::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<TestClipboardViewer*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  }
  auto* self = reinterpret_cast<TestClipboardViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self ? self->HandleMessage(message, wParam, lParam)
              : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT TestClipboardViewer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWCLIPBOARD:
      ++notifications_;
      if (next_) SendMessageW(next_, message, wParam, lParam);
      return 0;
    case WM_CHANGECBCHAIN:
      if (reinterpret_cast<HWND>(wParam) == next_) {
        next_ = reinterpret_cast<HWND>(lParam);
      } else if (next_) {
        SendMessageW(next_, message, wParam, lParam);
      }
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

}  // namespace qm::e2e
