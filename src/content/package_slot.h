#pragma once

// Which slot of a package the day shows.

#include <cstdint>
#include <optional>

#include "content/package_format.h"

namespace package {

// The slot to read for the day slot dayIndex. A reading plan counts its 365
// days from planOffset and has an entry only under the Date quote method;
// every other package reads dayIndex itself. Nothing when the package has no
// entry for the day, or when dayIndex is not a slot (0..365).
std::optional<int> ChooseSlot(const Header &header, std::int32_t dayIndex, std::int32_t planOffset,
                              std::int32_t quoteMethod);

} // namespace package
