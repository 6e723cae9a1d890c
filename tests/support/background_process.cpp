#include "support/background_process.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "support/temp_dir.h"

extern char **environ;

namespace testsupport {

BackgroundProcess::BackgroundProcess(const std::string &program,
                                     const std::vector<std::string> &arguments,
                                     const ProcessOptions &options) {
  std::string pattern = "/tmp/selwarth-output-XXXXXX";
  int out = mkstemp(pattern.data());
  if (out < 0)
    throw std::runtime_error("cannot make an output file");
  outputFile_ = pattern;
  std::vector<std::string> args{program};
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<char *> argv;
  for (std::string &argument : args)
    argv.push_back(argument.data());
  argv.push_back(nullptr);

  pid_ = fork();
  if (pid_ < 0)
    throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    if (options.endWithCaller)
      prctl(PR_SET_PDEATHSIG, SIGKILL);
    int input = open("/dev/null", O_RDONLY);
    dup2(input, 0);
    dup2(out, 1);
    dup2(out, 2);
    if (!options.workingDirectory.empty() && chdir(options.workingDirectory.c_str()) != 0)
      _exit(126);
    for (const auto &[name, value] : options.environment)
      setenv(name.c_str(), value.c_str(), 1);
    execve(program.c_str(), argv.data(), environ);
    _exit(127);
  }
  close(out);
}

BackgroundProcess::~BackgroundProcess() {
  if (Running()) {
    Signal(SIGKILL);
    WaitForExit(std::chrono::seconds(60));
  }
  unlink(outputFile_.c_str());
}

bool BackgroundProcess::Running() {
  if (reaped_ || pid_ <= 0)
    return false;
  pid_t done = waitpid(pid_, &status_, WNOHANG);
  if (done == pid_)
    reaped_ = true;
  return !reaped_;
}

void BackgroundProcess::Signal(int signal) {
  if (Running())
    kill(pid_, signal);
}

int BackgroundProcess::WaitForExit(std::chrono::milliseconds timeout) {
  WaitUntil([&] { return !Running(); }, timeout);
  if (!reaped_ || !WIFEXITED(status_))
    return -1;
  return WEXITSTATUS(status_);
}

std::string BackgroundProcess::Output() const {
  return ReadFileBytes(outputFile_);
}

bool WaitUntil(const std::function<bool()> &condition, std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline)
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

namespace {

// The state letter and the processor time (user and system ticks) of a
// process's main thread, from /proc/PID/stat; false once it has ended.
bool MainThreadState(pid_t pid, char &state, unsigned long long &ticks) {
  std::string stat = ReadFileBytes("/proc/" + std::to_string(pid) + "/stat");
  // The command name is in parentheses and may hold anything: the fields
  // are counted from its closing one.
  std::size_t close = stat.rfind(')');
  if (close == std::string::npos)
    return false;
  std::istringstream fields(stat.substr(close + 1));
  std::string field;
  fields >> state;
  // Fields 4 to 13, then utime (14) and stime (15).
  for (int i = 4; i <= 13 && fields >> field; ++i) {
  }
  unsigned long long user = 0, system = 0;
  if (!(fields >> user >> system))
    return false;
  ticks = user + system;
  return true;
}

bool CatchesSignal(pid_t pid, int signal) {
  std::istringstream status(ReadFileBytes("/proc/" + std::to_string(pid) + "/status"));
  for (std::string line; std::getline(status, line);)
    if (line.rfind("SigCgt:", 0) == 0)
      return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1u;
  return false;
}

} // namespace

bool WaitUntilWaitingForEvents(pid_t pid, int signal, std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  char state = 0;
  unsigned long long before = 0;
  int quietSamples = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    unsigned long long now = 0;
    if (!MainThreadState(pid, state, now))
      return false;
    bool quiet = state == 'S' && now == before && CatchesSignal(pid, signal);
    quietSamples = quiet ? quietSamples + 1 : 0;
    if (quietSamples >= 5)
      return true;
    before = now;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

} // namespace testsupport
