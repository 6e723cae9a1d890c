#pragma once

// Wrapping the day's text for a terminal or a log-in message: each line is
// broken at spaces into lines of at most a given width.

#include <cstddef>
#include <string>
#include <string_view>

namespace qxp {

// Breaks every line of text (lines end in CR LF, as the day's text does) at
// the last space that keeps it within width characters, dropping the spaces
// at the break; a word longer than width is cut. Text is code page 1252, one
// byte a character. Empty lines and line ends stay as they are.
std::string WrapLines(std::string_view text, std::size_t width);

} // namespace qxp
