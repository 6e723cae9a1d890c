#pragma once

// How an entry's text is cut into pieces, and what the program shows of the
// pieces. The program drops bytes below 0x20 from each piece, converts a
// type-1 entry to code page 1252, takes the trailer from the last marker in
// the last piece or, failing that, in the piece before the last (joined with
// the whole last piece), and shows nothing for the day when the first piece
// is empty as stored, when no text is left besides the trailer, or when the
// trailer as shown passes 255 bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qxp {

struct EntryReading {
  bool shown = false;  // the day shows this entry
  std::string body;    // the pieces joined, without the trailer
  std::string trailer; // as shown: a hyphen marker becomes "- ", others drop
};

// What the program reads from an entry stored in these pieces.
EntryReading ReadEntry(const std::vector<std::string> &pieces, char marker,
                       std::uint8_t packageType);

// Where the program finds the trailer when the text is laid out by
// LayOutEntry: the last marker, not counting bytes below 0x20 (which it
// drops). Nothing without a marker.
std::optional<std::size_t> TrailerStart(std::string_view text, char marker,
                                        std::uint8_t packageType);

// Cuts the text of an entry into pieces of at most 255 bytes, at a space near
// the limit where there is one, keeping the trailer (the text from the last
// marker) whole in the last piece. Fails, saying why in error, when the
// entry would not show as written (see EntryFault). Empty text gives no
// pieces: nothing for the day.
std::optional<std::vector<std::string>> LayOutEntry(std::string_view text, char marker,
                                                    std::uint8_t packageType, std::string &error);

// What is wrong with an entry stored in these pieces, if anything: a piece
// longer than 255 bytes; a third empty piece in a row after the first (the
// checker keeps no more, as they change nothing); more text than an entry may
// hold, or more bytes of the file than it may take; an empty first piece with pieces after
// it (they never show); text whose day shows nothing because no text is left besides the trailer or
// the trailer passes 255 bytes.
std::optional<std::string> EntryFault(const std::vector<std::string> &pieces, char marker,
                                      std::uint8_t packageType);

// Whether the program refuses an entry stored in these pieces as damaged
// (it holds more than package::MaxEntryText bytes, takes more than
// package::MaxEntrySpan bytes of the file, or its trailer as shown
// passes 255 bytes), rather than merely showing nothing for the day.
bool ReaderRefuses(const std::vector<std::string> &pieces, char marker, std::uint8_t packageType);

// The most pieces an entry of text bytes is stored in by qxp: eight, and one
// more for every 16 bytes. qxp check joins the pieces of an entry cut finer
// (they cost tens of bytes of memory for each byte of text) as the program
// reads them, and qxp build refuses such an entry, so that what the one reads
// the other builds again.
constexpr std::size_t MostPieces(std::uint64_t text) {
  return 8 + static_cast<std::size_t>(text / 16);
}

// How messages show a marker: '-' or 0x09.
std::string DescribeMarker(char marker);

} // namespace qxp
