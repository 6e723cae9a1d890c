#pragma once

// The configuration files of the SWORD library: a module's conf in mods.d
// and the system's sword.conf. Both are sections of "Key=Value" lines:
//   [engKJV2006eb]
//   Abbreviation=KJV
//   Feature=StrongsNumbers
//   Feature=DailyDevotion
// A key may come several times; a line ending in "\" goes on in the next
// (the long About texts); "#" begins a comment line. The files come from
// module packages and downloads, so the reader keeps to limits of its own:
// at most SectionLimit sections of EntryLimit entries each, no value longer
// than ValueLimit bytes (what is longer is cut).

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct TConfSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> entries; // in their order

  // The first value of key (keys compare with regard to case, as the
  // library's do); empty when it has none.
  std::string_view Value(std::string_view key) const;
  // Every value of key, in order.
  std::vector<std::string_view> Values(std::string_view key) const;
};

inline constexpr std::size_t SectionLimit = 64;
inline constexpr std::size_t EntryLimit = 512;
inline constexpr std::size_t ValueLimit = 4096;

// The sections of text; lines before the first section are not read.
std::vector<TConfSection> ReadConfSections(std::string_view text);
