#pragma once

// Opening a file that came from elsewhere for reading, only when it is a
// regular file. A FIFO or a device put where a package or source was
// expected (or swapped in after the folder was listed) would otherwise hold
// the open or the first read for ever.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/owned_file.h"

namespace platform {

// Opens path for reading without blocking, judges the open descriptor (so a
// file swapped after a listing is judged as it is now) and hands back a
// stream only for a regular file. Otherwise nothing, and problem says why
// ("cannot open 'X': No such file or directory", "'X' is a FIFO, not a
// regular file").
OwnedFile OpenRegularFile(const std::string &path, std::string &problem);

// The whole of the regular file at path, read once into memory; nothing, with
// problem saying why, when it cannot be opened or read, is no regular file,
// or holds more than limit bytes (told before anything is read). What names
// the file in the too-large message ("a package source").
std::optional<std::string> ReadRegularFile(const std::string &path, std::uint64_t limit,
                                           const std::string &what, std::string &problem);

} // namespace platform
