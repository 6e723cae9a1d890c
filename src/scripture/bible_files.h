#pragma once

// A Bible module's files checked before libsword reads them. They come from
// downloads and packages, and libsword trusts them: an index that points
// past its data, or claims a block of gigabytes, would have it read out of
// bounds or allocate without end, and a FIFO among them would hold it for
// ever. A module is read only when each file is a regular file (a link to
// one is followed), each index entry lies inside its data and no block
// holds more than BlockLimit bytes.

#include <cstdint>

#include "platform/result.h"

struct TSwordModule;

inline constexpr std::uint64_t IndexLimit = 16 * 1024 * 1024;
inline constexpr std::uint64_t BlockLimit = 16 * 1024 * 1024;

// Nothing when libsword may read the module; else why not, in a sentence
// that names the file ("The index ot.bzv of KJV points past its text.").
platform::Result<void> CheckBibleFiles(const TSwordModule &module);
