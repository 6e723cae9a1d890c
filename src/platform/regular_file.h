#pragma once

// Opening a file that came from elsewhere for reading, only when it is a
// regular file. A FIFO or a device put where a package or source was
// expected (or swapped in after the folder was listed) would otherwise hold
// the open or the first read for ever.

#include <cstdint>
#include <string>

#include "platform/result.h"

namespace platform {

// A regular file open for reading: its descriptor, closed with the object,
// and its size when it was opened.
class RegularFile {
public:
  RegularFile() = default;
  RegularFile(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
  ~RegularFile();
  RegularFile(RegularFile &&other) noexcept;
  RegularFile &operator=(RegularFile &&other) noexcept;

  explicit operator bool() const { return fd_ >= 0; }
  int Fd() const { return fd_; }
  std::uint64_t Size() const { return size_; }

private:
  int fd_ = -1;
  std::uint64_t size_ = 0;
};

// What a file of mode is when it is not a regular file, for a message ("a
// FIFO", "a character device", "a folder", "a symbolic link", ...).
const char *FileKindOf(unsigned mode);

// Opens path for reading without blocking and judges the open descriptor (so
// a file swapped after a listing is judged as it is now): a regular file, or
// why not ("cannot open 'X': No such file or directory", "'X' is a FIFO, not a
// regular file").
Result<RegularFile> OpenRegularFile(const std::string &path);

// The whole of the regular file at path, read once into memory; a failure
// says why when it cannot be opened or read, is no regular file, or holds
// more than limit bytes (told before anything is read). What names the file
// in the too-large message ("a package source").
Result<std::string> ReadRegularFile(const std::string &path, std::uint64_t limit,
                                    const std::string &what);

// ReadRegularFile's words for a file above limit bytes.
std::string TooLargeText(const std::string &path, std::uint64_t limit, const std::string &what);

} // namespace platform
