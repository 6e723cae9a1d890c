#pragma once

// Bringing the stored text of an entry into the form the program shows.

#include <string>

#include "content/text_piece.h"

// Removes every byte below 32 (tabs, line ends and all other control bytes),
// closing the gap: an entry is one paragraph.
void RemoveControlBytes(std::string &text);

// Cleans every piece of the chain and, for a package stored in code page 437,
// converts it to code page 1252.
void CleanEntryPieces(TTextPiece &first, bool codePage437);
