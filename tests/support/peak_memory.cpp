// peak-memory: runs a program and writes its peak resident size in KiB to a
// file, for RunProcess. The peak is meant to be the program's own need, the
// same on any machine, so what the kernel and the allocators would add by
// habit is turned off for the program:
// - A child forked from a large test process counts that process's pages in
//   its peak until it has started its program; forked from this small one
//   (built without the sanitizers), it counts its own only.
// - Transparent huge pages: where the kernel gives them to every mapping, a
//   heap that grows by a page may grow by two megabytes. Turned off for the
//   program (the setting is inherited through exec).
// - The kernel counts resident pages on each processor and adds them up
//   roughly, short by up to a batch of pages per processor the process ran
//   on: the program runs on one processor, the one this runs on.
// - The sanitizers: the leak check at exit takes megabytes of its own that
//   hide what the program needed before, and freed memory kept in
//   quarantine would be counted as if in use: both are off.
// - glibc moves its threshold for giving large blocks their own mapping as
//   blocks are freed, so that the same program may keep freed megabytes or
//   give them back; the threshold is fixed at its default.
//
//   peak-memory FILE PROGRAM [ARGUMENT...]
//
// The program inherits standard input, output and error; the status is the
// program's, 128 + the signal when a signal ended it, 127 when it cannot run.

#include <cstdio>
#include <cstdlib>
#include <sched.h>
#include <string>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Adds options to a colon-separated list in the environment; later options
// win over earlier ones.
void AddOptions(const char *name, const std::string &options) {
  const char *old = std::getenv(name);
  const std::string value =
      old != nullptr && *old != '\0' ? std::string(old) + ":" + options : options;
  setenv(name, value.c_str(), 1);
}

void PinToThisProcessor() {
  const int cpu = sched_getcpu();
  if (cpu < 0)
    return;
  cpu_set_t one;
  CPU_ZERO(&one);
  CPU_SET(cpu, &one);
  sched_setaffinity(0, sizeof one, &one);
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 3)
    return 127;
  const pid_t pid = fork();
  if (pid < 0)
    return 127;
  if (pid == 0) {
    prctl(PR_SET_THP_DISABLE, 1, 0, 0, 0);
    PinToThisProcessor();
    AddOptions("ASAN_OPTIONS", "detect_leaks=0:quarantine_size_mb=0");
    AddOptions("GLIBC_TUNABLES", "glibc.malloc.mmap_threshold=131072");
    execv(argv[2], argv + 2);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) < 0)
    return 127;
  if (std::FILE *file = std::fopen(argv[1], "w")) {
    std::fprintf(file, "%ld\n", usage.ru_maxrss);
    std::fclose(file);
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
