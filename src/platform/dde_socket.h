#pragma once

// The sockets under our DDE layer: the private folder, one listening socket
// per service, connections, and bounded sending and reading with deadlines.

#include <chrono>
#include <string>
#include <string_view>
#include <sys/types.h>

#include "platform/result.h"

namespace platform::ddesock {

using Clock = std::chrono::steady_clock;

// The socket file of a service in the private folder; empty when there is no
// usable folder or the path would not fit a socket address.
std::string ServicePath(const std::string &service);

struct Listener {
  int fd = -1;
  std::string path;
  dev_t device = 0; // the socket file we made, so that we remove only ours
  ino_t inode = 0;
};

// Listens at path; a stale socket file left by a server that died is
// replaced, a live server's is not. fd -1 on failure.
Listener Listen(const std::string &path);
// Closes the socket and removes its file when the file is still ours.
void CloseListener(Listener &listener);

// A non-blocking connection to the socket at path, or -1.
int ConnectTo(const std::string &path);

// Whether the process at the other end runs as our user.
bool PeerIsSameUser(int fd);

// Why a send or a read on a socket stopped. The kind is all: the DDE layer
// turns it into its own error codes, so there is no message.
enum class SocketStop {
  WouldBlock, // a read found nothing waiting
  TimedOut,   // a send met its deadline
  Closed,     // the peer is gone (or another error)
};

// Sends all bytes before the deadline, or stops TimedOut or Closed; a
// partial send leaves the stream unusable either way.
Result<void, SocketStop> SendAll(int fd, std::string_view bytes, Clock::time_point deadline);

// One read of at most limit bytes, appended to inbox; WouldBlock when
// nothing was waiting, Closed when the peer is gone.
Result<void, SocketStop> ReadSome(int fd, std::string &inbox, std::size_t limit);

// Milliseconds left until deadline, for poll(): 0 when past, rounded up.
int RemainingMs(Clock::time_point deadline);

// close() that keeps errno and ignores -1.
void CloseFd(int &fd);

} // namespace platform::ddesock
