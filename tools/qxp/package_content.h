#pragma once

// Everything a package holds, in package bytes: what qxp build compiles from
// a source, writes into a file, and what qxp check and dump read back.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "content/package_format.h"

namespace qxp {

struct PackageContent {
  std::uint8_t Type = 0;
  std::vector<std::string> Titles; // code page 1252, 1..7 of at most 40 bytes
  char TrailerMarker = 0;          // 0: no trailers
  std::string Description;         // code page 1252, at most 255 bytes
  // The pieces of each slot's entry. No pieces, or an empty first piece,
  // means the package has nothing for that day.
  std::array<std::vector<std::string>, package::SlotCount> Entries;

  bool operator==(const PackageContent &) const = default;
};

// A reading plan is told by its first title; it never reads the extra slot.
inline bool IsReadingPlan(const PackageContent &content) {
  return !content.Titles.empty() && content.Titles.front().starts_with(package::ReadingPlanPrefix);
}

} // namespace qxp
