#pragma once

// The entries of a SWORD dictionary module read from its files' bytes, as
// libsword's writers (imp2ld) lay them out, all numbers little-endian:
//  - RawLD, RawLD4: the index (.idx) holds an entry per key, in the order
//    of the keys: the offset (4 bytes) and size (2 bytes; RawLD4: 4) of
//    its record in the text (.dat). A record is its key, a line end
//    ("\r\n", or "\n" in older modules), then the entry's text.
//  - zLD: the index and text as RawLD4's, but a record holds after its key
//    the number of a block (4 bytes) and of the entry in it (4 bytes). The
//    block index (.zdx) holds per block its offset and size (4 bytes each)
//    in the blocks (.zdt). A block, unpacked (zlib, or libsword's LZSS),
//    holds its count of entries (4 bytes), their offsets and sizes in the
//    block (4 bytes each), then their texts, each ending with a NUL.
// Keys are stored in upper case (A-Z) and compared so. A text "@LINK <key>"
// stands for the entry of that key.
//
// The files come from downloads and packages: every offset is checked
// against the file it points into and every size against the limits
// (scripture/devotional_reader.h) before anything is read or allocated, and
// only what the lookup needs is read: the index entries a binary search
// visits, their keys, one record and at most one block.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/result.h"

class TByteSource;

enum class TDictionaryDriver { RawLD, RawLD4, zLD };
// How a zLD module's blocks are packed (its CompressType).
enum class TBlockCompression { Zip, Lzss };

struct TDictionaryFile {
  std::string name; // as messages name it: "dailylight.idx"
  const TByteSource *bytes = nullptr;
};

struct TDictionaryFiles {
  std::string module; // its name, for messages
  TDictionaryDriver driver = TDictionaryDriver::RawLD;
  TBlockCompression compression = TBlockCompression::Zip;
  TDictionaryFile index, text;        // .idx, .dat
  TDictionaryFile blockIndex, blocks; // .zdx, .zdt: zLD only
};

// The most links followed from the key asked for, and the longest key read
// (a longer stored key is compared by its start).
inline constexpr int DictionaryLinkLimit = 8;
inline constexpr std::size_t DictionaryKeyLimit = 256;

// The stored text of key's entry, its links followed, up to its first NUL
// (as libsword reads it); nullopt when the module has no entry of that key.
// A failure, in a sentence that names the module and the file, when the
// files are damaged, claim more than the limits, or the entry links in a
// loop or to a key the module lacks.
platform::Result<std::optional<std::string>> ReadDictionaryText(const TDictionaryFiles &files,
                                                                std::string_view key);
