#include "platform/regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

const char *KindOf(mode_t mode) {
  if (S_ISFIFO(mode))
    return "a FIFO";
  if (S_ISCHR(mode))
    return "a character device";
  if (S_ISBLK(mode))
    return "a block device";
  if (S_ISDIR(mode))
    return "a folder";
  if (S_ISSOCK(mode))
    return "a socket";
  return "not a plain file";
}

} // namespace

RegularFile::~RegularFile() {
  if (fd_ >= 0)
    ::close(fd_);
}

RegularFile::RegularFile(RegularFile &&other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_) {}

RegularFile &RegularFile::operator=(RegularFile &&other) noexcept {
  if (this != &other) {
    if (fd_ >= 0)
      ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    size_ = other.size_;
  }
  return *this;
}

RegularFile OpenRegularFile(const std::string &path, std::string &problem) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    problem = "cannot open '" + path + "': " + std::strerror(errno);
    return {};
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    problem = "'" + path + "' is " + KindOf(status.st_mode) + ", not a regular file";
    ::close(fd);
    return {};
  }
  return {fd, status.st_size > 0 ? static_cast<std::uint64_t>(status.st_size) : 0};
}

std::optional<std::string> ReadRegularFile(const std::string &path, std::uint64_t limit,
                                           const std::string &what, std::string &problem) {
  const RegularFile file = OpenRegularFile(path, problem);
  if (!file)
    return std::nullopt;
  const auto tooLarge = [&] {
    problem = "'" + path + "' is too large for " + what + " (more than " +
              std::to_string(limit >> 20) + " MiB)";
    return std::nullopt;
  };
  // A sparse file of gigabytes is refused by its size, unread.
  if (file.Size() > limit)
    return tooLarge();
  // The file is held once: growing the text as it is read would hold it up
  // to three times over.
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(file.Size()));
  char buffer[1 << 16];
  while (true) {
    const ssize_t got = ::read(file.Fd(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0) {
      problem = "cannot read '" + path + "': " + std::strerror(errno);
      return std::nullopt;
    }
    if (got == 0)
      return bytes;
    bytes.append(buffer, static_cast<std::size_t>(got));
    if (bytes.size() > limit) // grown since it was opened
      return tooLarge();
  }
}

} // namespace platform
