#pragma once

// The commands of qxp. Each returns the program's exit status: 0 done,
// 1 a fault in the input or an error, 2 wrong usage.

#include <iosfwd>
#include <string>
#include <vector>

namespace qxp {

inline constexpr int ExitOk = 0;
inline constexpr int ExitFault = 1;
inline constexpr int ExitUsage = 2;

// qxp build [--force] SOURCE -o FILE.QXP: an existing FILE.QXP is replaced
// only with --force (replace).
int RunBuild(const std::string &sourcePath, const std::string &outputPath, bool replace,
             std::ostream &err);

// qxp dump FILE.QXP: the source of the package on out.
int RunDump(const std::string &packagePath, std::ostream &out, std::ostream &err);

// qxp check [--strict] FILE.QXP: every fault and warning, then "FILE.QXP:
// sound, N entries" (exit 0; 1 with strict when there are warnings) or
// "FILE.QXP: damaged, N faults" (exit 1).
int RunCheck(const std::string &packagePath, bool strict, std::ostream &out, std::ostream &err);

void PrintUsage(std::ostream &out);

// Runs the command line (without the program name). "today" and "marquee"
// are not among its commands: they print through stdio alone, and main
// starts them before any C++ stream is set up.
int RunCommandLine(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err);

} // namespace qxp
