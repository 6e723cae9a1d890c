#pragma once

// An exclusive advisory lock (flock) on a lock file, held until destruction:
// the settings file's writers and the servers registering in the DDE socket
// folder take turns through one.

#include <functional>
#include <string>

#include "platform/result.h"

namespace platform {

// How long Acquire waits for another holder to let go: a writer holds the
// lock for milliseconds, so a longer hold is a program that stopped with it
// (a copy of ours stopped in a debugger or by Ctrl+Z).
inline constexpr int LockWaitMs = 5000;

// What a wait for a lock does between its looks, every few milliseconds (a
// program with windows paints them); none: it only sleeps. Returns the one
// it replaces.
using LockWaitHook = std::function<void()>;
LockWaitHook SetLockWaitHook(LockWaitHook hook);

// The lock file stays in place: removing it would let a third process lock a
// new file while the second still holds the old one.
class FileLock {
public:
  FileLock() = default;
  ~FileLock();
  FileLock(const FileLock &) = delete;
  FileLock &operator=(const FileLock &) = delete;

  // Creates lockPath if needed (never through a symbolic link) and waits for
  // the lock, at most LockWaitMs. A failure says why.
  Result<void> Acquire(const std::string &lockPath);

private:
  int fd_ = -1;
};

} // namespace platform
