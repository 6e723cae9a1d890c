// Feeds arbitrary module files to the reader of a daily devotional's day
// (the files come from downloads and packages). The input is three bytes
// (the driver, markup and encoding; the month; the day) and then the
// module's files, each after the one before at a "#FILE#" line: the index,
// the text, and for zLD the block index and the blocks, read from memory as
// the reader reads files. The first byte picks, by its remainder by 4, the
// driver (RawLD, RawLD4, zLD with zlib, zLD with LZSS), then the markup and
// the encoding. Whatever it finds is within the entry limit and
// reads as paragraphs of UTF-8, none empty, no longer than three times the
// text as UTF-8; whatever it refuses names the module.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/utf8.h"
#include "scripture/byte_source.h"
#include "scripture/devotional_reader.h"
#include "scripture/sword_dictionary.h"
#include "scripture/sword_modules.h"

namespace {

void Require(bool condition) {
  if (!condition)
    __builtin_trap();
}

constexpr std::string_view Separator = "\n#FILE#\n";

std::vector<std::string_view> Split(std::string_view input) {
  std::vector<std::string_view> parts;
  while (parts.size() < 3) {
    const std::size_t at = input.find(Separator);
    if (at == std::string_view::npos)
      break;
    parts.push_back(input.substr(0, at));
    input.remove_prefix(at + Separator.size());
  }
  parts.push_back(input);
  parts.resize(4);
  return parts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 3)
    return 0;
  const unsigned kind = data[0];
  const std::string key = DevotionalKey(1 + data[1] % 12, 1 + data[2] % 31);
  const std::vector<std::string_view> parts =
      Split({reinterpret_cast<const char *>(data) + 3, size - 3});
  const TMemorySource index(parts[0]), text(parts[1]), blockIndex(parts[2]), blocks(parts[3]);

  TDictionaryFiles files;
  files.module = "Fuzzed";
  files.driver = kind % 4 == 3 ? TDictionaryDriver::zLD : static_cast<TDictionaryDriver>(kind % 4);
  files.compression = kind % 4 == 3 ? TBlockCompression::Lzss : TBlockCompression::Zip;
  files.index = {"fuzzed.idx", &index};
  files.text = {"fuzzed.dat", &text};
  files.blockIndex = {"fuzzed.zdx", &blockIndex};
  files.blocks = {"fuzzed.zdt", &blocks};
  platform::Result<std::optional<std::string>> stored = ReadDictionaryText(files, key);
  if (!stored) {
    Require(stored.error().find(" of Fuzzed ") != std::string::npos);
    return 0;
  }
  if (!*stored)
    return 0;
  Require((*stored)->size() <= DevotionalEntryLimit);

  static const char *const markups[] = {"", "OSIS", "ThML", "GBF", "TEI"};
  TSwordModule module;
  module.name = "Fuzzed";
  module.sourceType = markups[kind / 4 % 5];
  module.encoding = kind / 20 % 2 != 0 ? "UTF-8" : "";
  std::size_t length = 0;
  for (const std::string &paragraph : DevotionalParagraphs(**stored, module)) {
    Require(!paragraph.empty() && platform::IsUtf8(paragraph));
    length += paragraph.size();
  }
  // Latin-1 doubles at most, and the markup's reading of UTF-8 triples.
  Require(length <= (module.encoding.empty() ? 6 : 3) * (*stored)->size());
  return 0;
}
