#include "scripture/sword_dictionary_blocks.h"

#include <zlib.h>

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
  const std::uint64_t offset = LittleEndian32(place->data());
  const std::uint64_t size = LittleEndian32(place->data() + 4);
  if (size > DevotionalBlockLimit)
    return Failure(AboutFile(files, files.blockIndex, "block index") +
                   "claims a block too large to read.");
  if (offset + size > files.blocks.bytes->Size())
    return Failure(AboutFile(files, files.blockIndex, "block index") + "points past " +
                   files.blocks.name + ".");
  platform::Result<std::string> packed = ReadRange(files, files.blocks, offset, size);
  if (!packed)
    return Failure(packed.error());
  platform::Result<std::string> unpacked = Inflate(files, *packed);
  if (!unpacked)
    return Failure(unpacked.error());
  packed->clear();
  packed->shrink_to_fit();

  const std::string &bytes = *unpacked;
  if (bytes.size() < 4)
    return Failure(AboutBlocks(files) + "holds a block cut short.");
  const std::uint64_t count = LittleEndian32(bytes.data());
  if (count > (bytes.size() - 4) / BlockEntrySize)
    return Failure(AboutBlocks(files) + "holds a block that counts more entries than it holds.");
  if (entry >= count)
    return Failure(AboutFile(files, files.text, "text") + "names an entry its block lacks.");
  const char *at = bytes.data() + 4 + std::uint64_t{entry} * BlockEntrySize;
  const std::uint64_t start = LittleEndian32(at);
  const std::uint64_t length = LittleEndian32(at + 4);
  if (start + length > bytes.size())
    return Failure(AboutBlocks(files) + "holds a block whose entry lies past its end.");
  if (length > DevotionalEntryLimit)
    return Failure(AboutBlocks(files) + "holds an entry too large to read.");
  std::string text =
      bytes.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
  text.resize(std::min(text.size(), text.find('\0')));
  return text;
}
