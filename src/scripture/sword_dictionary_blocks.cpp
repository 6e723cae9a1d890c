#include "scripture/sword_dictionary_blocks.h"

#include <algorithm>
#include <zlib.h>

#include "platform/little_endian.h"
#include "scripture/byte_source.h"
#include "scripture/devotional_reader.h"
#include "scripture/sword_dictionary.h"
#include "scripture/sword_dictionary_reads.h"

namespace {

using platform::Failure;

constexpr unsigned BlockIndexEntrySize = 8; // offset, size
constexpr unsigned BlockEntrySize = 8;      // offset, size of an entry in the block

std::string AboutBlocks(const TDictionaryFiles &files) {
  return AboutFile(files, files.blocks, "blocks");
}

// The block's bytes inflated, never more than DevotionalBlockLimit of them:
// a few kilobytes of zlib stream may stand for gigabytes.
platform::Result<std::string> Inflate(const TDictionaryFiles &files, const std::string &packed) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK)
    return Failure(AboutBlocks(files) + "cannot be unpacked: zlib did not start.");
  stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
  stream.avail_in = static_cast<uInt>(packed.size());
  std::string out;
  char chunk[64 * 1024];
  int status = Z_OK;
  while (status == Z_OK) {
    stream.next_out = reinterpret_cast<Bytef *>(chunk);
    stream.avail_out = sizeof chunk;
    status = inflate(&stream, Z_NO_FLUSH);
    const std::size_t made = sizeof chunk - stream.avail_out;
    if (out.size() + made > DevotionalBlockLimit) {
      inflateEnd(&stream);
      return Failure(AboutBlocks(files) + "holds a block that unpacks to more than " +
                     std::to_string(DevotionalBlockLimit >> 20) + " MiB.");
    }
    out.append(chunk, made);
  }
  inflateEnd(&stream);
  // What follows the stream's end (libsword pads a block) is not read.
  if (status == Z_STREAM_END)
    return out;
  if (status == Z_BUF_ERROR)
    return Failure(AboutBlocks(files) + "holds a block cut short.");
  return Failure(AboutBlocks(files) + "holds a damaged block (" +
                 (stream.msg != nullptr ? stream.msg : "not a zlib stream") + ").");
}

// libsword's LZSS: a flag byte, then for each of its bits (the lowest
// first) a byte as it is (1) or two bytes (0) that repeat 3 to 18 bytes of
// the last 4096 written (12 bits of their place in a ring, first filled with
// blanks, and 4 of their count); the blocks have no end mark but their end.
platform::Result<std::string> Unlzss(const TDictionaryFiles &files, std::string_view packed) {
  constexpr std::size_t Ring = 4096, Longest = 18, Shortest = 3;
  char ring[Ring];
  std::fill(ring, ring + Ring - Longest, ' ');
  std::fill(ring + Ring - Longest, ring + Ring, '\0');
  std::size_t written = Ring - Longest;
  std::string out;
  const auto put = [&](char c) {
    out += c;
    ring[written++ % Ring] = c;
  };
  std::size_t at = 0;
  while (at < packed.size()) {
    const unsigned flags = static_cast<unsigned char>(packed[at++]);
    for (int bit = 0; bit < 8 && at < packed.size(); ++bit) {
      if ((flags >> bit & 1) != 0) {
        put(packed[at++]);
      } else {
        if (at + 2 > packed.size())
          break;
        const auto low = static_cast<unsigned char>(packed[at]);
        const auto high = static_cast<unsigned char>(packed[at + 1]);
        at += 2;
        const std::size_t from = low | (high & 0xF0u) << 4;
        const std::size_t count = (high & 0x0Fu) + Shortest;
        for (std::size_t i = 0; i < count; ++i)
          put(ring[(from + i) % Ring]);
      }
      if (out.size() > DevotionalBlockLimit)
        return Failure(AboutBlocks(files) + "holds a block that unpacks to more than " +
                       std::to_string(DevotionalBlockLimit >> 20) + " MiB.");
    }
  }
  return out;
}

} // namespace

platform::Result<std::string> ReadBlockEntry(const TDictionaryFiles &files, std::uint32_t block,
                                             std::uint32_t entry) {
  platform::Result<std::uint64_t> blocks =
      IndexEntries(files, files.blockIndex, "block index", BlockIndexEntrySize);
  if (!blocks)
    return Failure(blocks.error());
  if (block >= *blocks)
    return Failure(AboutFile(files, files.text, "text") + "names a block that " +
                   files.blockIndex.name + " lacks.");
  platform::Result<std::string> place = ReadRange(
      files, files.blockIndex, std::uint64_t{block} * BlockIndexEntrySize, BlockIndexEntrySize);
  if (!place)
    return Failure(place.error());
  const std::uint64_t offset = platform::LittleEndian32(place->data());
  const std::uint64_t size = platform::LittleEndian32(place->data() + 4);
  if (size > DevotionalBlockLimit)
    return Failure(AboutFile(files, files.blockIndex, "block index") +
                   "claims a block too large to read.");
  if (offset + size > files.blocks.bytes->Size())
    return Failure(AboutFile(files, files.blockIndex, "block index") + "points past " +
                   files.blocks.name + ".");
  platform::Result<std::string> packed = ReadRange(files, files.blocks, offset, size);
  if (!packed)
    return Failure(packed.error());
  platform::Result<std::string> unpacked = files.compression == TBlockCompression::Lzss
                                               ? Unlzss(files, *packed)
                                               : Inflate(files, *packed);
  if (!unpacked)
    return Failure(unpacked.error());
  packed->clear();
  packed->shrink_to_fit();

  const std::string &bytes = *unpacked;
  if (bytes.size() < 4)
    return Failure(AboutBlocks(files) + "holds a block cut short.");
  const std::uint64_t count = platform::LittleEndian32(bytes.data());
  if (count > (bytes.size() - 4) / BlockEntrySize)
    return Failure(AboutBlocks(files) + "holds a block that counts more entries than it holds.");
  if (entry >= count)
    return Failure(AboutFile(files, files.text, "text") + "names an entry its block lacks.");
  const char *at = bytes.data() + 4 + std::uint64_t{entry} * BlockEntrySize;
  const std::uint64_t start = platform::LittleEndian32(at);
  const std::uint64_t length = platform::LittleEndian32(at + 4);
  if (start + length > bytes.size())
    return Failure(AboutBlocks(files) + "holds a block whose entry lies past its end.");
  if (length > DevotionalEntryLimit)
    return Failure(AboutBlocks(files) + "holds an entry too large to read.");
  std::string text =
      bytes.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
  text.resize(std::min(text.size(), text.find('\0')));
  return text;
}
