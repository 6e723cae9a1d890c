#pragma once

// Writes the source of a package (see docs/package-source.md) from its
// content. Building the source again gives the same bytes for every part
// qxp writes: entries laid out as qxp lays them out are written as plain
// text, any other layout with its piece breaks.

#include <string>

#include "qxp/package_content.h"

namespace qxp {

std::string DumpSource(const PackageContent &content);

} // namespace qxp
