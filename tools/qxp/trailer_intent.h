#pragma once

// Whether the program would take an entry's trailer where its author wrote
// it. The program cuts the trailer at the last marker in the text; a source
// says where the author meant it to begin: at its last line when that line
// starts with the marker, and otherwise at a marker with a blank before it
// (a hyphen inside a word, as in "long-suffering" or "1-2", is no trailer).
// A marker written as {xHH} is taken as meant wherever it stands.

#include <cstdint>
#include <optional>
#include <string>

#include "qxp/source_text.h"

namespace qxp {

// What is wrong, if anything, with the trailer the program would cut from
// the entry text, whose last source line starts at lastLine in text.bytes.
std::optional<std::string> UnmeantTrailer(const DecodedText &text, std::size_t lastLine,
                                          char marker, std::uint8_t packageType);

} // namespace qxp
