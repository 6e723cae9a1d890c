#include "qxp/package_image.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/regular_file.h"

namespace qxp {

namespace {

constexpr const char *What = "a package";

// count bytes of the file from at, or nothing after saying why in error.
std::optional<std::string> ReadPart(package::PackageBytes &file, const std::string &path,
                                    std::uint64_t at, std::uint64_t count, std::string &error) {
  std::string part(static_cast<std::size_t>(count), '\0');
  errno = 0;
  if (file.Read(at, part.data(), part.size()))
    return part;
  error = "cannot read '" + path + "': " + std::strerror(errno != 0 ? errno : EIO);
  return std::nullopt;
}

} // namespace

std::optional<PackageImage> PackageImage::Load(const std::string &path, std::string &error) {
  platform::Result<std::string> bytes = platform::ReadRegularFile(path, MaxSize, What);
  if (!bytes) {
    error = bytes.error();
    return std::nullopt;
  }
  return FromBytes(std::move(*bytes));
}

std::optional<PackageImage> PackageImage::LoadDay(const std::string &path, const DayChoice &day,
                                                  std::string &error) {
  platform::Result<platform::RegularFile> opened = platform::OpenRegularFile(path);
  if (!opened) {
    error = opened.error();
    return std::nullopt;
  }
  // Refused as qxp check refuses it, so that both say the same.
  if (opened->Size() > MaxSize) {
    error = platform::TooLargeText(path, MaxSize, What);
    return std::nullopt;
  }
  PackageImage image;
  image.size_ = opened->Size();
  package::PackageBytes file(opened->Fd(), image.size_);
  const std::uint64_t headerSize =
      std::min<std::uint64_t>(image.size_, package::HeaderSize(package::MaxTitles));
  std::optional<std::string> header = ReadPart(file, path, 0, headerSize, error);
  if (!header)
    return std::nullopt;
  image.held_.push_back({0, std::move(*header)});
  image.TakeHeader();
  if (!image.header_)
    return image;
  image.daySlot_ = package::ChooseSlot(*image.header_, day);
  if (!image.daySlot_)
    return image;
  // The entry as far as the reader may read it: the most an entry may take,
  // and the piece that begins there.
  const std::uint64_t start = image.header_->SlotOffsets[static_cast<std::size_t>(*image.daySlot_)];
  if (start >= image.size_)
    return image;
  const std::uint64_t count =
      std::min(image.size_ - start, package::MaxEntrySpan + 1 + package::PieceLength);
  std::optional<std::string> entry = ReadPart(file, path, start, count, error);
  if (!entry)
    return std::nullopt;
  image.held_.push_back({start, std::move(*entry)});
  return image;
}

PackageImage PackageImage::FromBytes(std::string bytes) {
  PackageImage image;
  image.size_ = bytes.size();
  image.held_.push_back({0, std::move(bytes)});
  image.TakeHeader();
  return image;
}

void PackageImage::TakeHeader() {
  const Held &first = held_.front();
  package::PackageBytes held(first.bytes);
  platform::Result<package::Header> header = package::ReadHeader(held);
  if (header) {
    header_ = std::move(*header);
    // A day's image holds the start of the file only.
    header_->FileSize = size_;
  } else {
    headerFault_ = header.error();
  }
}

std::optional<std::uint8_t> PackageImage::Byte(std::uint64_t at) const {
  auto span = Span(at, 1);
  if (!span)
    return std::nullopt;
  return static_cast<std::uint8_t>(span->front());
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
  for (const Held &part : held_)
    if (at >= part.at && at - part.at <= part.bytes.size() &&
        count <= part.bytes.size() - (at - part.at))
      return std::string_view(part.bytes).substr(at - part.at, count);
  return std::nullopt;
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
