#include "platform/file_lock.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

// How often a wait looks at the lock again.
constexpr auto LookEvery = std::chrono::milliseconds(10);

LockWaitHook &WaitHook() {
  static LockWaitHook hook;
  return hook;
}

std::string Reason(const std::string &what, int code) {
  return what + ": " + std::strerror(code);
}

} // namespace

LockWaitHook SetLockWaitHook(LockWaitHook hook) {
  return std::exchange(WaitHook(), std::move(hook));
}

FileLock::~FileLock() {
  if (fd_ >= 0)
    ::close(fd_); // releases the lock
}

Result<void> FileLock::Acquire(const std::string &lockPath) {
  fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, 0600);
  if (fd_ < 0)
    return Failure(Reason("cannot open the lock file " + lockPath, errno));
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(LockWaitMs);
  while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR)
      continue;
    if (errno != EWOULDBLOCK)
      return Failure(Reason("cannot lock " + lockPath, errno));
    if (Clock::now() >= deadline)
      return Failure("cannot lock " + lockPath + ": another program has held it for " +
                     std::to_string(LockWaitMs / 1000) + " seconds");
    // A copy: the hook may set another.
    if (LockWaitHook hook = WaitHook())
      hook();
    std::this_thread::sleep_for(LookEvery);
  }
  return {};
}

} // namespace platform
