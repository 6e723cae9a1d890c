#pragma once

// A package file held in memory, with reads that never pass its end, and its
// header as the program's own header reader reads it: the whole file, or
// only what the program reads of it for one day.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "content/package_format.h"
#include "content/package_slot.h"

namespace qxp {

class PackageImage {
public:
  // Files larger than this are refused before they are read: the largest
  // package a source can describe is far smaller.
  static constexpr std::uint64_t MaxSize = 64u << 20;

  // Reads the file at path; nothing (error says why) when it cannot be read
  // or is larger than MaxSize.
  static std::optional<PackageImage> Load(const std::string &path, std::string &error);
  // The header and the entry that the day shows of the file at path, as the
  // program's reader reads them (the most an entry may take from its start,
  // and no further): what the file costs to tell why it shows nothing for
  // the day, whatever its size. Nothing as Load.
  static std::optional<PackageImage> LoadDay(const std::string &path, const DayChoice &day,
                                             std::string &error);
  // A package held in memory.
  static PackageImage FromBytes(std::string bytes);

  // The file's size; the reads below see only the bytes held.
  std::uint64_t Size() const { return size_; }
  // For an image of one day: the slot whose entry it holds; nothing when the
  // header is damaged or the package has nothing for the day. Nothing for a
  // whole file too.
  const std::optional<int> &DaySlot() const { return daySlot_; }

  // The header, or nothing with HeaderFault() saying why it is damaged.
  const std::optional<package::Header> &Header() const { return header_; }
  const std::string &HeaderFault() const { return headerFault_; }

  std::optional<std::uint8_t> Byte(std::uint64_t at) const;
  // A little-endian unsigned 32-bit number.
  std::optional<std::uint32_t> U32(std::uint64_t at) const;
  // count bytes from at; nothing past the end of the file (or outside what
  // an image of one day holds).
  std::optional<std::string_view> Span(std::uint64_t at, std::uint64_t count) const;

  struct Piece {
    std::string_view text;
    std::uint64_t end = 0; // the offset after the piece
  };
  // The piece (length byte, then text) at at; nothing when it runs past the
  // end of the file.
  std::optional<Piece> PieceAt(std::uint64_t at) const;

private:
  PackageImage() = default;
  void TakeHeader();

  struct Held {
    std::uint64_t at = 0;
    std::string bytes;
  };
  std::vector<Held> held_; // the whole file, or a day's header and entry
  std::uint64_t size_ = 0;
  std::optional<int> daySlot_;
  std::optional<package::Header> header_;
  std::string headerFault_;
};

} // namespace qxp
