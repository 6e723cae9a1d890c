#pragma once

// The trailer of an entry (a reference, an attribution or a quiz answer) is
// the text from the last occurrence of the package's trailer marker to the
// end of the entry. It is looked for in the last piece and, when not there,
// in the piece before the last.

#include <string>

#include "content/text_piece.h"

// Cuts the trailer off the chain that starts at first and returns it
// finished: a hyphen marker becomes "- ", any other marker is dropped. A
// trailer found in the piece before the last takes the whole last piece with
// it, and the last piece leaves the chain. Empty when marker is 0 or the
// marker is not found.
std::string SplitTrailer(TTextPiece &first, char marker);
