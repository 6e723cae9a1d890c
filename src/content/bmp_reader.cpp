#include "content/bmp_reader.h"

#include "platform/regular_file.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

constexpr std::uint64_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;
// The version 4 and 5 headers: the 40-byte header followed by colour masks,
// colour space and (v5) rendering intent and profile. The v5 header is what
// most tools write today.
constexpr std::uint32_t V4HeaderSize = 108;
constexpr std::uint32_t V5HeaderSize = 124;
constexpr std::uint32_t CompressionNone = 0;      // BI_RGB
constexpr std::uint32_t CompressionBitFields = 3; // BI_BITFIELDS: pixels laid out by masks
constexpr std::uint32_t MaxTableEntries = 256;
// The headers and colour table of a readable file lie within its first
// MaxHeadSize bytes: the file header, the v5 header and 256 4-byte entries.
constexpr std::size_t MaxHeadSize = FileHeaderSize + V5HeaderSize + MaxTableEntries * 4;

// The largest picture within the limits (32-bit rows, 10,000 pixels a side)
// takes about 400 MB; a bigger file is refused before anything is read.
constexpr std::uint64_t MaxFileSize = 512ull << 20;

// Where the headers put things; all positions are from the start of the file.
struct TLayout {
  std::uint32_t HeaderSize = 0;
  std::int64_t Width = 0;
  std::int64_t Height = 0; // rows in the file, always positive
  bool TopDown = false;
  unsigned Depth = 0;
  std::uint64_t TableEntries = 0;
  unsigned EntrySize = 0; // 3 (RGBTRIPLE) or 4 (RGBQUAD)
  std::uint64_t PixelOffset = 0;
  std::uint64_t RowStride = 0;
};

std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

bool ValidSide(std::int64_t side) {
  return side >= 1 && side <= MaxBitmapSide;
}

// The depth-dependent checks shared by both headers. The caller has set
// Depth, Width, Height and, for the 40-byte header, clrUsed.
TBitmapFault CheckDepthAndTable(TLayout &layout, bool core, std::uint32_t clrUsed) {
  const unsigned depth = layout.Depth;
  const bool paletted = depth == 1 || depth == 4 || depth == 8;
  if (!paletted && depth != 24 && (core || depth != 32))
    return TBitmapFault::BadDepth;
  if (!ValidSide(layout.Width) || !ValidSide(layout.Height))
    return TBitmapFault::BadDimensions;
  const std::uint32_t fullTable = paletted ? 1u << depth : 0;
  if (core) {
    layout.TableEntries = fullTable;
    return TBitmapFault::None;
  }
  // Deeper formats may carry a table as a hint for palette displays; it is
  // skipped, but it still has to fit.
  if (clrUsed > (paletted ? fullTable : MaxTableEntries))
    return TBitmapFault::BadColourCount;
  layout.TableEntries = paletted && clrUsed == 0 ? fullTable : clrUsed;
  return TBitmapFault::None;
}

TBitmapFault ReadCoreHeader(std::span<const std::uint8_t> bytes, TLayout &layout) {
  layout.Width = Read16(bytes, 18);
  layout.Height = Read16(bytes, 20);
  if (Read16(bytes, 22) != 1)
    return TBitmapFault::BadPlanes;
  layout.Depth = Read16(bytes, 24);
  layout.EntrySize = 3;
  return CheckDepthAndTable(layout, true, 0);
}

// Whether the colour masks of a v4 or v5 header lay 32-bit pixels out as
// blue, green, red and a fourth byte (alpha or unused), as BI_RGB does: the
// only bit fields that are then shown as they are meant.
bool PlainMasks(std::span<const std::uint8_t> bytes) {
  return Read32(bytes, 54) == 0x00FF0000u && Read32(bytes, 58) == 0x0000FF00u &&
         Read32(bytes, 62) == 0x000000FFu &&
         (Read32(bytes, 66) == 0 || Read32(bytes, 66) == 0xFF000000u);
}

TBitmapFault ReadInfoHeader(std::span<const std::uint8_t> bytes, TLayout &layout) {
  layout.Width = static_cast<std::int32_t>(Read32(bytes, 18));
  const std::int64_t height = static_cast<std::int32_t>(Read32(bytes, 22));
  layout.TopDown = height < 0;
  layout.Height = height < 0 ? -height : height;
  if (Read16(bytes, 26) != 1)
    return TBitmapFault::BadPlanes;
  layout.Depth = Read16(bytes, 28);
  const std::uint32_t compression = Read32(bytes, 30);
  const bool plainBitFields = compression == CompressionBitFields && layout.Depth == 32 &&
                              layout.HeaderSize >= V4HeaderSize && PlainMasks(bytes);
  if (compression != CompressionNone && !plainBitFields)
    return TBitmapFault::Compressed;
  layout.EntrySize = 4;
  return CheckDepthAndTable(layout, false, Read32(bytes, 46));
}

// head is the start of the file, at least MaxHeadSize bytes of it unless the
// file is shorter; fileSize is the length of the whole file.
TBitmapFault ReadLayout(std::span<const std::uint8_t> head, std::uint64_t fileSize,
                        TLayout &layout) {
  if (head.size() >= 2 && (head[0] != 'B' || head[1] != 'M'))
    return TBitmapFault::BadSignature;
  if (head.size() < FileHeaderSize + 4)
    return TBitmapFault::TooShort;
  layout.HeaderSize = Read32(head, 14);
  if (layout.HeaderSize != CoreHeaderSize && layout.HeaderSize != InfoHeaderSize &&
      layout.HeaderSize != V4HeaderSize && layout.HeaderSize != V5HeaderSize)
    return TBitmapFault::BadHeaderSize;
  if (head.size() < FileHeaderSize + layout.HeaderSize)
    return TBitmapFault::TooShort;

  const TBitmapFault fault = layout.HeaderSize == CoreHeaderSize ? ReadCoreHeader(head, layout)
                                                                 : ReadInfoHeader(head, layout);
  if (fault != TBitmapFault::None)
    return fault;

  // At most MaxHeadSize, so inside the head when inside the file.
  const std::uint64_t tableEnd =
      FileHeaderSize + layout.HeaderSize + layout.TableEntries * layout.EntrySize;
  if (tableEnd > head.size())
    return TBitmapFault::TooShort;
  layout.PixelOffset = Read32(head, 10);
  if (layout.PixelOffset < tableEnd || layout.PixelOffset > fileSize)
    return TBitmapFault::BadPixelOffset;
  // Each row is padded to whole 32-bit words.
  layout.RowStride = (static_cast<std::uint64_t>(layout.Width) * layout.Depth + 31) / 32 * 4;
  const std::uint64_t pixelBytes = layout.RowStride * static_cast<std::uint64_t>(layout.Height);
  if (pixelBytes > fileSize - layout.PixelOffset)
    return TBitmapFault::TruncatedPixels;
  return TBitmapFault::None;
}

std::vector<std::uint32_t> ReadColourTable(std::span<const std::uint8_t> bytes,
                                           const TLayout &layout) {
  std::vector<std::uint32_t> table;
  if (layout.Depth > 8)
    return table;
  table.reserve(layout.TableEntries);
  std::size_t at = FileHeaderSize + layout.HeaderSize;
  for (std::uint64_t i = 0; i < layout.TableEntries; ++i, at += layout.EntrySize) {
    // Blue, green, red (and a reserved byte in the 4-byte form).
    table.push_back(static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
                    static_cast<std::uint32_t>(bytes[at + 1]) << 8 | bytes[at]);
  }
  return table;
}

// An index past a short table reads as black.
std::uint32_t Lookup(const std::vector<std::uint32_t> &table, unsigned index) {
  return index < table.size() ? table[index] : 0;
}

// Decodes the first width pixels of a row.
void DecodeRow(const std::uint8_t *row, std::size_t width, const TLayout &layout,
               const std::vector<std::uint32_t> &table, std::uint32_t *out) {
  switch (layout.Depth) {
  case 1:
    for (std::size_t x = 0; x < width; ++x)
      out[x] = Lookup(table, row[x / 8] >> (7 - x % 8) & 1u);
    break;
  case 4:
    for (std::size_t x = 0; x < width; ++x)
      out[x] = Lookup(table, x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0xFu);
    break;
  case 8:
    for (std::size_t x = 0; x < width; ++x)
      out[x] = Lookup(table, row[x]);
    break;
  default: {
    // 24 or 32 bits: blue, green, red, then for 32 an unused byte.
    const std::size_t step = layout.Depth / 8;
    for (std::size_t x = 0; x < width; ++x, row += step)
      out[x] = static_cast<std::uint32_t>(row[2]) << 16 | static_cast<std::uint32_t>(row[1]) << 8 |
               row[0];
    break;
  }
  }
}

platform::Unexpected<platform::Fault<TBitmapFault>> Refuse(TBitmapFault why) {
  return platform::Failure(why, DescribeBitmapFault(why));
}

// Fills bytes from position at of the file; false when the file ends first
// or cannot be read.
bool ReadAt(int fd, std::uint64_t at, std::span<std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got =
        pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(at + done));
    if (got < 0 && errno == EINTR)
      continue;
    if (got <= 0)
      return false;
    done += static_cast<std::size_t>(got);
  }
  return true;
}

// Where the pixel rows come from: bytes in memory, or an open file read a
// row at a time, so that no more of it is read than the rows decoded.
class TRowSource {
public:
  virtual ~TRowSource() = default;
  // count bytes from position at, which the layout has found inside the
  // file; nullptr when they cannot be read.
  virtual const std::uint8_t *Read(std::uint64_t at, std::size_t count) = 0;
};

class TMemoryRows final : public TRowSource {
public:
  explicit TMemoryRows(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  const std::uint8_t *Read(std::uint64_t at, std::size_t) override { return bytes_.data() + at; }

private:
  std::span<const std::uint8_t> bytes_;
};

class TFileRows final : public TRowSource {
public:
  explicit TFileRows(int fd) : fd_(fd) {}
  const std::uint8_t *Read(std::uint64_t at, std::size_t count) override {
    row_.resize(count);
    return ReadAt(fd_, at, row_) ? row_.data() : nullptr;
  }

private:
  int fd_;
  std::vector<std::uint8_t> row_;
};

// Decodes the top-left block of the picture whose first bytes are head.
BitmapResult<TBitmapBlock> Decode(std::span<const std::uint8_t> head, std::uint64_t fileSize,
                                  TRowSource &rows, int width, int height) {
  TLayout layout;
  if (const TBitmapFault why = ReadLayout(head, fileSize, layout); why != TBitmapFault::None)
    return Refuse(why);

  const std::vector<std::uint32_t> table = ReadColourTable(head, layout);
  TBitmapBlock picture;
  picture.Width = static_cast<int>(layout.Width);
  picture.Height = static_cast<int>(layout.Height);
  TBitmapImage &block = picture.TopLeft;
  block.Width = std::clamp(width, 1, picture.Width);
  block.Height = std::clamp(height, 1, picture.Height);
  block.Pixels.resize(static_cast<std::size_t>(block.Width) *
                      static_cast<std::size_t>(block.Height));
  // The bytes that hold the block's pixels, at the start of each row.
  const std::size_t rowBytes = (static_cast<std::size_t>(block.Width) * layout.Depth + 7) / 8;
  for (std::int64_t y = 0; y < block.Height; ++y) {
    // Bottom-up files store the top row last.
    const std::int64_t fileRow = layout.TopDown ? y : layout.Height - 1 - y;
    const std::uint8_t *row = rows.Read(
        layout.PixelOffset + static_cast<std::uint64_t>(fileRow) * layout.RowStride, rowBytes);
    if (row == nullptr) // the file was cut short since its length was taken
      return Refuse(TBitmapFault::CannotOpen);
    DecodeRow(row, static_cast<std::size_t>(block.Width), layout, table,
              block.Pixels.data() + static_cast<std::size_t>(y) * block.Width);
  }
  return picture;
}

} // namespace

const char *DescribeBitmapFault(TBitmapFault fault) {
  switch (fault) {
  case TBitmapFault::None:
    return "no fault";
  case TBitmapFault::CannotOpen:
    return "the file cannot be opened or read";
  case TBitmapFault::FileTooLarge:
    return "the file is larger than any picture within the limits";
  case TBitmapFault::TooShort:
    return "the file is shorter than its headers or colour table";
  case TBitmapFault::BadSignature:
    return "the file does not start with \"BM\"";
  case TBitmapFault::BadHeaderSize:
    return "the information header is not one of 12, 40, 108 or 124 bytes";
  case TBitmapFault::BadPlanes:
    return "the number of planes is not 1";
  case TBitmapFault::BadDepth:
    return "the number of bits per pixel is not supported";
  case TBitmapFault::Compressed:
    return "the pixels are compressed, or laid out by colour masks other than blue, green, red";
  case TBitmapFault::BadDimensions:
    return "the width or height is 0 or above 10000 pixels";
  case TBitmapFault::BadColourCount:
    return "the colour table is larger than the depth allows";
  case TBitmapFault::BadPixelOffset:
    return "the pixel offset lies inside the headers or past the end of the file";
  case TBitmapFault::TruncatedPixels:
    return "the file ends before the last pixel row";
  }
  return "unknown fault";
}

BitmapResult<TBitmapBlock> ReadBitmapTopLeft(std::span<const std::uint8_t> bytes, int width,
                                             int height) {
  TMemoryRows rows(bytes);
  return Decode(bytes, bytes.size(), rows, width, height);
}

BitmapResult<TBitmapBlock> ReadBitmapFileTopLeft(const std::string &path, int width, int height) {
  // A named pipe given the name of a picture cannot hold the caller up: it
  // is refused as not a regular file.
  const platform::Result<platform::RegularFile> opened = platform::OpenRegularFile(path);
  if (!opened)
    return Refuse(TBitmapFault::CannotOpen);
  const platform::RegularFile &file = *opened;
  const std::uint64_t size = file.Size();
  if (size > MaxFileSize)
    return Refuse(TBitmapFault::FileTooLarge);
  // The headers and colour table; the rows are read as they are decoded.
  std::vector<std::uint8_t> head(std::min<std::uint64_t>(size, MaxHeadSize));
  if (!ReadAt(file.Fd(), 0, head))
    return Refuse(TBitmapFault::CannotOpen);
  TFileRows rows(file.Fd());
  return Decode(head, size, rows, width, height);
}

BitmapResult<TBitmapImage> ReadBitmap(std::span<const std::uint8_t> bytes) {
  auto picture = ReadBitmapTopLeft(bytes, MaxBitmapSide, MaxBitmapSide);
  if (!picture)
    return platform::Unexpected(std::move(picture).error());
  return std::move(picture->TopLeft);
}

BitmapResult<TBitmapImage> ReadBitmapFile(const std::string &path) {
  auto picture = ReadBitmapFileTopLeft(path, MaxBitmapSide, MaxBitmapSide);
  if (!picture)
    return platform::Unexpected(std::move(picture).error());
  return std::move(picture->TopLeft);
}

TBitmapImage ScaleTo(const TBitmapImage &image, int width, int height) {
  TBitmapImage scaled;
  const bool sourceSound =
      image.Width >= 1 && image.Height >= 1 &&
      image.Pixels.size() == static_cast<std::size_t>(image.Width) * image.Height;
  if (!sourceSound || !ValidSide(width) || !ValidSide(height))
    return scaled;
  scaled.Width = width;
  scaled.Height = height;
  scaled.Pixels.resize(static_cast<std::size_t>(width) * height);

  const std::int64_t sourceWidth = image.Width;
  const std::int64_t sourceHeight = image.Height;
  for (std::int64_t y = 0; y < height; ++y) {
    // The source rows this row covers: at least one.
    const std::int64_t top = y * sourceHeight / height;
    const std::int64_t bottom = std::max((y + 1) * sourceHeight / height, top + 1);
    for (std::int64_t x = 0; x < width; ++x) {
      const std::int64_t left = x * sourceWidth / width;
      const std::int64_t right = std::max((x + 1) * sourceWidth / width, left + 1);
      std::uint64_t red = 0, green = 0, blue = 0;
      for (std::int64_t sy = top; sy < bottom; ++sy) {
        const std::uint32_t *row = image.Pixels.data() + sy * sourceWidth;
        for (std::int64_t sx = left; sx < right; ++sx) {
          red += row[sx] >> 16 & 0xFF;
          green += row[sx] >> 8 & 0xFF;
          blue += row[sx] & 0xFF;
        }
      }
      const auto count = static_cast<std::uint64_t>((bottom - top) * (right - left));
      // Rounded to the nearest level.
      const auto average = [count](std::uint64_t sum) {
        return static_cast<std::uint32_t>((sum + count / 2) / count);
      };
      scaled.Pixels[y * width + x] = average(red) << 16 | average(green) << 8 | average(blue);
    }
  }
  return scaled;
}
