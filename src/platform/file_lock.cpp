#include "platform/file_lock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {

std::string Reason(const std::string &what, int code) {
  return what + ": " + std::strerror(code);
}

} // namespace

FileLock::~FileLock() {
  if (fd_ >= 0)
    ::close(fd_); // releases the lock
}

Result<void> FileLock::Acquire(const std::string &lockPath) {
  fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, 0600);
  if (fd_ < 0)
    return Failure(Reason("cannot open the lock file " + lockPath, errno));
  int result;
  do
    result = ::flock(fd_, LOCK_EX);
  while (result != 0 && errno == EINTR);
  if (result != 0)
    return Failure(Reason("cannot lock " + lockPath, errno));
  return {};
}

} // namespace platform
