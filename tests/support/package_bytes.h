#pragma once

// A small writer of package files for the tests: it lays out the header, the
// entries of the 366 slots back to back and the description, and offers the
// positions of the header fields so that a test can damage them.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace testpackage {

struct PackageLayout {
  std::uint8_t Type = 0;
  std::vector<std::string> Titles{"Verse"};
  char Marker = 0;
  // The pieces of a slot's entry; a slot not listed gets the single piece
  // "Day k", so that a test sees which slot was read.
  std::map<int, std::vector<std::string>> Entries;
  std::string Description = "Test package";
};

// A piece as stored: its length byte, then its bytes.
std::string Piece(const std::string &text);

std::string BuildPackage(const PackageLayout &layout);

// Where the fields of a header with titleCount titles lie in the file.
inline constexpr std::size_t TitleCountPosition = 3;
std::size_t TitlePosition(int title);
std::size_t MarkerPosition(int titleCount);
std::size_t OffsetPosition(int titleCount, int element);

std::uint32_t GetOffset(const std::string &bytes, int titleCount, int element);
void SetOffset(std::string &bytes, int titleCount, int element, std::uint32_t value);

// Inserts bytes at position at, inside the entry of slot 0 of a package with
// one title, and moves the offsets of the later entries and the description
// along, so that the package stays well formed around the grown entry.
void InsertIntoSlot0(std::string &bytes, std::size_t at, std::string_view inserted);

} // namespace testpackage
