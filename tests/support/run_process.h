#pragma once

#include <map>
#include <string>
#include <vector>

namespace testsupport {

struct ProcessResult {
  int exitStatus = -1;   // the exit code, or -1 when the process did not exit normally
  std::string output;    // standard output
  std::string errors;    // standard error
  long peakKib = 0;      // the process's peak resident size, see measurePeak
  bool timedOut = false; // RunProcess killed it at options.timeoutMs
};

struct ProcessOptions {
  std::string workingDirectory;                   // empty: the caller's
  std::map<std::string, std::string> environment; // added to or replacing the caller's
  std::string input;                              // fed to standard input
  // BackgroundProcess only (RunProcess waits for its program anyway): killed
  // should the caller die first (a crashed test).
  bool endWithCaller = false;
  // RunProcess only: the process is killed after this long (0: waits for
  // ever), so that a test of a hang fails instead of hanging.
  int timeoutMs = 0;
  // RunProcess only: the program is started through peak-memory, so that its
  // peak is its own and not that of the test process it was forked from.
  bool measurePeak = false;
};

// Runs a program with arguments (no shell) and waits for it.
ProcessResult RunProcess(const std::string &program, const std::vector<std::string> &arguments,
                         const ProcessOptions &options = {});

// The path of one of our built programs (build/bin/<name>); SELWARTH_BIN in
// the environment names another folder.
std::string BuiltProgram(const std::string &name);

// The source tree; SELWARTH_SOURCE in the environment names another.
std::string SourceTree();

} // namespace testsupport
