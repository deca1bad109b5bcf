// A window of another program for the browser address tests: a top-level window with
// a title and a tree of child windows holding texts, put on top of the window stack.
//
//   qm_window_helper READY QUIT TITLE [--hidden] [--hung] [FIELD]...
//
// FIELD is CLASS=TEXT, a child window of that class ("Edit", "MozillaWindowClass",
// "Static", ...) with that text. Each leading '>' puts it one level deeper, inside the
// last field of the level above: "Static=", ">Edit=http://a" is an edit field inside a
// static window. --hidden leaves the window hidden; --hung stops handling messages once
// the window is up, as a program that hangs.
//
// The helper sets the named event READY when its window is up and on top, and ends when
// the named event QUIT is set, or after a minute.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD kLifetimeMs = 60000;
const wchar_t kMozillaClass[] = L"MozillaWindowClass";
const wchar_t kTopClass[] = L"QmWindowHelperTop";

bool Fail(const wchar_t* what) {
  std::fwprintf(stderr, L"qm_window_helper: %ls (Fehler %lu)\n", what, GetLastError());
  return false;
}

struct Field {
  int depth = 0;
  std::wstring className;
  std::wstring text;
};

struct Request {
  std::wstring title;
  bool hidden = false;
  bool hung = false;
  std::vector<Field> fields;
};

bool ParseField(const std::wstring& argument, Field& field) {
  field.depth = static_cast<int>(argument.find_first_not_of(L'>'));
  const size_t equals = argument.find(L'=');
  if (field.depth < 0 || equals == std::wstring::npos) return false;
  field.className = argument.substr(field.depth, equals - field.depth);
  field.text = argument.substr(equals + 1);
  return !field.className.empty();
}

bool ParseRequest(int count, wchar_t** arguments, Request& request) {
  request.title = arguments[0];
  for (int i = 1; i < count; ++i) {
    const std::wstring argument = arguments[i];
    Field field;
    if (argument == L"--hidden") {
      request.hidden = true;
    } else if (argument == L"--hung") {
      request.hung = true;
    } else if (ParseField(argument, field)) {
      request.fields.push_back(field);
    } else {
      return false;
    }
  }
  return true;
}

bool RegisterPlainClass(const wchar_t* name) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = name;
  return RegisterClassW(&windowClass) != 0 || Fail(L"RegisterClass");
}

// Children by depth: parents[d] is the window that the next field of depth d goes in.
bool CreateFields(HWND top, const std::vector<Field>& fields) {
  std::vector<HWND> parents{top};
  for (const Field& field : fields) {
    if (field.depth >= static_cast<int>(parents.size())) return Fail(L"Feldtiefe");
    HWND child =
        CreateWindowExW(0, field.className.c_str(), field.text.c_str(), WS_CHILD | WS_VISIBLE, 0, 0,
                        100, 20, parents[field.depth], nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!child) return Fail(L"CreateWindowEx (Feld)");
    parents.resize(field.depth + 1);
    parents.push_back(child);
  }
  return true;
}

void HandlePendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Handles messages until QUIT is set, or, hung, only waits for it.
void LiveUntilQuit(HANDLE quit, bool hung) {
  const DWORD end = GetTickCount() + kLifetimeMs;
  for (DWORD now = GetTickCount(); end - now <= kLifetimeMs; now = GetTickCount()) {
    const DWORD wait = hung ? WaitForSingleObject(quit, end - now)
                            : MsgWaitForMultipleObjects(1, &quit, FALSE, end - now, QS_ALLINPUT);
    if (wait != WAIT_OBJECT_0 + 1) return;
    HandlePendingMessages();
  }
}

bool ShowWindowOnTop(HWND top, const Request& request) {
  if (request.hidden) return true;
  ShowWindow(top, SW_SHOW);
  if (!SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE)) {
    return Fail(L"SetWindowPos");
  }
  SetForegroundWindow(top);
  return true;
}

bool Run(HANDLE ready, HANDLE quit, const Request& request) {
  if (!RegisterPlainClass(kTopClass) || !RegisterPlainClass(kMozillaClass)) return false;
  HWND top = CreateWindowExW(0, kTopClass, request.title.c_str(), WS_OVERLAPPEDWINDOW, 10, 10, 400,
                             300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!top) return Fail(L"CreateWindowEx");
  const bool up = CreateFields(top, request.fields) && ShowWindowOnTop(top, request);
  HandlePendingMessages();
  if (up && !SetEvent(ready)) return Fail(L"SetEvent");
  if (up) LiveUntilQuit(quit, request.hung);
  // The window goes with the process. Destroying it first would cost two seconds under
  // Wine without a window manager, which waits that long for the window to be withdrawn.
  return up;
}

HANDLE OpenNamedEvent(const wchar_t* name) {
  HANDLE event = OpenEventW(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, name);
  if (!event) Fail(L"OpenEvent");
  return event;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Request request;
  if (argc < 4 || !ParseRequest(argc - 3, argv + 3, request)) {
    std::fwprintf(stderr,
                  L"usage: qm_window_helper READY QUIT TITLE [--hidden] [--hung]"
                  L" [[>...]CLASS=TEXT]...\n");
    return 1;
  }
  HANDLE ready = OpenNamedEvent(argv[1]);
  HANDLE quit = OpenNamedEvent(argv[2]);
  const bool done = ready && quit && Run(ready, quit, request);
  if (ready) CloseHandle(ready);
  if (quit) CloseHandle(quit);
  return done ? 0 : 1;
}
