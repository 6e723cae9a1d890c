#include "platform/start_program.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <set>
#include <string_view>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "platform/ascii.h"
#include "platform/dde.h"

extern char **environ;

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int PollStepMs = 20;

bool IsExecutableFile(const std::string &path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::set<std::string> FolderEntries(const std::string &folder) {
  std::set<std::string> names;
  if (folder.empty())
    return names;
  DIR *dir = opendir(folder.c_str());
  if (dir == nullptr)
    return names;
  while (dirent *entry = readdir(dir))
    names.insert(entry->d_name);
  closedir(dir);
  return names;
}

// Where a program is looked for: the absolute folders of PATH, then the
// folder this program was installed in. Never the working folder (nor a
// relative PATH entry, which names it or one below it): that is where
// packages downloaded from anywhere are kept, and a file there must not run
// because a service name matches it.
std::vector<std::string> ProgramFolders() {
  std::vector<std::string> folders;
  const char *path = std::getenv("PATH");
  std::string_view list = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  while (!list.empty()) {
    std::size_t end = std::min(list.find(':'), list.size());
    std::string_view folder = list.substr(0, end);
    if (folder.starts_with('/'))
      folders.emplace_back(folder);
    list.remove_prefix(std::min(end + 1, list.size()));
  }
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && self.has_parent_path())
    folders.push_back(self.parent_path().string());
  return folders;
}

// The environment of the started program: ours without the tokens that
// would let it take the focus.
std::vector<std::string> ChildEnvironment() {
  std::vector<std::string> entries;
  for (char **entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    std::string_view text(*entry);
    if (text.starts_with("DESKTOP_STARTUP_ID=") || text.starts_with("XDG_ACTIVATION_TOKEN="))
      continue;
    entries.emplace_back(text);
  }
  return entries;
}

// Reads exactly size bytes before the deadline; false on end of file, error
// or time-out.
bool ReadExactly(int fd, void *buffer, std::size_t size, Clock::time_point deadline) {
  auto *bytes = static_cast<char *>(buffer);
  std::size_t got = 0;
  while (got < size) {
    auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd watch{fd, POLLIN, 0};
    int ready = poll(&watch, 1, left.count() > 0 ? static_cast<int>(left.count()) : 0);
    if (ready < 0 && errno == EINTR)
      continue;
    if (ready <= 0)
      return false;
    ssize_t n = read(fd, bytes + got, size - got);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    got += static_cast<std::size_t>(n);
  }
  return true;
}

// In the started program, between fork and exec: only async-signal-safe
// calls. Reports the exec error on report and ends.
[[noreturn]] void ExecProgram(const char *path, char *const argv[], char *const envp[],
                              int report) {
  int nullInput = open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (nullInput >= 0)
    dup2(nullInput, 0);
  // Dispositions and masks of ours must not reach the program.
  struct sigaction defaults {};
  defaults.sa_handler = SIG_DFL;
  for (int signal = 1; signal < NSIG; ++signal)
    if (signal != SIGKILL && signal != SIGSTOP)
      sigaction(signal, &defaults, nullptr);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  // Descriptors of ours (other than standard ones) close at exec.
  syscall(SYS_close_range, 3u, ~0u, 4u /* CLOSE_RANGE_CLOEXEC */);
  execve(path, argv, envp);
  int error = errno;
  (void)!write(report, &error, sizeof error);
  _exit(127);
}

// Forks twice: the program runs as a grandchild in a session of its own and
// the middle process ends at once, so no zombie of ours remains. Returns the
// program's pid, or why it could not be run.
Result<pid_t> SpawnDetached(const std::string &path, const std::string &name,
                            const std::vector<std::string> &arguments, Clock::time_point deadline) {
  std::vector<std::string> environment = ChildEnvironment();
  std::vector<char *> envp;
  for (std::string &entry : environment)
    envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::vector<std::string> words = {name};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char *> argv;
  for (std::string &word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);

  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0)
    return Failure(std::strerror(errno));
  pid_t middle = fork();
  if (middle < 0) {
    std::string error = std::strerror(errno);
    close(report[0]);
    close(report[1]);
    return Failure(error);
  }
  if (middle == 0) {
    close(report[0]);
    setsid();
    pid_t program = fork();
    if (program == 0)
      ExecProgram(path.c_str(), argv.data(), envp.data(), report[1]);
    (void)!write(report[1], &program, sizeof program);
    _exit(0);
  }
  close(report[1]);
  int status = 0;
  while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
  }
  pid_t program = -1;
  int execError = 0;
  bool forked = ReadExactly(report[0], &program, sizeof program, deadline) && program > 0;
  bool started = forked && !ReadExactly(report[0], &execError, sizeof execError, deadline);
  close(report[0]);
  if (started)
    return program;
  return Failure(!forked ? "it could not be started" : std::strerror(execError));
}

bool Registered(const StartOptions &options, const std::string &folder,
                const std::set<std::string> &before) {
  if (!options.service.empty())
    return DdeServiceListening(options.service);
  // Socket names never start with '.' (it is escaped); the folder's lock
  // file does.
  for (const std::string &name : FolderEntries(folder))
    if (!before.contains(name) && !name.starts_with('.'))
      return true;
  return false;
}

} // namespace

bool ProgramRunning(const std::string &name) {
  // /proc/PID/comm holds the name cut to 15 characters.
  std::string shown = name.substr(0, 15);
  std::error_code error;
  for (std::filesystem::directory_iterator it("/proc", error), end; !error && it != end;
       it.increment(error)) {
    std::string pid = it->path().filename().string();
    if (pid.find_first_not_of("0123456789") != std::string::npos)
      continue;
    struct stat owner {};
    if (stat(it->path().c_str(), &owner) != 0 || owner.st_uid != getuid())
      continue;
    int fd = open((it->path() / "comm").c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
      continue;
    char comm[32] = {};
    ssize_t got = read(fd, comm, sizeof comm - 1);
    close(fd);
    std::string_view text(comm, got > 0 ? static_cast<std::size_t>(got) : 0);
    if (text.ends_with('\n'))
      text.remove_suffix(1);
    // A program that has ended but is not yet reaped does not run.
    if (text == shown && std::filesystem::exists(it->path() / "exe", error))
      return true;
  }
  return false;
}

bool IsBareName(std::string_view name) {
  return !name.empty() && name.find('/') == std::string_view::npos;
}

std::string FindProgram(const std::string &name) {
  if (name.empty())
    return {};
  if (name.find('/') != std::string::npos)
    return IsExecutableFile(name) ? name : std::string();
  const std::vector<std::string> folders = ProgramFolders();
  for (const std::string &folder : folders) {
    if (IsExecutableFile(folder + "/" + name))
      return folder + "/" + name;
  }
  // Service names compare without regard to case, so "LOGOS" starts the
  // program that serves "Logos".
  for (const std::string &folder : folders) {
    for (const std::string &entry : FolderEntries(folder)) {
      if (SameAscii(entry, name) && IsExecutableFile(folder + "/" + entry))
        return folder + "/" + entry;
    }
  }
  return {};
}

Result<StartOutcome> StartProgram(const std::string &name, const StartOptions &options) {
  if (!name.empty() && !IsBareName(name))
    return Failure("\"" + name + "\" is not a program's bare name: it names a folder");
  std::string path = FindProgram(name);
  if (path.empty())
    return Failure("no program named " + name + " was found");

  auto deadline = Clock::now() + std::chrono::milliseconds(std::max(options.waitMs, 0));
  std::string folder = options.service.empty() ? DdeSocketFolder() : std::string();
  std::set<std::string> before = FolderEntries(folder);
  Result<pid_t> spawned = SpawnDetached(path, name, options.arguments, deadline);
  if (!spawned)
    return Failure(path + ": " + spawned.error());
  const pid_t program = *spawned;

  // A pidfd tells when the program ends although it is not our child.
  int watch = static_cast<int>(syscall(SYS_pidfd_open, program, 0));
  bool ended = watch < 0 && errno == ESRCH;
  StartOutcome result = StartOutcome::StillStarting;
  while (!ended) {
    if (Registered(options, folder, before)) {
      result = StartOutcome::Registered;
      break;
    }
    auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0 || (options.keepWaiting && !options.keepWaiting()))
      break;
    int step = std::min<int>(PollStepMs, static_cast<int>(left.count()));
    if (watch >= 0) {
      pollfd exit{watch, POLLIN, 0};
      ended = poll(&exit, 1, step) > 0;
    } else {
      poll(nullptr, 0, step);
      ended = kill(program, 0) != 0 && errno == ESRCH;
    }
  }
  if (ended)
    result = Registered(options, folder, before) ? StartOutcome::Registered : StartOutcome::Ended;
  if (watch >= 0)
    close(watch);
  return result;
}

} // namespace platform
