#pragma once

// The package file (.QXP, .OFF): a header of variable length, then the
// entries of the 366 day slots back to back, then a one-piece description.
// All numbers are little-endian.
//
//   PackageType   1 byte   0, 1, 2, 8, 10, 11, 12, 20, 21, 22, 30, 31 or 32;
//                          1 means the entries are in code page 437, 8 that
//                          every text is UTF-8, any other code page 1252
//   reserved      2 bytes
//   TitleCount    1 byte   1..7 (signed)
//   Titles        TitleCount x 41 bytes: a length byte (0..40), 40 bytes
//   TrailerMarker 1 byte   0 = no trailers
//   SlotOffsets   370 x 4 bytes, absolute; [k] starts slot k, [366] starts
//                 the description, [367..369] are 0
//
// A piece is a length byte L (0..255) followed by L bytes of text.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace package {

inline constexpr int SlotCount = 366;       // day slots 0..365
inline constexpr int ExtraSlot = 365;       // the slot shown on 29 February
inline constexpr int OffsetCount = 370;     // SlotOffsets elements
inline constexpr int DescriptionSlot = 366; // SlotOffsets[366]: the description
inline constexpr int PlanDays = 365;        // a reading plan uses slots 0..364
inline constexpr int MaxTitles = 7;
inline constexpr int TitleLength = 40;  // bytes of text in a title record
inline constexpr int PieceLength = 255; // bytes of text in a piece
// The most text one entry may hold, all its pieces together as stored. No
// day's reading comes near it; an entry above it is taken as damaged, which
// bounds what one entry can cost to read, keep and lay out.
inline constexpr std::uint64_t MaxEntryText = 64 * 1024;
// The most bytes an entry may take in the file, counted from its start: the
// text limit with every byte a piece of its own. The reader never reads
// further past an entry's start, however far the next slot's offset lies, so
// a sparse file of gigabytes of zero bytes (empty pieces) costs no more than
// a sound entry does.
inline constexpr std::uint64_t MaxEntrySpan = 2 * MaxEntryText;
inline constexpr std::uint8_t CodePage437Type = 1;
// Entries, titles and description in UTF-8. No package of the code pages
// has this type, so a program that knows only those shows nothing of it
// rather than the wrong letters.
inline constexpr std::uint8_t Utf8Type = 8;
inline constexpr char HyphenMarker = '-';
inline constexpr char AnswerMarker = '\\';
inline constexpr char ItalicMarker = '~';
inline constexpr const char *ReadingPlanPrefix = "Through the Bible";

struct Header {
  std::uint8_t PackageType = 0;
  std::vector<std::string> Titles; // 1..7 titles, each at most 40 bytes
  char TrailerMarker = 0;
  std::array<std::uint32_t, OffsetCount> SlotOffsets{};
  std::uint32_t Size = 0; // bytes the header takes in the file
  std::uint64_t FileSize = 0;
};

// The size in bytes of a header with titleCount titles.
constexpr std::uint32_t HeaderSize(int titleCount) {
  return 1 + 2 + 1 + static_cast<std::uint32_t>(titleCount) * (1 + TitleLength) + 1 +
         OffsetCount * 4;
}

// The bytes of a package, read at the positions asked for: from an open file
// through a buffer of one page with positioned reads (a load reads the
// header and one entry, mostly in two reads of the system), or from memory.
class PackageBytes {
public:
  // The open file fd (not owned) of size bytes.
  PackageBytes(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
  // Bytes held in memory, which must outlive this.
  explicit PackageBytes(std::string_view bytes) : memory_(bytes.data()), size_(bytes.size()) {}

  std::uint64_t Size() const { return size_; }
  // Reads count bytes at position into out; false when they are not all
  // there or a read fails.
  bool Read(std::uint64_t position, void *out, std::size_t count);
  // Where the bytes the caller is about to read end (the header's largest
  // size, the next slot's offset): a read of the file takes no more than
  // that, so that a load copies what it uses and not a page around it.
  // Reads past it fill the whole buffer.
  void ReadUpTo(std::uint64_t end) { readEnd_ = end; }

private:
  bool Fill(std::uint64_t position);

  int fd_ = -1;
  const char *memory_ = nullptr;
  std::uint64_t size_ = 0;
  std::array<char, 4096> buffer_;
  std::uint64_t bufferStart_ = 0;
  std::size_t buffered_ = 0;
  std::uint64_t readEnd_ = 0; // see ReadUpTo; 0: none
};

// Whether the format byte is one the program reads.
bool IsAcceptedType(std::uint8_t packageType);

// Whether the first title makes the package a reading plan (it begins with
// "Through the Bible", compared with case).
bool IsReadingPlan(const Header &header);

// Reads the header from the start of the package. A damaged header (file
// shorter than the header, TitleCount outside 1..7, a title length above 40)
// is a failure that says what is wrong. The format byte is not judged here.
platform::Result<Header> ReadHeader(PackageBytes &bytes);

} // namespace package
