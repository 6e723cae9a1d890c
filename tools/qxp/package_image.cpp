#include "qxp/package_image.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/regular_file.h"

namespace qxp {

namespace {

using File = platform::OwnedFile;

// The most of a file the header reader looks at.
constexpr std::uint64_t LargestHeader = package::HeaderSize(package::MaxTitles);

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0)
      return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A file with the given bytes at its start and the given size, for the
// header reader (which takes the size of the file from the system).
File MemoryFile(std::string_view start, std::uint64_t size) {
  int fd = ::memfd_create("qxp-package", MFD_CLOEXEC);
  if (fd < 0)
    return nullptr;
  if (!WriteAll(fd, start) || ::ftruncate(fd, static_cast<off_t>(size)) != 0 ||
      ::lseek(fd, 0, SEEK_SET) != 0) {
    ::close(fd);
    return nullptr;
  }
  File file(::fdopen(fd, "rb"));
  if (!file)
    ::close(fd);
  return file;
}

} // namespace

std::optional<PackageImage> PackageImage::Load(const std::string &path, std::string &error) {
  std::optional<std::string> bytes = platform::ReadRegularFile(path, MaxSize, "a package", error);
  if (!bytes)
    return std::nullopt;
  return FromBytes(std::move(*bytes));
}

PackageImage PackageImage::FromBytes(std::string bytes) {
  PackageImage image;
  image.bytes_ = std::move(bytes);
  std::string_view start = std::string_view(image.bytes_).substr(0, LargestHeader);
  if (File file = MemoryFile(start, image.Size()))
    image.header_ = package::ReadHeader(file.get(), image.headerFault_);
  else
    image.headerFault_ = std::string("the header cannot be read: ") + std::strerror(errno);
  return image;
}

std::optional<std::uint8_t> PackageImage::Byte(std::uint64_t at) const {
  if (at >= Size())
    return std::nullopt;
  return static_cast<std::uint8_t>(bytes_[at]);
}

std::optional<std::uint32_t> PackageImage::U32(std::uint64_t at) const {
  auto span = Span(at, 4);
  if (!span)
    return std::nullopt;
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = (value << 8) | static_cast<std::uint8_t>((*span)[i]);
  return value;
}

std::optional<std::string_view> PackageImage::Span(std::uint64_t at, std::uint64_t count) const {
  if (at > Size() || count > Size() - at)
    return std::nullopt;
  return std::string_view(bytes_).substr(at, count);
}

std::optional<PackageImage::Piece> PackageImage::PieceAt(std::uint64_t at) const {
  auto length = Byte(at);
  if (!length)
    return std::nullopt;
  auto text = Span(at + 1, *length);
  if (!text)
    return std::nullopt;
  return Piece{*text, at + 1 + *length};
}

} // namespace qxp
