#pragma once

// Bringing the stored text of an entry into the form the program shows.

#include <string>
#include <string_view>

#include "content/text_piece.h"

// Removes every byte below 32 (tabs, line ends and all other control bytes),
// closing the gap: an entry is one paragraph.
void RemoveControlBytes(std::string &text);

// A title as the program shows and exports it: it ends at its first NUL and
// loses every other byte below 32, so that a title stays one line of text.
std::string ShownTitle(std::string_view stored);

// Cleans every piece of the chain and, for a package stored in code page 437,
// converts it to code page 1252.
void CleanEntryPieces(TTextPiece &first, bool codePage437);
