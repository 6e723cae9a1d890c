#pragma once

#include <map>
#include <string>
#include <vector>

namespace testsupport {

struct ProcessResult {
  int exitStatus = -1;   // the exit code, or -1 when the process did not exit normally
  std::string output;    // standard output
  std::string errors;    // standard error
  long peakKib = 0;      // with measurePeak, the program's peak resident size
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
  // peak is its own and not that of the test process it was forked from, nor
  // what the kernel and the allocators add by habit (peak_memory.cpp). A
  // bound on it compares it with the same program's peak on a small input.
  bool measurePeak = false;
};

// How far a program's peak (measurePeak) on a large input may lie above its
// peak on a small one, beyond what it keeps of the input, for no cause of
// the program's; a bound on memory is what the program needs for the input
// plus this.
// - The allocator: AddressSanitizer's keeps each size class in regions of
//   its own, mapped a batch of chunks at a time, and a chunk freed in one
//   class serves no other, so that text grown by doubling leaves a chunk in
//   every class it passed through (a megabyte or two in all); glibc's
//   leaves less.
// - The kernel: it counts resident pages on each processor and adds them up
//   roughly, each of its three counts short by up to a batch of pages (32,
//   or twice the processors where there are more than 16), even with the
//   program held on one processor (peak_memory.cpp).
long PeakMarginKib();

// Runs a program with arguments (no shell) and waits for it.
ProcessResult RunProcess(const std::string &program, const std::vector<std::string> &arguments,
                         const ProcessOptions &options = {});

// The path of one of our built programs (build/bin/<name>); SELWARTH_BIN in
// the environment names another folder.
std::string BuiltProgram(const std::string &name);

// The source tree; SELWARTH_SOURCE in the environment names another.
std::string SourceTree();

} // namespace testsupport
