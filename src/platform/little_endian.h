#pragma once

// Numbers stored least significant byte first, as the packages and the
// SWORD library's module files keep them.

#include <cstdint>

namespace platform {

// The count (1..8) bytes from bytes as one number.
inline std::uint64_t LittleEndian(const void *bytes, int count) {
  const auto *b = static_cast<const unsigned char *>(bytes);
  std::uint64_t value = 0;
  for (int i = count; i-- > 0;)
    value = value << 8 | b[i];
  return value;
}

inline std::uint32_t LittleEndian32(const void *bytes) {
  return static_cast<std::uint32_t>(LittleEndian(bytes, 4));
}

inline std::uint32_t LittleEndian16(const void *bytes) {
  return static_cast<std::uint32_t>(LittleEndian(bytes, 2));
}

} // namespace platform
