#pragma once

// The sockets under our DDE layer: the private folder, one listening socket
// per service, connections, and bounded sending and reading with deadlines.

#include <chrono>
#include <string>
#include <string_view>
#include <sys/types.h>

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

enum class IoResult { Done, TimedOut, Closed };

// Sends all bytes before the deadline. Closed: the peer is gone (or another
// error); a partial send leaves the stream unusable either way but the
// first.
IoResult SendAll(int fd, std::string_view bytes, Clock::time_point deadline);

enum class ReadResult { Data, WouldBlock, Closed };

// One read of at most limit bytes, appended to inbox.
ReadResult ReadSome(int fd, std::string &inbox, std::size_t limit);

// Milliseconds left until deadline, for poll(): 0 when past, rounded up.
int RemainingMs(Clock::time_point deadline);

// close() that keeps errno and ignores -1.
void CloseFd(int &fd);

} // namespace platform::ddesock
