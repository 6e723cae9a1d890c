#include "content/package_format.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "platform/little_endian.h"

namespace package {

namespace {

// Bytes before the first title record: PackageType, 2 reserved, TitleCount.
constexpr std::size_t LeadSize = 4;
constexpr std::size_t TitleRecordSize = 1 + TitleLength;
constexpr std::size_t OffsetTableSize = OffsetCount * 4;

platform::Result<void> ReadTitles(PackageBytes &bytes, int count, Header &header) {
  for (int i = 0; i < count; ++i) {
    unsigned char record[TitleRecordSize];
    if (!bytes.Read(LeadSize + i * TitleRecordSize, record, sizeof record))
      return platform::Failure("the file ends inside title " + std::to_string(i + 1));
    const unsigned length = record[0];
    if (length > static_cast<unsigned>(TitleLength))
      return platform::Failure("title " + std::to_string(i + 1) + " has the length " +
                               std::to_string(length) + ", above " + std::to_string(TitleLength));
    header.Titles.emplace_back(reinterpret_cast<const char *>(record + 1), length);
  }
  return {};
}

platform::Result<void> ReadMarkerAndOffsets(PackageBytes &bytes, Header &header) {
  unsigned char marker = 0;
  unsigned char table[OffsetTableSize];
  const std::uint64_t at = header.Size - OffsetTableSize - 1;
  if (!bytes.Read(at, &marker, 1) || !bytes.Read(at + 1, table, sizeof table))
    return platform::Failure("the file ends inside the slot offsets");
  header.TrailerMarker = static_cast<char>(marker);
  for (int k = 0; k < OffsetCount; ++k)
    header.SlotOffsets[k] = platform::LittleEndian32(table + 4 * k);
  return {};
}

} // namespace

bool IsAcceptedType(std::uint8_t packageType) {
  switch (packageType) {
  case 0:
  case 1:
  case 2:
  case Utf8Type:
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

bool PackageBytes::Fill(std::uint64_t position) {
  const std::uint64_t end = readEnd_ > position ? std::min(readEnd_, size_) : size_;
  const std::size_t wanted =
      static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), end - position));
  std::size_t got = 0;
  while (got < wanted) {
    const ssize_t n =
        ::pread(fd_, buffer_.data() + got, wanted - got, static_cast<off_t>(position + got));
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      break;
    got += static_cast<std::size_t>(n);
  }
  bufferStart_ = position;
  buffered_ = got;
  return got > 0;
}

bool PackageBytes::Read(std::uint64_t position, void *out, std::size_t count) {
  if (position > size_ || count > size_ - position)
    return false;
  if (memory_ != nullptr) {
    std::memcpy(out, memory_ + position, count);
    return true;
  }
  auto *target = static_cast<char *>(out);
  while (count > 0) {
    const bool inBuffer = position >= bufferStart_ && position < bufferStart_ + buffered_;
    if (!inBuffer && !Fill(position))
      return false;
    const std::size_t offset = static_cast<std::size_t>(position - bufferStart_);
    const std::size_t part = std::min(count, buffered_ - offset);
    std::memcpy(target, buffer_.data() + offset, part);
    target += part;
    position += part;
    count -= part;
  }
  return true;
}

platform::Result<Header> ReadHeader(PackageBytes &bytes) {
  Header header;
  header.FileSize = bytes.Size();
  bytes.ReadUpTo(HeaderSize(MaxTitles));

  unsigned char lead[LeadSize];
  if (header.FileSize < LeadSize || !bytes.Read(0, lead, sizeof lead))
    return platform::Failure("the file is shorter than its header");
  header.PackageType = lead[0];
  const int titleCount = static_cast<signed char>(lead[3]);
  if (titleCount < 1 || titleCount > MaxTitles)
    return platform::Failure("the title count " + std::to_string(titleCount) + " is outside 1 to " +
                             std::to_string(MaxTitles));
  header.Size = HeaderSize(titleCount);
  if (header.FileSize < header.Size)
    return platform::Failure("the file (" + std::to_string(header.FileSize) +
                             " bytes) is shorter than its header (" + std::to_string(header.Size) +
                             " bytes)");
  if (platform::Result<void> titles = ReadTitles(bytes, titleCount, header); !titles)
    return platform::Failure(titles.error());
  if (platform::Result<void> offsets = ReadMarkerAndOffsets(bytes, header); !offsets)
    return platform::Failure(offsets.error());
  return header;
}

} // namespace package
