#pragma once

// The two readers of package files. Both open the file, read what they need
// and close it again on every call; nothing is cached.

#include <string>
#include <string_view>

#include "content/text_piece.h"

class TextExport;

// Reads the entry of the current day slot (DayIndex, or for a reading plan the
// plan day counted from PlanOffset, only under the Date quote method) from the
// package fileName. On return first holds the first piece and the chain of
// further pieces, marker the package's trailer marker, trailer the finished
// trailer and title the slot's title. An empty first.Text means the package
// has nothing for this day (also when it cannot be opened or is damaged).
// When SaveFile is on and exportFile is given, the entry's two lines are
// appended to it. Sets HasAnswers for a package with the backslash marker.
void ReadPackageEntry(std::string_view fileName, TTextPiece &first, char &marker,
                      std::string &trailer, std::string &title, TextExport *exportFile);

// The package's description, with the first title and ": " before it when
// title and description together hold at most 249 characters; empty when the
// file or its description cannot be read. The package type is not judged, so
// a disabled or unknown package is described too.
std::string ReadPackageDescription(std::string_view fileName);
