#pragma once

// Running a helper program to its end (systemctl), and starting one that
// outlives us (the window, from a reminder). The program is given as a path
// or a bare name found on the absolute folders of PATH; it is never parsed
// by a shell.

#include <optional>
#include <string>
#include <vector>

namespace platform {

// Runs program with arguments, its standard input from /dev/null and its
// output dropped, and waits at most waitMs for it to end (then it is
// killed). Its exit status; nothing when it could not be run, was killed or
// did not end in time.
std::optional<int> RunToEnd(const std::string &program, const std::vector<std::string> &arguments,
                            int waitMs);

// Starts program with arguments in a session of its own, no child of ours
// (a double fork): it goes on when we end. Whether it could be started.
bool StartDetached(const std::string &program, const std::vector<std::string> &arguments);

// The file a bare name runs from the absolute folders of PATH, or a name
// with a '/' as it is; empty when there is none.
std::string FoundOnPath(const std::string &name);

} // namespace platform
