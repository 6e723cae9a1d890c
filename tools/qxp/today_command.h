#pragma once

// qxp today: prints the day's text of the packages in the working directory,
// exactly the bytes SELWARTH.TXT would hold, without changing any file.

#include <cstdio>
#include <string>
#include <vector>

namespace qxp {

// arguments: the words after "today": [--method date|increment|random]
// [--offset N]. Returns the exit status: 0 when text was printed, 1 when
// there was nothing to print, 2 for a usage error.
int RunTodayCommand(const std::vector<std::string> &arguments, std::FILE *out, std::FILE *errors);

} // namespace qxp
