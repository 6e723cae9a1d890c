#include "platform/dde_socket.h"

#include "platform/dde.h"
#include "platform/file_lock.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

// A folder we may keep sockets in: a real folder (not a link), ours, and
// closed to everyone else.
bool FolderIsPrivate(const std::string &path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid() &&
         (info.st_mode & 077) == 0;
}

// $XDG_RUNTIME_DIR when it names an absolute folder of ours that we can use.
std::string RuntimeDir() {
  const char *dir = std::getenv("XDG_RUNTIME_DIR");
  if (dir == nullptr || dir[0] != '/')
    return {};
  struct stat info {};
  if (stat(dir, &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid() ||
      access(dir, W_OK | X_OK) != 0)
    return {};
  return dir;
}

// Says once per process why the link has no folder: without one, no server
// can be reached or started, and nothing else would tell.
void RefuseFolder(const std::string &path, const std::string &why) {
  static bool told = false;
  if (told)
    return;
  told = true;
  // Said in the name of the program that met it (the program, the stand-in
  // server under whichever name it was started as).
  std::fprintf(stderr,
               "%s: DDE links are off: the socket folder %s %s; it must be a folder "
               "(not a link) owned by this user, with mode 0700\n",
               program_invocation_short_name, path.c_str(), why.c_str());
}

std::string MakePrivateFolder(const std::string &path) {
  if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
    RefuseFolder(path, std::string("cannot be made (") + std::strerror(errno) + ")");
    return {};
  }
  if (!FolderIsPrivate(path)) {
    struct stat info {};
    bool link = lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
    RefuseFolder(path, link                       ? "is a symbolic link"
                       : !S_ISDIR(info.st_mode)   ? "is not a folder"
                       : info.st_uid != geteuid() ? "belongs to another user"
                                                  : "is open to other users");
    return {};
  }
  return path;
}

} // namespace

std::string DdeSocketFolder() {
  std::string runtime = RuntimeDir();
  if (!runtime.empty())
    return MakePrivateFolder(runtime + "/selwarth-dde");
  return MakePrivateFolder("/tmp/selwarth-dde-" + std::to_string(geteuid()));
}

std::string DdeSocketName(const std::string &service) {
  std::string name;
  for (std::size_t i = 0; i < service.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(service[i]);
    if (c >= 'A' && c <= 'Z')
      c = static_cast<unsigned char>(c - 'A' + 'a');
    bool plain = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
                 (c == '.' && i > 0);
    if (plain) {
      name.push_back(static_cast<char>(c));
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      name += escaped;
    }
  }
  return name;
}

bool DdeServiceListening(const std::string &service) {
  std::string path = ddesock::ServicePath(service);
  if (path.empty())
    return false;
  int fd = ddesock::ConnectTo(path);
  bool listening = fd >= 0;
  ddesock::CloseFd(fd);
  return listening;
}

namespace ddesock {
namespace {

bool MakeAddress(const std::string &path, sockaddr_un &address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path)
    return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

int NewSocket() {
  return socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

bool BindAndListen(int fd, const sockaddr_un &address) {
  return bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 &&
         listen(fd, 16) == 0;
}

} // namespace

std::string ServicePath(const std::string &service) {
  if (service.empty() || service.size() > DdeMaxName)
    return {};
  std::string folder = DdeSocketFolder();
  if (folder.empty())
    return {};
  std::string path = folder + "/" + DdeSocketName(service);
  sockaddr_un address;
  return MakeAddress(path, address) ? path : std::string();
}

Listener Listen(const std::string &path) {
  Listener listener;
  sockaddr_un address;
  if (!MakeAddress(path, address))
    return listener;
  int fd = NewSocket();
  if (fd < 0)
    return listener;
  // The folder's lock, so that of two servers that find the same stale
  // socket only one removes it and binds: otherwise the second could remove
  // the first one's fresh socket and leave it alive but unreachable. Without
  // the lock the registration goes on unguarded, as it would on a file
  // system without locks.
  FileLock lock;
  [[maybe_unused]] Result<void> unguarded =
      lock.Acquire(path.substr(0, path.rfind('/') + 1) + ".lock");
  bool bound = BindAndListen(fd, address);
  if (!bound && errno == EADDRINUSE) {
    // Someone's socket file: a live server keeps it; a dead one's goes.
    int probe = ConnectTo(path);
    if (probe >= 0) {
      CloseFd(probe);
      CloseFd(fd);
      return listener;
    }
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode) && unlink(path.c_str()) == 0)
      bound = BindAndListen(fd, address);
  }
  struct stat info {};
  if (!bound || stat(path.c_str(), &info) != 0) {
    CloseFd(fd);
    return listener;
  }
  listener.fd = fd;
  listener.path = path;
  listener.device = info.st_dev;
  listener.inode = info.st_ino;
  return listener;
}

void CloseListener(Listener &listener) {
  if (listener.fd < 0)
    return;
  struct stat info {};
  // The removal is not checked: a socket file left behind does no harm, as
  // the next server of the name finds no one listening there and replaces it.
  if (lstat(listener.path.c_str(), &info) == 0 && info.st_dev == listener.device &&
      info.st_ino == listener.inode)
    unlink(listener.path.c_str());
  CloseFd(listener.fd);
}

int ConnectTo(const std::string &path) {
  sockaddr_un address;
  if (!MakeAddress(path, address))
    return -1;
  int fd = NewSocket();
  if (fd < 0)
    return -1;
  // A Unix-domain connect completes at once or fails at once (EAGAIN when
  // the server's backlog is full, which counts as not answering).
  if (connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
      !PeerIsSameUser(fd))
    CloseFd(fd);
  return fd;
}

bool PeerIsSameUser(int fd) {
  ucred credentials{};
  socklen_t size = sizeof credentials;
  return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
         size == sizeof credentials && credentials.uid == geteuid();
}

int RemainingMs(Clock::time_point deadline) {
  auto left = deadline - Clock::now();
  if (left <= Clock::duration::zero())
    return 0;
  auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
  return ms > 1000 * 1000 * 1000 ? 1000 * 1000 * 1000 : static_cast<int>(ms);
}

Result<void, SocketStop> SendAll(int fd, std::string_view bytes, Clock::time_point deadline) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
      return Unexpected(SocketStop::Closed);
    int wait = RemainingMs(deadline);
    if (wait == 0)
      return Unexpected(SocketStop::TimedOut);
    pollfd watch{fd, POLLOUT, 0};
    if (poll(&watch, 1, wait) < 0 && errno != EINTR)
      return Unexpected(SocketStop::Closed);
  }
  return {};
}

Result<void, SocketStop> ReadSome(int fd, std::string &inbox, std::size_t limit) {
  if (limit == 0)
    return Unexpected(SocketStop::WouldBlock);
  std::size_t before = inbox.size();
  inbox.resize(before + limit);
  ssize_t n;
  do {
    n = recv(fd, inbox.data() + before, limit, MSG_DONTWAIT);
  } while (n < 0 && errno == EINTR);
  inbox.resize(before + (n > 0 ? static_cast<std::size_t>(n) : 0));
  if (n > 0)
    return {};
  if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
    return Unexpected(SocketStop::WouldBlock);
  return Unexpected(SocketStop::Closed);
}

void CloseFd(int &fd) {
  if (fd < 0)
    return;
  int saved = errno;
  close(fd);
  errno = saved;
  fd = -1;
}

} // namespace ddesock
} // namespace platform
