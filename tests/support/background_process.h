#pragma once

// A program that runs in the background while a test talks to it, and is
// ended (and reaped) when the object goes away.

#include <chrono>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

#include "support/run_process.h"

namespace testsupport {

class BackgroundProcess {
public:
  // Starts program with arguments (no shell); standard output and error go
  // to a file that Output() reads. Throws when it cannot fork.
  BackgroundProcess(const std::string &program, const std::vector<std::string> &arguments,
                    const ProcessOptions &options = {});
  ~BackgroundProcess();
  BackgroundProcess(const BackgroundProcess &) = delete;
  BackgroundProcess &operator=(const BackgroundProcess &) = delete;

  pid_t Pid() const { return pid_; }
  // Whether it still runs (reaps it when it has ended).
  bool Running();
  void Signal(int signal);
  // Waits up to timeout for the end; the exit code, -1 when it ended by a
  // signal or still runs.
  int WaitForExit(std::chrono::milliseconds timeout);
  // What it wrote so far.
  std::string Output() const;

private:
  pid_t pid_ = -1;
  int status_ = 0;
  bool reaped_ = false;
  std::string outputFile_;
};

// Polls condition every few milliseconds until it holds or timeout passes.
// The time-out bounds a hang and measures nothing: under the sanitizers on a
// loaded machine a program may take tens of seconds to start or end.
bool WaitUntil(const std::function<bool()> &condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(60));

// Waits until the process has caught signal (its handler is installed) and
// its main thread sleeps, waiting for events, using no processor time over
// half a second: a window or a box is up and its loop runs. Whatever the
// machine's load, a program still starting is either running or has not yet
// caught the signal.
bool WaitUntilWaitingForEvents(pid_t pid, int signal,
                               std::chrono::milliseconds timeout = std::chrono::seconds(60));

// A time-out that no test reaches. A call given it that returns has returned
// for a reason of its own (an event it waited for, a failure), which is what
// the test checks; should it wait for the time-out instead, the test hangs
// and the test runner's limit fails it. Tests never measure time, as a slower
// machine would fail them.
inline constexpr int NeverMs = 3'600'000;

} // namespace testsupport
