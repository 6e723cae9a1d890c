#include "platform/regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

OwnedFile OpenRegularFile(const std::string &path, std::string &problem) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    problem = "cannot open '" + path + "': " + std::strerror(errno);
    return nullptr;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    problem = "'" + path + "' is " + KindOf(status.st_mode) + ", not a regular file";
    ::close(fd);
    return nullptr;
  }
  OwnedFile file(::fdopen(fd, "rb"));
  if (!file) {
    problem = "cannot open '" + path + "': " + std::strerror(errno);
    ::close(fd);
  }
  return file;
}

std::optional<std::string> ReadRegularFile(const std::string &path, std::uint64_t limit,
                                           const std::string &what, std::string &problem) {
  OwnedFile file = OpenRegularFile(path, problem);
  if (!file)
    return std::nullopt;
  const auto tooLarge = [&] {
    problem = "'" + path + "' is too large for " + what + " (more than " +
              std::to_string(limit >> 20) + " MiB)";
    return std::nullopt;
  };
  struct stat status {};
  if (::fstat(::fileno(file.get()), &status) != 0) {
    problem = "cannot read '" + path + "': " + std::strerror(errno);
    return std::nullopt;
  }
  // A sparse file of gigabytes is refused by its size, unread.
  const auto size = static_cast<std::uint64_t>(status.st_size);
  if (size > limit)
    return tooLarge();
  // The file is held once: growing the text as it is read would hold it up
  // to three times over.
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(size));
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    bytes.append(buffer, got);
    if (bytes.size() > limit) // grown since it was looked at
      return tooLarge();
  }
  if (std::ferror(file.get())) {
    problem = "cannot read '" + path + "': " + std::strerror(errno);
    return std::nullopt;
  }
  return bytes;
}

} // namespace platform
