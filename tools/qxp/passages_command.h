#pragma once

// qxp passages: prints the text of the day's passages (the reading plan's
// morning and evening readings, the daily verse's and the proverb's
// references) in a Bible of the SWORD library, as Links > Read Passages
// shows them: the stored Bible (ReadingBible), or --bible NAME, or the one
// of the desktop's language. The packages are those qxp today reads.

#include <cstdio>
#include <string>
#include <vector>

namespace qxp {

// arguments: the words after "passages": [--bible NAME] [--utf8] [--width N].
// Returns the exit status: 0 when passages were printed, 1 when none could
// be, 2 for a usage error.
int RunPassagesCommand(const std::vector<std::string> &arguments, std::FILE *out,
                       std::FILE *errors);

} // namespace qxp
