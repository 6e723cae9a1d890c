#pragma once

// Harm done to a SWORD module a test has built, as a download or a damaged
// disk may leave it: bytes overwritten in place, numbers in the files'
// little-endian form, a conf's DataPath made another.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "support/sword_module_builder.h"
#include "support/temp_dir.h"

namespace testsupport {

inline void OverwriteBytes(const std::filesystem::path &file, std::uint64_t at,
                           const std::string &bytes) {
  int fd = ::open(file.c_str(), O_WRONLY);
  ASSERT_GE(fd, 0) << file;
  ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(at)),
            static_cast<ssize_t>(bytes.size()));
  ::close(fd);
}

inline std::string Little32(std::uint32_t value) {
  return {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
          static_cast<char>(value >> 24)};
}

// The conf's DataPath made path.
inline void ReplaceDataPath(const std::filesystem::path &conf, const std::string &path) {
  std::string text = ReadFileBytes(conf);
  const std::size_t start = text.find("DataPath=") + 9;
  text.replace(start, text.find('\n', start) - start, path);
  WriteFile(conf, text);
}

} // namespace testsupport
