#pragma once

// Starting a program by name, as the concordance link does when its server
// is not running.
//
// The name is the program itself, never parsed by a shell, and a bare name:
// one with a '/' ("./QVWIN", "../bin/QVWIN") is refused, as it would name a
// file relative to the working folder. It is looked up in the absolute
// folders of PATH, then in the folder this program is installed in, first
// with the name's exact case and then without regard to ASCII case (as
// service names compare). The working folder is never searched: it holds
// packages from anywhere, and a file there must not run because its name is
// a service's. The program starts
// detached from us (a session of its own, standard input from /dev/null, standard output and error
// inherited), with argv[0] the name as given, so a server named by a link
// sees that name.
//
// Focus: we ask for nothing. The started program gets no startup-notification
// or activation token (DESKTOP_STARTUP_ID and XDG_ACTIVATION_TOKEN are
// removed from its environment), so on X11 and Wayland alike the window
// manager has no reason to give it the focus; whether a window is shown
// minimised is up to that program.
//
// The call returns when the program has registered a DDE service (the
// expected one when a service name is given, else any new socket in the DDE
// folder), when it has ended, or after the wait bound. The program is not our
// child once the call returns (a double fork), so it never lingers as a
// zombie of ours.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace platform {

struct StartOptions {
  // The DDE service the program is expected to register; empty: any.
  std::string service;
  // The longest wait for the registration, in milliseconds.
  int waitMs = 5000;
  // The program's arguments after argv[0].
  std::vector<std::string> arguments = {};
  // Called about every 20 ms while the call waits; when it says no, the wait
  // ends at once (the outcome is then StillStarting). Empty: the wait runs
  // its bound.
  std::function<bool()> keepWaiting = {};
};

// What became of a program that was started.
enum class StartOutcome {
  Registered,    // the service answers
  Ended,         // the program ended without registering
  StillStarting, // the wait bound passed first
};

// A program we started, watched until it ends although it is not our child:
// through a pidfd where the system has them, so that a later process given
// the same pid is not taken for it.
class ProgramWatch {
public:
  explicit ProgramWatch(int pid);
  ~ProgramWatch();
  ProgramWatch(ProgramWatch &&other) noexcept;
  ProgramWatch &operator=(ProgramWatch &&other) noexcept;
  ProgramWatch(const ProgramWatch &) = delete;
  ProgramWatch &operator=(const ProgramWatch &) = delete;

  // Whether the program still runs; waits at most waitMs for it to end.
  bool Running(int waitMs = 0) const;

private:
  int pid_ = -1;
  int fd_ = -1;
};

struct StartedProgram {
  StartOutcome outcome;
  ProgramWatch program;
};

// Starts the program and waits as above. A failure, saying why, when it could
// not be started at all (not a bare name, not found, not executable, or could
// not be run).
Result<StartOutcome> StartProgram(const std::string &name, const StartOptions &options);
// The same, keeping the watch of the started program.
Result<StartedProgram> StartWatchedProgram(const std::string &name, const StartOptions &options);

// Whether name is a program's name alone: not empty, without a '/'.
bool IsBareName(std::string_view name);

// The file that name gives: a name with a '/' as it is, a bare name as
// StartProgram looks it up; empty when none.
std::string FindProgram(const std::string &name);

} // namespace platform
