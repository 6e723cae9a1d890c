#pragma once

// An exclusive advisory lock (flock) on a lock file, held until destruction:
// the settings file's writers and the servers registering in the DDE socket
// folder take turns through one.

#include <string>

#include "platform/result.h"

namespace platform {

// The lock file stays in place: removing it would let a third process lock a
// new file while the second still holds the old one.
class FileLock {
public:
  FileLock() = default;
  ~FileLock();
  FileLock(const FileLock &) = delete;
  FileLock &operator=(const FileLock &) = delete;

  // Creates lockPath if needed (never through a symbolic link) and waits for
  // the lock. A failure says why.
  Result<void> Acquire(const std::string &lockPath);

private:
  int fd_ = -1;
};

} // namespace platform
