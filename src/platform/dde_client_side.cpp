// The client side: connecting, synchronous transactions and their wait.

#include <algorithm>
#include <cerrno>
#include <functional>
#include <poll.h>
#include <utility>

#include "platform/dde_frame.h"
#include "platform/dde_state.h"

namespace platform {
namespace ddestate {
namespace {

using ddewire::FrameStatus;
using ddewire::FrameType;

// How a wait ended.
enum class Waited {
  Done,    // done() holds
  Failed,  // the conversation ended or the deadline passed
  Stopped, // the wait hook asked to stop
};

// Waits until done() holds, the conversation ends, or the deadline passes.
// Meanwhile every other socket of the thread's instances is served, as a
// message loop would, so callbacks (a disconnect above all) are delivered,
// and the wait hook runs every WaitHookPeriodMs; when it says no, the wait
// ends at once.
Waited WaitFor(const InstancePtr &instance, const ConversationPtr &conversation,
               ddesock::Clock::time_point deadline, const std::function<bool()> &done) {
  for (;;) {
    if (done())
      return Waited::Done;
    if (conversation->closed || !instance->alive)
      return Waited::Failed;
    int wait = ddesock::RemainingMs(deadline);
    int slice = instance->waitHook ? std::min(wait, WaitHookPeriodMs) : wait;
    std::vector<pollfd> watches{{conversation->fd, POLLIN, 0}};
    std::vector<InstancePtr> owners{instance};
    for (const InstancePtr &other : ThreadInstances()) {
      for (int fd : Watched(*other)) {
        if (fd != conversation->fd) {
          watches.push_back({fd, POLLIN, 0});
          owners.push_back(other);
        }
      }
    }
    int ready = poll(watches.data(), watches.size(), slice);
    if (ready < 0 && errno == EINTR)
      continue;
    if (ready < 0)
      return Waited::Failed;
    if (ready == 0 && wait > 0 && instance->waitHook) {
      auto hook = instance->waitHook; // the hook may replace itself
      if (!hook())
        return Waited::Stopped;
    }
    if (ready > 0 && watches[0].revents != 0)
      ClientReadable(instance, conversation);
    for (std::size_t i = 1; i < watches.size(); ++i)
      if (watches[i].revents != 0)
        HandleReadable(owners[i], watches[i].fd);
    if (wait == 0) // the deadline had passed: this was the last look
      return done() ? Waited::Done : Waited::Failed;
  }
}

UINT TimeoutError(UINT type) {
  switch (type) {
  case XTYP_POKE:
    return DMLERR_POKEACKTIMEOUT;
  case XTYP_EXECUTE:
    return DMLERR_EXECACKTIMEOUT;
  default:
    return DMLERR_DATAACKTIMEOUT;
  }
}

FrameType FrameFor(UINT type) {
  switch (type) {
  case XTYP_POKE:
    return FrameType::Poke;
  case XTYP_EXECUTE:
    return FrameType::Execute;
  default:
    return FrameType::Request;
  }
}

// The frame's effect on a client conversation; false: the partner broke the
// protocol.
bool TakeClientFrame(Conversation &conversation, ddewire::Frame &frame) {
  if (conversation.connecting) {
    if (frame.type != FrameType::ConnectReply)
      return false;
    conversation.connecting = false;
    conversation.answered = true;
    conversation.answerStatus = static_cast<std::uint8_t>(frame.status);
    return true;
  }
  if (frame.type != FrameType::Reply || frame.sequence > conversation.lastSent)
    return false;
  if (frame.sequence != conversation.awaited)
    return true; // the late answer to a transaction that timed out
  conversation.awaited = 0;
  conversation.answered = true;
  conversation.answerStatus = static_cast<std::uint8_t>(frame.status);
  conversation.answerData = std::move(frame.data);
  return true;
}

} // namespace

void ClientReadable(const InstancePtr &instance, const ConversationPtr &conversation) {
  ReadFrames(instance, conversation,
             [&](ddewire::Frame &frame) { return TakeClientFrame(*conversation, frame); });
}

} // namespace ddestate

using namespace ddestate;

HCONV DdeConnect(DWORD instId, HSZ service, HSZ topic, const void *context) {
  InstancePtr instance = FindInstance(instId);
  if (instance == nullptr)
    return 0;
  std::string serviceText = DdeStringText(instId, service);
  std::string topicText = DdeStringText(instId, topic);
  if (context != nullptr || serviceText.empty() || topicText.empty()) {
    instance->lastError = DMLERR_INVALIDPARAMETER;
    return 0;
  }
  instance->lastError = DMLERR_NO_CONV_ESTABLISHED;
  std::string path = ddesock::ServicePath(serviceText);
  int fd = path.empty() ? -1 : ddesock::ConnectTo(path);
  if (fd < 0)
    return 0;

  auto conversation = std::make_shared<Conversation>();
  conversation->instance = instId;
  conversation->side = Side::Client;
  conversation->fd = fd;
  conversation->connecting = true;
  conversation->opened = ddesock::Clock::now();
  auto deadline = conversation->opened + std::chrono::milliseconds(instance->connectTimeoutMs);
  ddewire::Frame connect;
  connect.type = FrameType::Connect;
  connect.name = topicText;
  bool sent = ddesock::SendAll(fd, ddewire::EncodeFrame(connect), deadline).has_value();
  Waited waited =
      sent ? WaitFor(instance, conversation, deadline, [&] { return conversation->answered; })
           : Waited::Failed;
  if (waited != Waited::Done ||
      conversation->answerStatus != static_cast<std::uint8_t>(FrameStatus::Ack)) {
    if (waited == Waited::Stopped)
      instance->lastError = DMLERR_WAITSTOPPED;
    else if (sent && waited == Waited::Failed && !conversation->closed &&
             ddesock::RemainingMs(deadline) == 0)
      instance->lastError = DMLERR_CONNECTTIMEOUT;
    Drop(instance, conversation);
    return 0;
  }
  conversation->answered = false;
  conversation->service = AddString(instId, serviceText);
  conversation->topic = AddString(instId, topicText);
  {
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    conversation->id = registry.nextConversation++;
    instance->conversations.push_back(conversation);
  }
  instance->lastError = DMLERR_NO_ERROR;
  WatchChanged(instance);
  return conversation->id;
}

HDDEDATA DdeClientTransaction(const void *data, DWORD length, HCONV conv, HSZ item, UINT format,
                              UINT type, DWORD timeoutMs, DWORD *result) {
  if (result != nullptr)
    *result = 0;
  InstancePtr instance;
  ConversationPtr conversation = FindConversation(conv, &instance);
  if (conversation == nullptr)
    return 0;
  auto fail = [&](UINT error) {
    instance->lastError = error;
    return HDDEDATA{0};
  };
  bool withItem = type == XTYP_REQUEST || type == XTYP_POKE;
  std::string itemText = withItem ? DdeStringText(instance->id, item) : std::string();
  if (conversation->side != Side::Client ||
      (type != XTYP_REQUEST && type != XTYP_POKE && type != XTYP_EXECUTE) ||
      timeoutMs == 0xFFFFFFFF || format > 0xFFFF || (withItem && itemText.empty()))
    return fail(DMLERR_INVALIDPARAMETER);
  if (conversation->awaited != 0)
    return fail(DMLERR_REENTRANCY);

  std::string bytes;
  if (length == 0xFFFFFFFF) {
    if (!TakeData(reinterpret_cast<HDDEDATA>(data), &bytes))
      return fail(DMLERR_INVALIDPARAMETER);
  } else if (data != nullptr && length > 0) {
    if (length > DdeMaxData)
      return fail(DMLERR_MEMORY_ERROR);
    bytes.assign(static_cast<const char *>(data), length);
  }
  if (bytes.size() > DdeMaxData)
    return fail(DMLERR_MEMORY_ERROR);

  ddewire::Frame frame;
  frame.type = FrameFor(type);
  frame.sequence = ++conversation->lastSent;
  if (frame.sequence == 0)
    frame.sequence = conversation->lastSent = 1;
  frame.format = static_cast<std::uint16_t>(format);
  frame.name = itemText;
  if (type != XTYP_REQUEST)
    frame.data = std::move(bytes);

  auto deadline = ddesock::Clock::now() + std::chrono::milliseconds(timeoutMs);
  conversation->awaited = frame.sequence;
  conversation->answered = false;
  if (!ddesock::SendAll(conversation->fd, ddewire::EncodeFrame(frame), deadline)) {
    // A frame sent in part leaves the stream unusable.
    Lose(instance, conversation);
    return fail(DMLERR_SERVER_DIED);
  }
  Waited waited = WaitFor(instance, conversation, deadline, [&] { return conversation->answered; });
  conversation->awaited = 0;
  if (waited == Waited::Stopped)
    return fail(DMLERR_WAITSTOPPED);
  if (waited != Waited::Done) {
    bool died = conversation->closed;
    return fail(died ? DMLERR_SERVER_DIED : TimeoutError(type));
  }
  conversation->answered = false;
  auto status = static_cast<FrameStatus>(conversation->answerStatus);
  if (result != nullptr)
    *result = status == FrameStatus::Ack ? DDE_FACK : status == FrameStatus::Busy ? DDE_FBUSY : 0;
  if (status == FrameStatus::Busy)
    return fail(DMLERR_BUSY);
  if (status != FrameStatus::Ack)
    return fail(DMLERR_NOTPROCESSED);
  instance->lastError = DMLERR_NO_ERROR;
  if (type != XTYP_REQUEST)
    return 1;
  return AddData(instance->id, std::move(conversation->answerData), format, false);
}

} // namespace platform
