#include "qxp/package_image.h"

#include "platform/regular_file.h"

namespace qxp {

std::optional<PackageImage> PackageImage::Load(const std::string &path, std::string &error) {
  platform::Result<std::string> bytes = platform::ReadRegularFile(path, MaxSize, "a package");
  if (!bytes) {
    error = bytes.error();
    return std::nullopt;
  }
  return FromBytes(std::move(*bytes));
}

PackageImage PackageImage::FromBytes(std::string bytes) {
  PackageImage image;
  image.bytes_ = std::move(bytes);
  package::PackageBytes held(image.bytes_);
  platform::Result<package::Header> header = package::ReadHeader(held);
  if (header)
    image.header_ = std::move(*header);
  else
    image.headerFault_ = header.error();
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
