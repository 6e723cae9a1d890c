#include "platform/export_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Why an existing name is not written, from what the failed open or fstat
// said or found.
std::string Refusal(int code) {
  switch (code) {
  case ELOOP:
    return "it is a symbolic link, and the text is not written through one";
  case ENXIO: // a FIFO that no one reads, or a device without its hardware
  case ENODEV:
    return "it is not a regular file";
  default:
    return std::strerror(code);
  }
}

} // namespace

Result<std::FILE *> CreateExportFile(const std::string &path) {
  // No O_TRUNC: the file is emptied only once it is known to be ours.
  const int fd = ::open(path.c_str(),
                        O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0)
    return Failure(Refusal(errno));
  std::string error;
  struct stat info;
  const char *refused = nullptr;
  if (::fstat(fd, &info) != 0)
    error = std::strerror(errno);
  else if (!S_ISREG(info.st_mode))
    refused = "it is not a regular file";
  else if (info.st_uid != ::geteuid())
    refused = "it belongs to another user";
  else if (::ftruncate(fd, 0) != 0)
    error = std::strerror(errno);
  else if (std::FILE *file = ::fdopen(fd, "wb"))
    return file;
  else
    error = std::strerror(errno);
  if (refused != nullptr)
    error = refused;
  ::close(fd);
  return Failure(error);
}

} // namespace platform
