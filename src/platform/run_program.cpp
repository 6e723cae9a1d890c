#include "platform/run_program.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace platform {

namespace {

std::vector<char *> ArgumentVector(const std::string &program,
                                   const std::vector<std::string> &arguments) {
  std::vector<char *> argv;
  argv.push_back(const_cast<char *>(program.c_str()));
  for (const std::string &argument : arguments)
    argv.push_back(const_cast<char *>(argument.c_str()));
  argv.push_back(nullptr);
  return argv;
}

bool Executable(const std::string &path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

// Spawns program with its standard input from /dev/null and its output
// dropped. Its pid, or -1.
pid_t Spawn(const std::string &path, const std::vector<std::string> &arguments) {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attributes);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  std::vector<char *> argv = ArgumentVector(path, arguments);
  pid_t pid = -1;
  if (::posix_spawn(&pid, path.c_str(), &actions, &attributes, argv.data(), environ) != 0)
    pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  return pid;
}

} // namespace

std::string FoundOnPath(const std::string &name) {
  if (name.empty())
    return "";
  if (name.find('/') != std::string::npos)
    return Executable(name) ? name : "";
  const char *path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    const std::size_t colon = std::min(folders.find(':', start), folders.size());
    const std::string folder = folders.substr(start, colon - start);
    start = colon + 1;
    // A relative entry would find a file of the working folder.
    if (folder.empty() || folder.front() != '/')
      continue;
    if (const std::string candidate = folder + "/" + name; Executable(candidate))
      return candidate;
  }
  return "";
}

std::optional<int> RunToEnd(const std::string &program, const std::vector<std::string> &arguments,
                            int waitMs) {
  const std::string path = FoundOnPath(program);
  if (path.empty())
    return std::nullopt;
  const pid_t pid = Spawn(path, arguments);
  if (pid < 0)
    return std::nullopt;
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(waitMs);
  int status = 0;
  for (;;) {
    const pid_t ended = ::waitpid(pid, &status, WNOHANG);
    if (ended == pid)
      break;
    if (ended < 0 && errno != EINTR)
      return std::nullopt;
    if (Clock::now() >= deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      return std::nullopt;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!WIFEXITED(status))
    return std::nullopt;
  return WEXITSTATUS(status);
}

bool StartDetached(const std::string &program, const std::vector<std::string> &arguments) {
  const std::string path = FoundOnPath(program);
  if (path.empty())
    return false;
  // Everything is made before the forks: between a fork and the exec only
  // calls that take no lock may run.
  std::vector<char *> argv = ArgumentVector(path, arguments);
  // The middle process starts the program and ends at once, so the program
  // is no child of ours and never lingers as our zombie.
  const pid_t middle = ::fork();
  if (middle < 0)
    return false;
  if (middle == 0) {
    const pid_t started = ::fork();
    if (started == 0) {
      ::setsid();
      const int input = ::open("/dev/null", O_RDONLY);
      if (input >= 0 && input != 0) {
        ::dup2(input, 0);
        ::close(input);
      }
      ::execve(path.c_str(), argv.data(), environ);
      ::_exit(127);
    }
    ::_exit(started > 0 ? 0 : 1);
  }
  int status = 0;
  while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace platform
