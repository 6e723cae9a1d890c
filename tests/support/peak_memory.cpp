// peak-memory: runs a program and writes its peak resident size in KiB to a
// file, for RunProcess. A child forked from a large test process counts that
// process's pages in its peak until it has started its program; forked from
// this small one, it counts its own only.
//
//   peak-memory FILE PROGRAM [ARGUMENT...]
//
// The program inherits standard input, output and error; the status is the
// program's, 128 + the signal when a signal ended it, 127 when it cannot run.

#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char **argv) {
  if (argc < 3)
    return 127;
  const pid_t pid = fork();
  if (pid < 0)
    return 127;
  if (pid == 0) {
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
