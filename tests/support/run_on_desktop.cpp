// run-on-desktop: starts a desktop of its own (DesktopSession), runs one
// command on it and stops the desktop again, so that the tests written in
// Python (the screen reader's, the installed launcher's) get their desktop
// from the same place as the C++ tests.
//
//   run-on-desktop openbox|weston|offscreen -- COMMAND [ARGUMENT...]
//
// The command inherits standard input, output and error, and the caller's
// environment with the desktop's set (DesktopSession::Environment). The
// status is the command's, 128 + the signal when a signal ended it; 77
// (ctest's SKIP_RETURN_CODE) when a program the desktop needs is not
// installed; 1 when the desktop does not start, 127 when the command cannot.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "support/desktop_session.h"

namespace {

constexpr int SkipStatus = 77;
constexpr int CannotRun = 127;

volatile sig_atomic_t CommandPid = 0;
volatile sig_atomic_t StopAsked = 0;

// A stop asked of us (ctest's, a person's Ctrl+C) goes to the command, so
// that it ends first and the desktop is then stopped as usual.
void PassOn(int signal) {
  StopAsked = signal;
  if (CommandPid > 0)
    kill(CommandPid, signal);
}

constexpr int Stops[] = {SIGTERM, SIGINT, SIGHUP};

void PassOnStops() {
  struct sigaction action {};
  action.sa_handler = PassOn;
  sigemptyset(&action.sa_mask);
  for (int signal : Stops)
    sigaction(signal, &action, nullptr);
}

int Usage() {
  std::fputs("usage: run-on-desktop openbox|weston|offscreen -- COMMAND [ARGUMENT...]\n", stderr);
  return 2;
}

// Starts the command and waits for it; its status as a shell gives it.
int RunCommand(char **command) {
  // A stop that comes while the command is started is held until its pid
  // is known, and then passed on.
  sigset_t stops;
  sigset_t previous;
  sigemptyset(&stops);
  for (int signal : Stops)
    sigaddset(&stops, signal);
  sigprocmask(SIG_BLOCK, &stops, &previous);
  if (StopAsked != 0) { // asked before the command ran: it is not started
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    return 128 + StopAsked;
  }
  const pid_t pid = fork();
  if (pid < 0) {
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    std::perror("run-on-desktop: fork");
    return CannotRun;
  }
  if (pid == 0) {
    for (int signal : Stops)
      std::signal(signal, SIG_DFL); // the command's own, not ours
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    // Should we be killed, the command does not live on without its display.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    execvp(command[0], command);
    std::fprintf(stderr, "run-on-desktop: cannot run %s: %s\n", command[0], std::strerror(errno));
    _exit(CannotRun);
  }
  CommandPid = pid;
  sigprocmask(SIG_SETMASK, &previous, nullptr);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  CommandPid = 0;
  if (WIFSIGNALED(status))
    return 128 + WTERMSIG(status);
  return WEXITSTATUS(status);
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 4 || std::strcmp(argv[2], "--") != 0)
    return Usage();
  const std::optional<testsupport::Desktop> desktop = testsupport::DesktopNamed(argv[1]);
  if (!desktop)
    return Usage();
  const std::vector<std::string> missing = testsupport::MissingDesktopPrograms(*desktop);
  if (!missing.empty()) {
    std::fprintf(stderr, "run-on-desktop: %s cannot be started: %s is not installed\n", argv[1],
                 missing.front().c_str());
    return SkipStatus;
  }
  PassOnStops();
  try {
    testsupport::DesktopSession session(*desktop);
    session.Enter();
    const int status = RunCommand(argv + 3);
    if (status != 0)
      std::fprintf(stderr, "run-on-desktop: the command ended with %d; the desktop printed:\n%s\n",
                   status, session.Log().c_str());
    return status;
  } catch (const std::exception &error) {
    std::fprintf(stderr, "run-on-desktop: the %s desktop did not start: %s\n", argv[1],
                 error.what());
    return 1;
  }
}
