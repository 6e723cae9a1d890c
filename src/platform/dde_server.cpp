// The server side: registered services, accepting conversations, and
// answering transactions through the callback.

#include <algorithm>
#include <cerrno>
#include <sys/socket.h>

#include "platform/dde_frame.h"
#include "platform/dde_state.h"

namespace platform {
namespace ddestate {
namespace {

using ddewire::Frame;
using ddewire::FrameStatus;
using ddewire::FrameType;

// How long a server waits for a client to take its answer.
constexpr auto SendTimeout = std::chrono::milliseconds(1000);

bool SendFrame(const Conversation &conversation, const Frame &frame) {
  return ddesock::SendAll(conversation.fd, ddewire::EncodeFrame(frame),
                          ddesock::Clock::now() + SendTimeout)
      .has_value();
}

// Drops connections that never said which topic they want.
void DropStalePending(const InstancePtr &instance) {
  auto limit = ddesock::Clock::now() - std::chrono::milliseconds(instance->connectTimeoutMs);
  std::vector<ConversationPtr> stale;
  {
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    for (const ConversationPtr &conversation : instance->conversations)
      if (conversation->id == 0 && conversation->opened < limit)
        stale.push_back(conversation);
  }
  for (const ConversationPtr &conversation : stale)
    Drop(instance, conversation);
}

void HandleConnect(const InstancePtr &instance, const ConversationPtr &conversation,
                   const Frame &frame) {
  conversation->topic = AddString(instance->id, frame.name);
  bool accepted =
      (instance->flags & CBF_FAIL_CONNECTIONS) == 0 &&
      Call(instance, XTYP_CONNECT, 0, 0, conversation->topic, conversation->service, 0, 0, 0) != 0;
  if (conversation->closed || !instance->alive)
    return;
  Frame reply;
  reply.type = FrameType::ConnectReply;
  reply.status = accepted ? FrameStatus::Ack : FrameStatus::NotProcessed;
  if (!SendFrame(*conversation, reply) || !accepted) {
    Drop(instance, conversation);
    return;
  }
  {
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    conversation->id = registry.nextConversation++;
  }
  if ((instance->flags & CBF_SKIP_CONNECT_CONFIRMS) == 0)
    Call(instance, XTYP_CONNECT_CONFIRM, 0, conversation->id, conversation->topic,
         conversation->service, 0, 0, 0);
}

struct Kind {
  UINT type;
  DWORD failFlag;
};

Kind KindOf(FrameType type) {
  switch (type) {
  case FrameType::Request:
    return {XTYP_REQUEST, CBF_FAIL_REQUESTS};
  case FrameType::Poke:
    return {XTYP_POKE, CBF_FAIL_POKES};
  default:
    return {XTYP_EXECUTE, CBF_FAIL_EXECUTES};
  }
}

// Runs the callback for one transaction and fills in the reply; false when
// no reply is to be sent.
bool Answer(const InstancePtr &instance, const ConversationPtr &conversation, Frame &frame,
            Frame &reply) {
  Kind kind = KindOf(frame.type);
  if ((instance->flags & kind.failFlag) != 0)
    return true;
  HSZ item = frame.name.empty() ? 0 : AddString(instance->id, frame.name);
  HDDEDATA data = 0;
  if (kind.type != XTYP_REQUEST)
    data = AddData(instance->id, std::move(frame.data), frame.format, false);
  HDDEDATA result = Call(instance, kind.type, kind.type == XTYP_EXECUTE ? 0 : frame.format,
                         conversation->id, conversation->topic, item, data, 0, 0);
  if (item != 0)
    ReleaseString(item);
  if (data != 0)
    DdeFreeDataHandle(data);
  if (result == DDE_NOANSWER)
    return false;
  if (conversation->closed || !instance->alive) {
    // The callback ended the conversation; the data it made goes nowhere.
    std::string unused;
    if (kind.type == XTYP_REQUEST && result != 0)
      TakeData(result, &unused); // frees it unless the application keeps it
    return false;
  }
  if (kind.type == XTYP_REQUEST) {
    std::string bytes;
    if (result != 0 && TakeData(result, &bytes)) {
      reply.status = FrameStatus::Ack;
      reply.data = std::move(bytes);
    }
  } else if ((result & DDE_FACK) != 0) {
    reply.status = FrameStatus::Ack;
  } else if ((result & DDE_FBUSY) != 0) {
    reply.status = FrameStatus::Busy;
  }
  return true;
}

void HandleTransaction(const InstancePtr &instance, const ConversationPtr &conversation,
                       Frame &frame) {
  Frame reply;
  reply.type = FrameType::Reply;
  reply.sequence = frame.sequence;
  if (!Answer(instance, conversation, frame, reply))
    return;
  if (!SendFrame(*conversation, reply))
    Lose(instance, conversation);
}

// Handles one frame; false when the conversation is over.
bool TakeServerFrame(const InstancePtr &instance, const ConversationPtr &conversation,
                     Frame &frame) {
  bool pending = conversation->id == 0;
  bool transaction = frame.type == FrameType::Request || frame.type == FrameType::Poke ||
                     frame.type == FrameType::Execute;
  if (pending && frame.type == FrameType::Connect)
    HandleConnect(instance, conversation, frame);
  else if (!pending && transaction)
    HandleTransaction(instance, conversation, frame);
  else
    Lose(instance, conversation);
  return !conversation->closed && instance->alive;
}

} // namespace

void ServerReadable(const InstancePtr &instance, const ConversationPtr &conversation) {
  ReadFrames(instance, conversation,
             [&](Frame &frame) { return TakeServerFrame(instance, conversation, frame); });
}

void AcceptOn(const InstancePtr &instance, int listenerFd) {
  HSZ service = 0;
  {
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    for (const Service &candidate : instance->services)
      if (candidate.listener.fd == listenerFd)
        service = candidate.name;
  }
  if (service == 0)
    return;
  DropStalePending(instance);
  for (int accepted = 0; accepted < 8; ++accepted) {
    int fd = accept4(listenerFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0 && (errno == EINTR || errno == ECONNABORTED))
      continue;
    if (fd < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
      return;
    if (fd < 0) {
      instance->lastError = DMLERR_SYS_ERROR;
      Call(instance, XTYP_ERROR, 0, 0, 0, 0, 0, DMLERR_SYS_ERROR, 0);
      return;
    }
    bool full;
    {
      Registry &registry = TheRegistry();
      std::lock_guard lock(registry.mutex);
      full = instance->conversations.size() >= MaxConversations;
    }
    if (full || !ddesock::PeerIsSameUser(fd)) {
      ddesock::CloseFd(fd);
      continue;
    }
    auto conversation = std::make_shared<Conversation>();
    conversation->instance = instance->id;
    conversation->side = Side::Server;
    conversation->fd = fd;
    conversation->opened = ddesock::Clock::now();
    conversation->service = AddString(instance->id, StringText(service));
    {
      Registry &registry = TheRegistry();
      std::lock_guard lock(registry.mutex);
      instance->conversations.push_back(conversation);
    }
    WatchChanged(instance);
  }
}

} // namespace ddestate

using namespace ddestate;

namespace {

bool Register(const InstancePtr &instance, HSZ service) {
  std::string text = DdeStringText(instance->id, service);
  if (text.empty()) {
    instance->lastError = DMLERR_INVALIDPARAMETER;
    return false;
  }
  for (const Service &existing : instance->services)
    if (DdeCmpStringHandles(existing.name, service) == 0)
      return true;
  std::string path = ddesock::ServicePath(text);
  ddesock::Listener listener = path.empty() ? ddesock::Listener() : ddesock::Listen(path);
  if (listener.fd < 0) {
    instance->lastError = DMLERR_DLL_USAGE;
    return false;
  }
  HSZ name = AddString(instance->id, text);
  {
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    instance->services.push_back(Service{name, listener});
  }
  WatchChanged(instance);
  return true;
}

// Withdraws one service, or all for 0; false when it was not registered.
bool Unregister(const InstancePtr &instance, HSZ service) {
  std::vector<Service> gone;
  {
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto &services = instance->services;
    auto kept = std::stable_partition(services.begin(), services.end(), [&](const Service &s) {
      return service != 0 && s.name != service;
    });
    gone.assign(kept, services.end());
    services.erase(kept, services.end());
  }
  for (Service &each : gone) {
    ddesock::CloseListener(each.listener);
    ReleaseString(each.name);
  }
  if (!gone.empty())
    WatchChanged(instance);
  return !gone.empty() || service == 0;
}

} // namespace

HDDEDATA DdeNameService(DWORD instId, HSZ service, HSZ /*reserved*/, UINT command) {
  InstancePtr instance = FindInstance(instId);
  if (instance == nullptr)
    return 0;
  if ((instance->flags & APPCMD_CLIENTONLY) != 0) {
    instance->lastError = DMLERR_DLL_USAGE;
    return 0;
  }
  bool done = false;
  if (command & DNS_REGISTER)
    done = Register(instance, service);
  else if (command & DNS_UNREGISTER)
    done = Unregister(instance, service);
  else
    instance->lastError = DMLERR_INVALIDPARAMETER;
  return done ? 1 : 0;
}

} // namespace platform
