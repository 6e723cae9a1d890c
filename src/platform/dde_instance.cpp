// Instances, the bookkeeping of conversations, and the event-loop entry
// points.

#include <algorithm>
#include <cerrno>
#include <poll.h>

#include "platform/dde_state.h"

namespace platform {
namespace ddestate {

InstancePtr FindInstance(DWORD id) {
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto found = registry.instances.find(id);
  return found == registry.instances.end() ? nullptr : found->second;
}

ConversationPtr FindConversation(HCONV conv, InstancePtr *instance) {
  if (conv == 0)
    return nullptr;
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  for (auto &[id, candidate] : registry.instances) {
    for (auto &conversation : candidate->conversations) {
      if (conversation->id == conv && !conversation->closed) {
        if (instance != nullptr)
          *instance = candidate;
        return conversation;
      }
    }
  }
  return nullptr;
}

std::vector<InstancePtr> ThreadInstances() {
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  std::vector<InstancePtr> found;
  for (auto &[id, instance] : registry.instances)
    if (instance->thread == std::this_thread::get_id())
      found.push_back(instance);
  return found;
}

void SetError(DWORD instance, UINT error) {
  if (InstancePtr found = FindInstance(instance))
    found->lastError = error;
}

HDDEDATA Call(const InstancePtr &instance, UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2,
              HDDEDATA data, ULONG_PTR data1, ULONG_PTR data2) {
  if (!instance->alive || instance->callback == nullptr)
    return 0;
  return instance->callback(type, format, conv, hsz1, hsz2, data, data1, data2);
}

void WatchChanged(const InstancePtr &instance) {
  if (!instance->alive || !instance->watchHook)
    return;
  auto hook = instance->watchHook; // the hook may replace itself
  hook();
}

void Drop(const InstancePtr &instance, const ConversationPtr &conversation) {
  if (conversation->closed)
    return;
  conversation->closed = true;
  ddesock::CloseFd(conversation->fd);
  bool listed = false;
  {
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto &list = instance->conversations;
    auto found = std::find(list.begin(), list.end(), conversation);
    if (found != list.end()) {
      list.erase(found);
      listed = true;
    }
  }
  if (conversation->service != 0)
    ReleaseString(conversation->service);
  if (conversation->topic != 0)
    ReleaseString(conversation->topic);
  conversation->service = conversation->topic = 0;
  if (listed)
    WatchChanged(instance);
}

void Lose(const InstancePtr &instance, const ConversationPtr &conversation) {
  bool wasOpen = conversation->id != 0 && !conversation->closed;
  Drop(instance, conversation);
  if (wasOpen && (instance->flags & CBF_SKIP_DISCONNECTS) == 0)
    Call(instance, XTYP_DISCONNECT, 0, conversation->id, 0, 0, 0, 0, 0);
}

void ReadFrames(const InstancePtr &instance, const ConversationPtr &conversation,
                const std::function<bool(ddewire::Frame &)> &take) {
  if (conversation->closed)
    return;
  std::size_t room = ddewire::MaxFrameSize() - conversation->inbox.size();
  Result<void, ddesock::SocketStop> read =
      ddesock::ReadSome(conversation->fd, conversation->inbox, std::min(room, ReadChunk));
  if (!read && read.error() == ddesock::SocketStop::Closed) {
    Lose(instance, conversation);
    return;
  }
  for (;;) {
    ddewire::DecodeResult decoded = ddewire::DecodeFrame(conversation->inbox);
    if (decoded.status == ddewire::DecodeStatus::Incomplete)
      return;
    if (decoded.status == ddewire::DecodeStatus::Malformed) {
      Lose(instance, conversation);
      return;
    }
    // The frame holds its own copy: handling it may end the conversation.
    conversation->inbox.erase(0, decoded.size);
    if (!take(decoded.frame)) {
      if (!conversation->closed && instance->alive)
        Lose(instance, conversation);
      return;
    }
  }
}

std::vector<int> Watched(const Instance &instance) {
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  std::vector<int> fds;
  for (const Service &service : instance.services)
    fds.push_back(service.listener.fd);
  for (const ConversationPtr &conversation : instance.conversations)
    fds.push_back(conversation->fd);
  return fds;
}

void HandleReadable(const InstancePtr &instance, int fd) {
  if (!instance->alive || fd < 0)
    return;
  ConversationPtr conversation;
  bool listener = false;
  {
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    for (const Service &service : instance->services)
      listener = listener || service.listener.fd == fd;
    for (const ConversationPtr &candidate : instance->conversations)
      if (candidate->fd == fd)
        conversation = candidate;
  }
  if (listener)
    AcceptOn(instance, fd);
  else if (conversation != nullptr && conversation->side == Side::Client)
    ClientReadable(instance, conversation);
  else if (conversation != nullptr)
    ServerReadable(instance, conversation);
}

} // namespace ddestate

using namespace ddestate;

UINT DdeInitialize(DWORD *instId, PFNCALLBACK callback, DWORD flags, DWORD reserved) {
  if (instId == nullptr || callback == nullptr || reserved != 0)
    return DMLERR_INVALIDPARAMETER;
  if (*instId != 0) {
    InstancePtr instance = FindInstance(*instId);
    if (instance == nullptr)
      return DMLERR_INVALIDPARAMETER;
    instance->callback = callback;
    instance->flags = flags;
    return DMLERR_NO_ERROR;
  }
  auto instance = std::make_shared<Instance>();
  instance->callback = callback;
  instance->flags = flags;
  instance->thread = std::this_thread::get_id();
  Registry &registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  instance->id = registry.nextInstance++;
  registry.instances[instance->id] = instance;
  *instId = instance->id;
  return DMLERR_NO_ERROR;
}

bool DdeUninitialize(DWORD instId) {
  InstancePtr instance;
  {
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto found = registry.instances.find(instId);
    if (found == registry.instances.end())
      return false;
    instance = found->second;
    registry.instances.erase(found);
  }
  instance->alive = false;
  std::vector<ConversationPtr> conversations;
  std::vector<Service> services;
  {
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    conversations.swap(instance->conversations);
    services.swap(instance->services);
  }
  for (const ConversationPtr &conversation : conversations) {
    conversation->closed = true;
    ddesock::CloseFd(conversation->fd);
  }
  for (Service &service : services)
    ddesock::CloseListener(service.listener);
  ReleaseInstanceHandles(instId);
  return true;
}

UINT DdeGetLastError(DWORD instId) {
  InstancePtr instance = FindInstance(instId);
  if (instance == nullptr)
    return DMLERR_DLL_NOT_INITIALIZED;
  UINT error = instance->lastError;
  instance->lastError = DMLERR_NO_ERROR;
  return error;
}

void DdeSetConnectTimeout(DWORD instId, DWORD timeoutMs) {
  if (InstancePtr instance = FindInstance(instId))
    instance->connectTimeoutMs = timeoutMs;
}

bool DdeDisconnect(HCONV conv) {
  InstancePtr instance;
  ConversationPtr conversation = FindConversation(conv, &instance);
  if (conversation == nullptr)
    return false;
  Drop(instance, conversation);
  return true;
}

std::vector<int> DdeWatchedSockets(DWORD instId) {
  InstancePtr instance = FindInstance(instId);
  return instance == nullptr ? std::vector<int>() : Watched(*instance);
}

void DdeSocketReady(DWORD instId, int fd) {
  if (InstancePtr instance = FindInstance(instId))
    HandleReadable(instance, fd);
}

void DdeSetWatchHook(DWORD instId, std::function<void()> hook) {
  if (InstancePtr instance = FindInstance(instId))
    instance->watchHook = std::move(hook);
}

void DdeSetWaitHook(DWORD instId, std::function<bool()> hook) {
  if (InstancePtr instance = FindInstance(instId))
    instance->waitHook = std::move(hook);
}

bool DdeServeFor(DWORD instId, int timeoutMs) {
  InstancePtr instance = FindInstance(instId);
  if (instance == nullptr)
    return false;
  std::vector<int> fds = Watched(*instance);
  std::vector<pollfd> watches;
  for (int fd : fds)
    watches.push_back({fd, POLLIN, 0});
  int ready = poll(watches.data(), watches.size(), timeoutMs < 0 ? -1 : timeoutMs);
  if (ready <= 0)
    return true; // time-out, or a signal the caller may want to look at
  for (const pollfd &watch : watches)
    if (watch.revents != 0)
      HandleReadable(instance, watch.fd);
  return true;
}

} // namespace platform
