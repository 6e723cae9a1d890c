#pragma once

// Reading the pieces of one entry. A piece is a length byte followed by that
// many bytes of text.

#include <cstdint>
#include <string>

#include "content/package_format.h"
#include "content/text_piece.h"
#include "platform/result.h"

namespace package {

// Reads the piece at position, its text, and moves position past it. A
// failure, saying where, when the piece runs past the end of the package or
// a read fails.
platform::Result<std::string> ReadPiece(PackageBytes &bytes, std::uint64_t &position);

enum class EntryRead {
  Entry,   // first holds a first piece that is not empty, and its chain
  Nothing, // the stored first piece is empty: nothing for this day
  Damaged, // the slot or one of its pieces lies outside the file, or the
           // entry holds more than MaxEntryText bytes of text or takes more
           // than MaxEntrySpan bytes of the file
};

// Reads the entry of slot (0..365) into first and the chain behind it. The
// first piece is always read; further pieces follow while the position is
// below the next slot's offset and below the end of the file. The chain has
// at most five pieces: leading pieces of control bytes alone are dropped as
// cleaning would drop them, and the pieces between the second and the last
// two are joined into one, which shows the same. Unless the result is Entry,
// first is left empty with no chain.
EntryRead ReadEntryPieces(PackageBytes &bytes, const Header &header, int slot, TTextPiece &first);

} // namespace package
