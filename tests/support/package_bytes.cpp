#include "support/package_bytes.h"

#include <stdexcept>

#include "content/package_format.h"

namespace testpackage {

std::string Piece(const std::string &text) {
  if (text.size() > 255)
    throw std::invalid_argument("a piece holds at most 255 bytes");
  return static_cast<char>(text.size()) + text;
}

std::size_t TitlePosition(int title) {
  return 4 + static_cast<std::size_t>(title) * 41;
}

std::size_t MarkerPosition(int titleCount) {
  return TitlePosition(titleCount);
}

std::size_t OffsetPosition(int titleCount, int element) {
  return MarkerPosition(titleCount) + 1 + static_cast<std::size_t>(element) * 4;
}

std::uint32_t GetOffset(const std::string &bytes, int titleCount, int element) {
  const std::size_t at = OffsetPosition(titleCount, element);
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

void SetOffset(std::string &bytes, int titleCount, int element, std::uint32_t value) {
  const std::size_t at = OffsetPosition(titleCount, element);
  for (int i = 0; i < 4; ++i)
    bytes.at(at + i) = static_cast<char>(value >> (8 * i) & 0xFF);
}

void InsertIntoSlot0(std::string &bytes, std::size_t at, std::string_view inserted) {
  bytes.insert(at, inserted);
  const auto grown = static_cast<std::uint32_t>(inserted.size());
  for (int element = 1; element <= package::DescriptionSlot; ++element)
    SetOffset(bytes, 1, element, GetOffset(bytes, 1, element) + grown);
}

std::string BuildPackage(const PackageLayout &layout) {
  const int titleCount = static_cast<int>(layout.Titles.size());
  std::string bytes;
  bytes += static_cast<char>(layout.Type);
  bytes += std::string(2, '\0');
  bytes += static_cast<char>(titleCount);
  for (const std::string &title : layout.Titles) {
    std::string record(41, '\0');
    record[0] = static_cast<char>(title.size());
    record.replace(1, title.size(), title);
    bytes += record;
  }
  bytes += layout.Marker;
  bytes += std::string(package::OffsetCount * 4, '\0');

  for (int slot = 0; slot < package::SlotCount; ++slot) {
    SetOffset(bytes, titleCount, slot, static_cast<std::uint32_t>(bytes.size()));
    const auto entry = layout.Entries.find(slot);
    if (entry == layout.Entries.end()) {
      bytes += Piece("Day " + std::to_string(slot));
      continue;
    }
    for (const std::string &piece : entry->second)
      bytes += Piece(piece);
  }
  SetOffset(bytes, titleCount, package::DescriptionSlot, static_cast<std::uint32_t>(bytes.size()));
  bytes += Piece(layout.Description);
  return bytes;
}

} // namespace testpackage
