#include "content/package_format.h"

#include <sys/stat.h>

namespace package {

namespace {

// Bytes before the first title record: PackageType, 2 reserved, TitleCount.
constexpr std::size_t LeadSize = 4;
constexpr std::size_t TitleRecordSize = 1 + TitleLength;
constexpr std::size_t OffsetTableSize = OffsetCount * 4;

bool Fail(std::string &error, std::string text) {
  error = std::move(text);
  return false;
}

bool ReadExactly(std::FILE *file, void *buffer, std::size_t size) {
  return std::fread(buffer, 1, size, file) == size;
}

std::uint32_t LittleEndian32(const unsigned char *bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

bool ReadTitles(std::FILE *file, int count, Header &header, std::string &error) {
  for (int i = 0; i < count; ++i) {
    unsigned char record[TitleRecordSize];
    if (!ReadExactly(file, record, sizeof record))
      return Fail(error, "the file ends inside title " + std::to_string(i + 1));
    const unsigned length = record[0];
    if (length > static_cast<unsigned>(TitleLength))
      return Fail(error, "title " + std::to_string(i + 1) + " has the length " +
                             std::to_string(length) + ", above " + std::to_string(TitleLength));
    header.Titles.emplace_back(reinterpret_cast<const char *>(record + 1), length);
  }
  return true;
}

bool ReadMarkerAndOffsets(std::FILE *file, Header &header, std::string &error) {
  unsigned char marker = 0;
  unsigned char table[OffsetTableSize];
  if (!ReadExactly(file, &marker, 1) || !ReadExactly(file, table, sizeof table))
    return Fail(error, "the file ends inside the slot offsets");
  header.TrailerMarker = static_cast<char>(marker);
  for (int k = 0; k < OffsetCount; ++k)
    header.SlotOffsets[k] = LittleEndian32(table + 4 * k);
  return true;
}

} // namespace

bool IsAcceptedType(std::uint8_t packageType) {
  switch (packageType) {
  case 0:
  case 1:
  case 2:
  case 10:
  case 11:
  case 12:
  case 20:
  case 21:
  case 22:
  case 30:
  case 31:
  case 32:
    return true;
  default:
    return false;
  }
}

bool IsReadingPlan(const Header &header) {
  return !header.Titles.empty() && header.Titles.front().starts_with(ReadingPlanPrefix);
}

std::optional<Header> ReadHeader(std::FILE *file, std::string &error) {
  struct stat status {};
  if (file == nullptr || fstat(fileno(file), &status) != 0 || std::fseek(file, 0, SEEK_SET) != 0) {
    Fail(error, "the file cannot be read");
    return std::nullopt;
  }
  Header header;
  header.FileSize = status.st_size > 0 ? static_cast<std::uint64_t>(status.st_size) : 0;

  unsigned char lead[LeadSize];
  if (header.FileSize < LeadSize || !ReadExactly(file, lead, sizeof lead)) {
    Fail(error, "the file is shorter than its header");
    return std::nullopt;
  }
  header.PackageType = lead[0];
  const int titleCount = static_cast<signed char>(lead[3]);
  if (titleCount < 1 || titleCount > MaxTitles) {
    Fail(error, "the title count " + std::to_string(titleCount) + " is outside 1 to " +
                    std::to_string(MaxTitles));
    return std::nullopt;
  }
  header.Size = HeaderSize(titleCount);
  if (header.FileSize < header.Size) {
    Fail(error, "the file (" + std::to_string(header.FileSize) +
                    " bytes) is shorter than its header (" + std::to_string(header.Size) +
                    " bytes)");
    return std::nullopt;
  }
  if (!ReadTitles(file, titleCount, header, error) || !ReadMarkerAndOffsets(file, header, error))
    return std::nullopt;
  return header;
}

} // namespace package
