#pragma once

// Runs part of a test in a forked child, for what must not touch the test
// process: another user's rights, a mount namespace of its own.

#include <functional>
#include <string>

namespace hardening {

// The child's outcome.
enum class ChildOutcome {
  Passed,
  Failed,     // a check in the body failed (it printed why)
  CannotStart // the child could not take the rights it was to have
};

// Runs body in a forked child and waits for it. With asUnprivileged, a child
// of root first becomes the user nobody (65534), for whom permissions
// count; others stay who they are, since their permissions count already.
ChildOutcome RunInChild(const std::function<void()> &body, bool asUnprivileged = false);

} // namespace hardening
