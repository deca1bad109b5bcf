#include "clipboard/dde_client_win.h"

#include <ddeml.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <vector>

#include "clipboard/dde_reply.h"

namespace qm {

namespace {

HDDEDATA CALLBACK IgnoreDdeNotices(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return nullptr;
}

// One DDEML client instance of the calling thread.
class DdeClient {
 public:
  DdeClient() {
    if (DdeInitializeA(&id_, IgnoreDdeNotices, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) id_ = 0;
  }
  ~DdeClient() {
    if (id_) DdeUninitialize(id_);
  }
  DdeClient(const DdeClient&) = delete;
  DdeClient& operator=(const DdeClient&) = delete;
  DWORD Id() const { return id_; }

 private:
  DWORD id_ = 0;
};

class DdeString {
 public:
  DdeString(DWORD instance, const std::string& text)
      : instance_(instance), handle_(DdeCreateStringHandleA(instance, text.c_str(), CP_WINANSI)) {}
  ~DdeString() {
    if (handle_) DdeFreeStringHandle(instance_, handle_);
  }
  DdeString(const DdeString&) = delete;
  DdeString& operator=(const DdeString&) = delete;
  HSZ Handle() const { return handle_; }

 private:
  DWORD instance_;
  HSZ handle_;
};

// CF_TEXT of a DDE reply, up to its first zero.
std::string ReplyText(HDDEDATA data) {
  const DWORD size = DdeGetData(data, nullptr, 0, 0);
  std::vector<char> bytes(size);
  const DWORD copied = size ? DdeGetData(data, reinterpret_cast<BYTE*>(bytes.data()), size, 0) : 0;
  return std::string(bytes.data(), strnlen(bytes.data(), copied));
}

std::string RequestWindowInfo(DWORD instance, HCONV conversation) {
  const DdeString item(instance, "-1");
  if (!item.Handle()) return {};
  HDDEDATA data = DdeClientTransaction(nullptr, 0, conversation, item.Handle(), CF_TEXT,
                                       XTYP_REQUEST, kDdeRequestTimeoutMs, nullptr);
  if (!data) return {};
  std::string reply = ReplyText(data);
  DdeFreeDataHandle(data);
  return reply;
}

// The whole conversation, on the thread that calls it.
std::string ConverseWith(const std::string& server) {
  const DdeClient client;
  if (!client.Id()) return {};
  const DdeString service(client.Id(), server);
  const DdeString topic(client.Id(), "WWW_GetWindowInfo");
  if (!service.Handle() || !topic.Handle()) return {};
  HCONV conversation = DdeConnect(client.Id(), service.Handle(), topic.Handle(), nullptr);
  if (!conversation) return {};
  std::string reply = RequestWindowInfo(client.Id(), conversation);
  DdeDisconnect(conversation);
  return DdeReplyAddress(reply);
}

// Shared by the caller and the conversation thread; whoever lets go last frees it.
struct Conversation {
  std::string server;
  std::string address;
};

// Conversation threads that run, also those whose caller has given up on them. A few
// may be stuck at once: those started in the five seconds before a window counts as
// hung. More than that means something else is wrong, and no more threads are spent.
constexpr int kMostRunningConversations = 4;
std::atomic<int> runningConversations{0};

DWORD WINAPI ConversationThread(void* parameter) {
  const std::unique_ptr<std::shared_ptr<Conversation>> conversation(
      static_cast<std::shared_ptr<Conversation>*>(parameter));
  (*conversation)->address = ConverseWith((*conversation)->server);
  --runningConversations;
  return 0;
}

// Waits for `thread` up to `boundMs`, handling the messages that other threads send to
// this thread's windows meanwhile. True when the thread ended in time.
bool WaitHandlingSentMessages(HANDLE thread, DWORD boundMs) {
  const DWORD start = GetTickCount();
  for (DWORD waited = 0; waited < boundMs; waited = GetTickCount() - start) {
    const DWORD result =
        MsgWaitForMultipleObjects(1, &thread, FALSE, boundMs - waited, QS_SENDMESSAGE);
    if (result == WAIT_OBJECT_0) return true;
    if (result != WAIT_OBJECT_0 + 1) return false;
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  return false;
}

HANDLE StartConversation(const std::shared_ptr<Conversation>& conversation) {
  auto* threadShare = new std::shared_ptr<Conversation>(conversation);
  HANDLE thread = CreateThread(nullptr, 0, ConversationThread, threadShare, 0, nullptr);
  if (!thread) delete threadShare;
  return thread;
}

}  // namespace

std::string GetDdeBrowserURL(const std::string& server) {
  if (++runningConversations > kMostRunningConversations) {
    --runningConversations;
    return {};
  }
  const auto conversation = std::make_shared<Conversation>(Conversation{server, {}});
  HANDLE thread = StartConversation(conversation);
  if (!thread) {
    --runningConversations;
    return {};
  }
  const bool ended = WaitHandlingSentMessages(thread, kDdeConversationBoundMs);
  CloseHandle(thread);
  return ended ? conversation->address : std::string();
}

}  // namespace qm
