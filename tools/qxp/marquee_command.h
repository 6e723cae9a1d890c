#pragma once

// qxp marquee: prints the screen saver text the program stored for the day
// (key "Text" of section "Screen Saver.Marquee" in CONTROL.INI), for a screen
// saver's text program or a log-in message.

#include <cstdio>
#include <string>
#include <vector>

namespace qxp {

// arguments: the words after "marquee": [--utf8]. The text goes out as one
// line in code page 1252 with CR LF, as the program stores it, or as UTF-8
// with LF with --utf8. Returns 0 when text was printed, 1 when none is
// stored, 2 for a usage error.
int RunMarqueeCommand(const std::vector<std::string> &arguments, std::FILE *out, std::FILE *errors);

} // namespace qxp
