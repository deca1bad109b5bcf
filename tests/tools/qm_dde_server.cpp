// A browser's DDE server for the browser address tests: it answers the topic
// "WWW_GetWindowInfo", item "-1", with a fixed reply in CF_TEXT, as Netscape, Mozilla
// and Firefox did.
//
//   qm_dde_server READY QUIT SERVICE REPLY [--delay MS]
//
// --delay makes it wait MS milliseconds before it answers a request, as a browser that
// is busy. The helper sets the named event READY once the service is registered and
// ends when the named event QUIT is set, or after a minute.
#include <windows.h>
// ddeml.h needs the types of windows.h.
#include <ddeml.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kLifetimeMs = 60000;

bool Fail(const wchar_t* what) {
  std::fwprintf(stderr, L"qm_dde_server: %ls (Fehler %lu)\n", what, GetLastError());
  return false;
}

std::string Ansi(const wchar_t* wide) {
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string ansi(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi.data(), size, nullptr, nullptr);
  ansi.pop_back();
  return ansi;
}

// What the DDE callback needs; the callback has no context argument.
struct Server {
  DWORD instance = 0;
  HSZ service = nullptr;
  HSZ topic = nullptr;
  HSZ item = nullptr;
  std::string reply;
  DWORD delayMs = 0;
};
Server server;

HDDEDATA Answer(UINT format, HSZ item) {
  if (format != CF_TEXT || DdeCmpStringHandles(item, server.item) != 0) return nullptr;
  if (server.delayMs > 0) Sleep(server.delayMs);
  const std::string text = server.reply + '\0';
  return DdeCreateDataHandle(server.instance,
                             reinterpret_cast<BYTE*>(const_cast<char*>(text.data())),
                             static_cast<DWORD>(text.size()), 0, item, CF_TEXT, 0);
}

HDDEDATA CALLBACK OnDde(UINT type, UINT format, HCONV, HSZ topic, HSZ item, HDDEDATA, ULONG_PTR,
                        ULONG_PTR) {
  switch (type) {
    case XTYP_CONNECT:
      return reinterpret_cast<HDDEDATA>(
          static_cast<INT_PTR>(DdeCmpStringHandles(topic, server.topic) == 0));
    case XTYP_REQUEST:
      return Answer(format, item);
    default:
      return nullptr;
  }
}

HSZ MakeString(const char* text) {
  HSZ handle = DdeCreateStringHandleA(server.instance, text, CP_WINANSI);
  if (!handle) Fail(L"DdeCreateStringHandle");
  return handle;
}

void ServeUntilQuit(HANDLE quit) {
  const DWORD end = GetTickCount() + kLifetimeMs;
  for (DWORD now = GetTickCount(); end - now <= kLifetimeMs; now = GetTickCount()) {
    if (MsgWaitForMultipleObjects(1, &quit, FALSE, end - now, QS_ALLINPUT) != WAIT_OBJECT_0 + 1) {
      return;
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
}

bool Serve(HANDLE ready, HANDLE quit, const std::string& serviceName) {
  const DWORD flags = APPCLASS_STANDARD | CBF_FAIL_ADVISES | CBF_FAIL_EXECUTES | CBF_FAIL_POKES |
                      CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS;
  if (DdeInitializeA(&server.instance, OnDde, flags, 0) != DMLERR_NO_ERROR) {
    return Fail(L"DdeInitialize");
  }
  server.service = MakeString(serviceName.c_str());
  server.topic = MakeString("WWW_GetWindowInfo");
  server.item = MakeString("-1");
  bool done = server.service && server.topic && server.item;
  done = done && (DdeNameService(server.instance, server.service, nullptr, DNS_REGISTER) ||
                  Fail(L"DdeNameService"));
  done = done && (SetEvent(ready) || Fail(L"SetEvent"));
  if (done) ServeUntilQuit(quit);
  DdeUninitialize(server.instance);
  return done;
}

HANDLE OpenNamedEvent(const wchar_t* name) {
  HANDLE event = OpenEventW(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, name);
  if (!event) Fail(L"OpenEvent");
  return event;
}

bool ParseOptions(int count, wchar_t** arguments) {
  if (count == 0) return true;
  if (count != 2 || std::wstring(arguments[0]) != L"--delay") return false;
  server.delayMs = static_cast<DWORD>(_wtoi(arguments[1]));
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 5 || !ParseOptions(argc - 5, argv + 5)) {
    std::fwprintf(stderr, L"usage: qm_dde_server READY QUIT SERVICE REPLY [--delay MS]\n");
    return 1;
  }
  server.reply = Ansi(argv[4]);
  HANDLE ready = OpenNamedEvent(argv[1]);
  HANDLE quit = OpenNamedEvent(argv[2]);
  const bool done = ready && quit && Serve(ready, quit, Ansi(argv[3]));
  if (ready) CloseHandle(ready);
  if (quit) CloseHandle(quit);
  return done ? 0 : 1;
}
