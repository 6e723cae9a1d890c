#pragma once

// qxp today: prints the day's text of the packages in the working directory
// (or the folder --dir names, or, when the working directory holds no
// package, the data folder the launcher uses), exactly the bytes
// SELWARTH.TXT would hold unless --width, --no-answers or --utf8 ask for
// another form or --progress for each reading plan's progress line after its
// entry, without changing any file.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace qxp {

// The words --method takes, in the quote methods' order, with between
// between them and last before the last: "date, increment or random".
std::string TodayMethodWords(std::string_view between, std::string_view last);

// arguments: the words after "today": [--method date|increment|random]
// [--offset N] [--utf8] [--width N] [--no-answers] [--progress] [--dir DIR]. Returns the exit
// status: 0 when text was printed, 1 when there was nothing to print, 2 for a usage error.
int RunTodayCommand(const std::vector<std::string> &arguments, std::FILE *out, std::FILE *errors);

} // namespace qxp
