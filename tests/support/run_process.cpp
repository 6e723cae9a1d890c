#include "support/run_process.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace testsupport {
namespace {

void CloseIfOpen(int &fd) {
  if (fd >= 0)
    close(fd);
  fd = -1;
}

} // namespace

ProcessResult RunProcess(const std::string &program, const std::vector<std::string> &arguments,
                         const ProcessOptions &options) {
  std::signal(SIGPIPE, SIG_IGN); // a child that stops reading must not end the test
  int in[2], out[2], err[2];
  if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0)
    throw std::runtime_error("pipe failed");

  const std::string peakProgram = BuiltProgram("peak-memory");
  std::string peakFile;
  if (options.measurePeak) {
    peakFile = "/tmp/selwarth-peak-XXXXXX";
    const int fd = mkstemp(peakFile.data());
    if (fd < 0)
      throw std::runtime_error("mkstemp failed");
    close(fd);
  }
  pid_t pid = fork();
  if (pid < 0)
    throw std::runtime_error("fork failed");
  if (pid == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    if (!options.workingDirectory.empty() && chdir(options.workingDirectory.c_str()) != 0)
      _exit(126);
    for (const auto &[name, value] : options.environment)
      setenv(name.c_str(), value.c_str(), 1);
    std::vector<char *> argv;
    if (options.measurePeak) {
      argv.push_back(const_cast<char *>(peakProgram.c_str()));
      argv.push_back(const_cast<char *>(peakFile.c_str()));
    }
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const auto &argument : arguments)
      argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    execve(argv.front(), argv.data(), environ);
    _exit(127);
  }

  close(in[0]);
  close(out[1]);
  close(err[1]);
  int toChild = in[1], fromOut = out[0], fromErr = err[0];
  size_t written = 0;
  if (options.input.empty())
    CloseIfOpen(toChild);

  ProcessResult result;
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(options.timeoutMs);
  while (fromOut >= 0 || fromErr >= 0) {
    pollfd fds[3] = {{fromOut, POLLIN, 0}, {fromErr, POLLIN, 0}, {toChild, POLLOUT, 0}};
    int wait = -1;
    if (options.timeoutMs > 0 && !result.timedOut) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) {
        kill(pid, SIGKILL);
        result.timedOut = true;
      } else {
        wait = static_cast<int>(left);
      }
    }
    if (poll(fds, 3, wait) < 0) {
      if (errno == EINTR)
        continue;
      break;
    }
    char buffer[4096];
    for (int i = 0; i < 2; ++i) {
      int &fd = i == 0 ? fromOut : fromErr;
      if (fd < 0 || fds[i].revents == 0)
        continue;
      ssize_t n = read(fd, buffer, sizeof buffer);
      if (n <= 0)
        CloseIfOpen(fd);
      else
        (i == 0 ? result.output : result.errors).append(buffer, static_cast<size_t>(n));
    }
    if (toChild >= 0 && fds[2].revents != 0) {
      ssize_t n = write(toChild, options.input.data() + written, options.input.size() - written);
      if (n <= 0 || (written += static_cast<size_t>(n)) == options.input.size())
        CloseIfOpen(toChild);
    }
  }
  CloseIfOpen(toChild);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (options.measurePeak) {
    if (std::FILE *file = std::fopen(peakFile.c_str(), "r")) {
      if (std::fscanf(file, "%ld", &result.peakKib) != 1)
        result.peakKib = 0;
      std::fclose(file);
    }
    unlink(peakFile.c_str());
  }
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

long PeakMarginKib() {
  constexpr long AllocatorKib = 2 << 10;
  const long processors = std::max(1L, sysconf(_SC_NPROCESSORS_ONLN));
  const long batchPages = std::max(32L, 2 * processors);
  const long pageKib = std::max(1L, sysconf(_SC_PAGESIZE) / 1024);
  return AllocatorKib + 3 * batchPages * pageKib;
}

std::string BuiltProgram(const std::string &name) {
  const char *bin = std::getenv("SELWARTH_BIN");
  return std::string(bin != nullptr ? bin : SELWARTH_BIN_DIR) + "/" + name;
}

std::string SourceTree() {
  const char *source = std::getenv("SELWARTH_SOURCE");
  return source != nullptr ? source : SELWARTH_SOURCE_DIR;
}

} // namespace testsupport
