#pragma once

// A zLD module's blocks (scripture/sword_dictionary.h): the one entry of one
// block, the block found through the block index, read, inflated with zlib
// and checked, never beyond DevotionalBlockLimit.

#include <cstdint>
#include <string>

#include "platform/result.h"

struct TDictionaryFiles;

// The text of entry `entry` of block `block`, up to its first NUL.
platform::Result<std::string> ReadBlockEntry(const TDictionaryFiles &files, std::uint32_t block,
                                             std::uint32_t entry);
