#include "platform/regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {

const char *FileKindOf(unsigned mode) {
  if (S_ISLNK(mode))
    return "a symbolic link";
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

Result<RegularFile> OpenRegularFile(const std::string &path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return Failure("cannot open '" + path + "': " + std::strerror(errno));
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return Failure("'" + path + "' is " + FileKindOf(status.st_mode) + ", not a regular file");
  }
  return RegularFile(fd, status.st_size > 0 ? static_cast<std::uint64_t>(status.st_size) : 0);
}

std::string TooLargeText(const std::string &path, std::uint64_t limit, const std::string &what) {
  return "'" + path + "' is too large for " + what + " (more than " + std::to_string(limit >> 20) +
         " MiB)";
}

Result<std::string> ReadRegularFile(const std::string &path, std::uint64_t limit,
                                    const std::string &what) {
  const Result<RegularFile> opened = OpenRegularFile(path);
  if (!opened)
    return Failure(opened.error());
  const RegularFile &file = *opened;
  const auto tooLarge = [&] { return Failure(TooLargeText(path, limit, what)); };
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
    if (got < 0)
      return Failure("cannot read '" + path + "': " + std::strerror(errno));
    if (got == 0)
      return bytes;
    bytes.append(buffer, static_cast<std::size_t>(got));
    if (bytes.size() > limit) // grown since it was opened
      return tooLarge();
  }
}

} // namespace platform
