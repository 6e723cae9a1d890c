#include "child_process.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace hardening {

ChildOutcome RunInChild(const std::function<void()> &body, bool asUnprivileged) {
  const pid_t child = fork();
  if (child < 0)
    return ChildOutcome::CannotStart;
  if (child == 0) {
    constexpr uid_t Nobody = 65534;
    if (asUnprivileged && geteuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0))
      _exit(77);
    body();
    // Without the exit handlers: the test process owns what the child shares.
    _exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
    return ChildOutcome::Failed;
  switch (WEXITSTATUS(status)) {
  case 0:
    return ChildOutcome::Passed;
  case 77:
    return ChildOutcome::CannotStart;
  default:
    return ChildOutcome::Failed;
  }
}

} // namespace hardening
