#pragma once

// The state behind the DDE functions: instances with their services and
// conversations, and the process-wide tables of string and data handles.
// Shared by dde_*.cpp only.

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/dde.h"
#include "platform/dde_frame.h"
#include "platform/dde_socket.h"

namespace platform::ddestate {

enum class Side { Client, Server };

struct Conversation {
  HCONV id = 0; // 0 while a server waits for the connect frame
  DWORD instance = 0;
  Side side = Side::Client;
  int fd = -1;
  std::string inbox; // bytes read but not yet a whole frame
  HSZ service = 0;   // one owner each, held while the conversation lives
  HSZ topic = 0;
  ddesock::Clock::time_point opened;
  // Client: the last transaction sent, and the one whose answer is awaited
  // (0: none). An answer to an earlier one (that timed out) is dropped.
  std::uint32_t lastSent = 0;
  std::uint32_t awaited = 0;
  bool connecting = false; // client: waiting for the connect reply
  bool answered = false;
  std::uint8_t answerStatus = 0;
  std::string answerData;
  bool closed = false;
};

using ConversationPtr = std::shared_ptr<Conversation>;

struct Service {
  HSZ name = 0; // one owner, held while registered
  ddesock::Listener listener;
};

struct Instance {
  DWORD id = 0;
  PFNCALLBACK callback = nullptr;
  DWORD flags = 0;
  std::thread::id thread;
  UINT lastError = DMLERR_NO_ERROR;
  DWORD connectTimeoutMs = 5000;
  std::vector<Service> services;
  std::vector<ConversationPtr> conversations; // both sides, pending included
  std::function<void()> watchHook;
  std::function<bool()> waitHook; // called while a connect or transaction waits
  bool alive = true;
};

using InstancePtr = std::shared_ptr<Instance>;

struct StringEntry {
  DWORD instance = 0;
  std::string text;
  int owners = 0;
};

struct DataEntry {
  DWORD instance = 0;
  std::string bytes;
  UINT format = 0;
  bool appOwned = false;
};

// The tables. The mutex guards the maps only; instance and conversation
// objects are used by their instance's thread, and no lock is held while a
// callback runs or a call waits.
struct Registry {
  std::mutex mutex;
  std::map<DWORD, InstancePtr> instances;
  std::map<HSZ, StringEntry> strings;
  std::map<HDDEDATA, DataEntry> data;
  DWORD nextInstance = 1;
  HSZ nextString = 1;
  HDDEDATA nextData = 1;
  HCONV nextConversation = 1;
};

Registry &TheRegistry();

InstancePtr FindInstance(DWORD id);
// The open conversation with that handle, and its instance.
ConversationPtr FindConversation(HCONV conv, InstancePtr *instance = nullptr);
// Every live instance of the calling thread.
std::vector<InstancePtr> ThreadInstances();

void SetError(DWORD instance, UINT error);

// String handles without the public checks.
HSZ AddString(DWORD instance, std::string_view text);
void ReleaseString(HSZ hsz);
std::string StringText(HSZ hsz);
// Data handles.
HDDEDATA AddData(DWORD instance, std::string bytes, UINT format, bool appOwned);
bool TakeData(HDDEDATA data, std::string *bytes, bool *appOwned = nullptr);
// Frees every handle of an instance.
void ReleaseInstanceHandles(DWORD instance);

// Calls the instance's callback (no lock held); 0 when the instance has none
// or is gone.
HDDEDATA Call(const InstancePtr &instance, UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2,
              HDDEDATA data, ULONG_PTR data1, ULONG_PTR data2);

// Takes a conversation off its instance and closes its socket and handles,
// without telling anyone.
void Drop(const InstancePtr &instance, const ConversationPtr &conversation);
// The partner went away or broke the protocol: drop the conversation and,
// when it was open, tell the callback with XTYP_DISCONNECT.
void Lose(const InstancePtr &instance, const ConversationPtr &conversation);
void WatchChanged(const InstancePtr &instance);

// Reads and handles what arrived on one of the instance's sockets.
void HandleReadable(const InstancePtr &instance, int fd);
void ClientReadable(const InstancePtr &instance, const ConversationPtr &conversation);
void ServerReadable(const InstancePtr &instance, const ConversationPtr &conversation);
void AcceptOn(const InstancePtr &instance, int listenerFd);
// Reads what arrived on a conversation's socket and hands each whole frame,
// in order, to take, which says whether the conversation goes on. A closed
// socket or a malformed frame loses the conversation; so does take saying
// no, unless take has already ended it (or the instance) itself.
void ReadFrames(const InstancePtr &instance, const ConversationPtr &conversation,
                const std::function<bool(ddewire::Frame &)> &take);

// At most this many bytes are read from a socket at a time.
inline constexpr std::size_t ReadChunk = 16 * 1024;
// At most this many conversations (pending ones included) per instance.
inline constexpr std::size_t MaxConversations = 64;
// The descriptors an instance watches.
std::vector<int> Watched(const Instance &instance);

} // namespace platform::ddestate
