#pragma once

// Wrapping the day's text for a terminal or a log-in message: each line is
// broken at spaces into lines of at most a given width.

#include <cstddef>
#include <string>
#include <string_view>

namespace qxp {

// What a line's width counts.
enum class WrapMeasure {
  Bytes,   // code page 1252: one byte a character
  Columns, // the program's UTF-8: the columns a terminal gives each character
};

// Breaks every line of text (lines end in CR LF, as the day's text does) at
// the last space that keeps it within width, dropping the spaces at the
// break; a word wider than width is cut between characters. Empty lines and
// line ends stay as they are.
std::string WrapLines(std::string_view text, std::size_t width,
                      WrapMeasure measure = WrapMeasure::Bytes);

} // namespace qxp
