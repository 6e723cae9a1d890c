#pragma once

// Writes the source of a package (see docs/package-source.md) from its
// content. Building the source again gives the same bytes for every part
// qxp writes: entries laid out as qxp lays them out are written as plain
// text, any other layout with its piece breaks.

#include <string>

#include "qxp/entry_layout.h"
#include "qxp/package_content.h"

namespace qxp {

std::string DumpSource(const PackageContent &content);

// The most bytes DumpSource writes for a package that qxp check calls sound:
// each slot's entry at the text limit with every byte an escape ({xHH}, five
// bytes) and at most one more byte for each for the line ends and escaped
// brackets that begin lines, a piece break ({|}) for each of the most pieces
// qxp stores it in, a slot line; and the header. qxp build reads sources of up
// to this size, so that whatever qxp dump writes builds again.
inline constexpr std::size_t LargestSource =
    package::SlotCount * (6 * package::MaxEntryText + 3 * MostPieces(package::MaxEntryText) + 64) +
    4096;

} // namespace qxp
