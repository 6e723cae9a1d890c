#include "platform/session_bus_probe.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

// A socket address of a bus address's entry ("unix:path=/run/user/1/bus",
// "unix:abstract=/tmp/dbus-x,guid=..."), its values %-escaped; nothing for
// any other kind of entry.
struct UnixAddress {
  std::string name;
  bool abstract = false;
};

int HexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

std::string Unescaped(std::string_view value) {
  std::string text;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const int high = i + 2 < value.size() && value[i] == '%' ? HexValue(value[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(value[i + 2]) : -1;
    if (low >= 0) {
      text += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      text += value[i];
    }
  }
  return text;
}

std::optional<UnixAddress> UnixEntry(std::string_view entry) {
  constexpr std::string_view unix = "unix:";
  if (!entry.starts_with(unix))
    return std::nullopt;
  std::string_view rest = entry.substr(unix.size());
  while (!rest.empty()) {
    std::string_view pair = rest.substr(0, rest.find(','));
    rest.remove_prefix(std::min(rest.size(), pair.size() + 1));
    if (pair.starts_with("path="))
      return UnixAddress{Unescaped(pair.substr(5)), false};
    if (pair.starts_with("abstract="))
      return UnixAddress{Unescaped(pair.substr(9)), true};
  }
  return std::nullopt;
}

// A socket connected to address; -1 when it takes none, and a socket that
// cannot be connected yet (its queue is full) is as silent as one that says
// nothing.
std::optional<int> ConnectTo(const UnixAddress &address) {
  sockaddr_un where{};
  where.sun_family = AF_UNIX;
  // An abstract name begins with a NUL and has none at its end.
  const std::size_t start = address.abstract ? 1 : 0;
  if (address.name.empty() || start + address.name.size() >= sizeof where.sun_path)
    return -1;
  std::memcpy(where.sun_path + start, address.name.data(), address.name.size());
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + start +
                                             address.name.size() + (address.abstract ? 0 : 1));
  int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0)
    return -1;
  if (connect(fd, reinterpret_cast<const sockaddr *>(&where), length) == 0)
    return fd;
  const bool full = errno == EAGAIN;
  close(fd);
  return full ? std::nullopt : std::optional<int>(-1);
}

// Sends the handshake's first words and waits for any answer.
BusProbe Ask(int fd, int timeoutMs) {
  // A NUL, then the request to be known by our user id (in hex of its
  // decimal digits), as every client of the bus begins.
  std::string hello(1, '\0');
  hello += "AUTH EXTERNAL ";
  for (char digit : std::to_string(geteuid())) {
    static const char hex[] = "0123456789abcdef";
    hello += hex[static_cast<unsigned char>(digit) >> 4];
    hello += hex[static_cast<unsigned char>(digit) & 0xF];
  }
  hello += "\r\n";
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  auto left = [&] {
    auto ms = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::max<long long>(ms, 0));
  };
  for (std::size_t sent = 0; sent < hello.size();) {
    pollfd writable{fd, POLLOUT, 0};
    if (poll(&writable, 1, left()) <= 0)
      return BusProbe::Silent;
    ssize_t n = send(fd, hello.data() + sent, hello.size() - sent, MSG_NOSIGNAL);
    if (n < 0 && errno != EAGAIN && errno != EINTR)
      return BusProbe::Unknown; // gone: the toolkit finds it gone too
    sent += n > 0 ? static_cast<std::size_t>(n) : 0;
  }
  for (;;) {
    pollfd readable{fd, POLLIN, 0};
    int ready = poll(&readable, 1, left());
    if (ready < 0 && errno == EINTR)
      continue;
    if (ready <= 0)
      return BusProbe::Silent;
    char answer[64];
    ssize_t n = recv(fd, answer, sizeof answer, 0);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
      continue;
    // Any words are an answer; a closed connection fails the toolkit fast.
    return n > 0 ? BusProbe::Answers : BusProbe::Unknown;
  }
}

} // namespace

BusProbe ProbeSessionBus(int timeoutMs) {
  std::string addresses;
  if (const char *named = std::getenv("DBUS_SESSION_BUS_ADDRESS"); named != nullptr) {
    addresses = named;
  } else if (const char *runtime = std::getenv("XDG_RUNTIME_DIR");
             runtime != nullptr && runtime[0] == '/') {
    // Where the bus library looks when no address is named.
    const std::string path = std::string(runtime) + "/bus";
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode))
      return BusProbe::Unknown;
    addresses = "unix:path=" + path;
  } else {
    return BusProbe::Unknown;
  }
  // The bus library takes the first address that takes a connection.
  std::string_view rest = addresses;
  while (!rest.empty()) {
    std::string_view entry = rest.substr(0, rest.find(';'));
    rest.remove_prefix(std::min(rest.size(), entry.size() + 1));
    if (entry.empty())
      continue;
    std::optional<UnixAddress> address = UnixEntry(entry);
    if (!address)
      return BusProbe::Unknown;
    std::optional<int> fd = ConnectTo(*address);
    if (!fd)
      return BusProbe::Silent;
    if (*fd < 0)
      continue;
    BusProbe probe = Ask(*fd, timeoutMs);
    close(*fd);
    return probe;
  }
  return BusProbe::Unknown;
}

} // namespace platform
