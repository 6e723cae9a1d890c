#pragma once

// A whole package file held in memory, with reads that never pass its end,
// and its header as the program's own header reader reads it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "content/package_format.h"

namespace qxp {

class PackageImage {
public:
  // Files larger than this are refused before they are read: the largest
  // package a source can describe is far smaller.
  static constexpr std::uint64_t MaxSize = 64u << 20;

  // Reads the file at path; nothing (error says why) when it cannot be read
  // or is larger than MaxSize.
  static std::optional<PackageImage> Load(const std::string &path, std::string &error);
  // A package held in memory.
  static PackageImage FromBytes(std::string bytes);

  const std::string &Bytes() const { return bytes_; }
  std::uint64_t Size() const { return bytes_.size(); }

  // The header, or nothing with HeaderFault() saying why it is damaged.
  const std::optional<package::Header> &Header() const { return header_; }
  const std::string &HeaderFault() const { return headerFault_; }

  std::optional<std::uint8_t> Byte(std::uint64_t at) const;
  // A little-endian unsigned 32-bit number.
  std::optional<std::uint32_t> U32(std::uint64_t at) const;
  // count bytes from at.
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

  std::string bytes_;
  std::optional<package::Header> header_;
  std::string headerFault_;
};

} // namespace qxp
