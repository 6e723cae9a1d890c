#pragma once

// The two readers of package files. Both open the file, read what they need
// and close it again on every call; nothing is cached.

#include <string>
#include <string_view>

#include "content/package_slot.h"
#include "content/text_piece.h"

class TextExport;

// Reads the entry for the day (its slot, or for a reading plan the plan day
// counted from its offset, only under the Date quote method) from the
// package fileName. On return first holds the first piece and the chain of
// further pieces, marker the package's trailer marker, trailer the finished
// trailer and title the slot's title. An empty first.Text means the package
// has nothing for this day (also when it cannot be opened or is damaged).
// The text is UTF-8, whatever code page the package stores. When exportFile
// is given, the entry's two lines are appended to it. True when the entry has
// a quiz answer (the backslash marker).
bool ReadPackageEntry(std::string_view fileName, const DayChoice &day, TTextPiece &first,
                      char &marker, std::string &trailer, std::string &title,
                      TextExport *exportFile);

// The package's description (UTF-8), with the first title and ": " before it
// when title and description together hold at most 249 bytes; empty when the
// file or its description cannot be read. The package type is not judged, so
// a disabled or unknown package is described too.
std::string ReadPackageDescription(std::string_view fileName);
