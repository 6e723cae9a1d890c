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
#include <utility>
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

ProgramWatch::ProgramWatch(int pid)
    : pid_(pid), fd_(static_cast<int>(syscall(SYS_pidfd_open, pid, 0))) {}

ProgramWatch::~ProgramWatch() {
  if (fd_ >= 0)
    close(fd_);
}

ProgramWatch::ProgramWatch(ProgramWatch &&other) noexcept
    : pid_(std::exchange(other.pid_, -1)), fd_(std::exchange(other.fd_, -1)) {}

ProgramWatch &ProgramWatch::operator=(ProgramWatch &&other) noexcept {
  if (this != &other) {
    if (fd_ >= 0)
      close(fd_);
    pid_ = std::exchange(other.pid_, -1);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

bool ProgramWatch::Running(int waitMs) const {
  if (pid_ <= 0)
    return false;
  if (fd_ >= 0) {
    pollfd exit{fd_, POLLIN, 0};
    return poll(&exit, 1, std::max(waitMs, 0)) == 0;
  }
  // Without a pidfd (an old kernel), or when the program had already ended
  // before it could be opened.
  if (waitMs > 0)
    poll(nullptr, 0, waitMs);
  return kill(pid_, 0) == 0 || errno != ESRCH;
}

Result<StartedProgram> StartWatchedProgram(const std::string &name, const StartOptions &options) {
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

  StartedProgram started{StartOutcome::StillStarting, ProgramWatch(*spawned)};
  bool ended = false;
  while (!ended) {
    if (Registered(options, folder, before)) {
      started.outcome = StartOutcome::Registered;
      return started;
    }
    auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0 || (options.keepWaiting && !options.keepWaiting()))
      return started;
    ended = !started.program.Running(std::min<int>(PollStepMs, static_cast<int>(left.count())));
  }
  started.outcome =
      Registered(options, folder, before) ? StartOutcome::Registered : StartOutcome::Ended;
  return started;
}

Result<StartOutcome> StartProgram(const std::string &name, const StartOptions &options) {
  Result<StartedProgram> started = StartWatchedProgram(name, options);
  if (!started)
    return Failure(started.error());
  return started->outcome;
}

} // namespace platform
