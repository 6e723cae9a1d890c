#include "content/bmp_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

using testsupport::TempDir;

// Debian's ImageMagick itself, not whatever "convert" comes first on PATH.
const std::string ImageMagick = "/usr/bin/convert";

std::uint32_t Get(const std::string &bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

std::string With(std::string bytes, std::size_t at, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i, value >>= 8)
    bytes.at(at + i) = static_cast<char>(value & 0xFF);
  return bytes;
}

// The fault of a read; None when it gave a picture.
template <class T> TBitmapFault FaultOf(const BitmapResult<T> &read) {
  return read ? TBitmapFault::None : read.error().kind;
}

std::optional<TBitmapImage> Read(const std::string &bytes, TBitmapFault &fault) {
  auto image = ReadBitmap({reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()});
  fault = FaultOf(image);
  return image ? std::optional(std::move(*image)) : std::nullopt;
}

std::optional<TBitmapImage> Read(const std::string &bytes) {
  TBitmapFault fault = TBitmapFault::None;
  return Read(bytes, fault);
}

std::size_t Stride(std::uint32_t width, std::uint32_t depth) {
  return (width * depth + 31) / 32 * 4;
}

// width x height pixels using exactly `colours` distinct colours.
TBitmapImage Pattern(int width, int height, int colours) {
  TBitmapImage picture{width, height, {}};
  for (int i = 0; i < width * height; ++i) {
    const unsigned k = static_cast<unsigned>(i % colours);
    picture.Pixels.push_back((k * 53 & 0xFF) << 16 | ((k * 97 + 31) & 0xFF) << 8 |
                             ((k * 151 + 7) & 0xFF));
  }
  return picture;
}

// Writes the picture as a PPM and has ImageMagick turn it into format
// ("BMP3" or "BMP2") with -type type; returns the written bytes.
std::string Convert(const TempDir &dir, const TBitmapImage &picture, const std::string &format,
                    const std::string &type) {
  std::string ppm =
      "P6\n" + std::to_string(picture.Width) + " " + std::to_string(picture.Height) + "\n255\n";
  for (std::uint32_t pixel : picture.Pixels)
    ppm +=
        {static_cast<char>(pixel >> 16), static_cast<char>(pixel >> 8), static_cast<char>(pixel)};
  const auto result = testsupport::RunProcess(ImageMagick, {dir.Write("source.ppm", ppm), "-type",
                                                            type, "-compress", "none",
                                                            format + ":" + dir.File("out.bmp")});
  EXPECT_EQ(result.exitStatus, 0) << ImageMagick << ": " << result.errors;
  return dir.Read("out.bmp");
}

// The same 40-byte-header file with its rows stored top row first.
std::string TopDown(const std::string &bmp) {
  const std::uint32_t offset = Get(bmp, 10, 4), height = Get(bmp, 22, 4);
  const std::size_t stride = Stride(Get(bmp, 18, 4), Get(bmp, 28, 2));
  std::string flipped = With(bmp.substr(0, offset), 22, static_cast<std::uint32_t>(-height), 4);
  for (std::uint32_t row = height; row-- > 0;)
    flipped += bmp.substr(offset + row * stride, stride);
  return flipped;
}

// A file with the 40-byte header, table entries 0xRRGGBB, `gap` bytes
// between the table and the rows.
std::string Bmp40(std::int32_t width, std::int32_t height, std::uint16_t depth,
                  const std::vector<std::uint32_t> &table, const std::string &rows,
                  std::uint32_t clrUsed = 0, std::uint32_t gap = 0) {
  std::string bmp(54, '\0');
  bmp = With(With(bmp, 0, 'B' | 'M' << 8, 2), 10, 54 + 4 * table.size() + gap, 4);
  bmp = With(With(With(bmp, 14, 40, 4), 18, width, 4), 22, height, 4);
  bmp = With(With(With(bmp, 26, 1, 2), 28, depth, 2), 46, clrUsed, 4);
  for (std::uint32_t colour : table)
    bmp += {static_cast<char>(colour), static_cast<char>(colour >> 8),
            static_cast<char>(colour >> 16), '\0'};
  return bmp + std::string(gap, 'x') + rows;
}

struct TImageMagickCase {
  const char *Format;
  const char *Type;
  int Colours;
  std::uint32_t HeaderSize;
  std::uint32_t Depth;
};

class BmpImageMagickTest : public ::testing::TestWithParam<TImageMagickCase> {};

// An odd width (13) leaves padding at the end of the rows at every depth.
TEST_P(BmpImageMagickTest, ReadsWhatImageMagickWroteInBothRowOrders) {
  const TImageMagickCase &c = GetParam();
  ASSERT_TRUE(std::filesystem::exists(ImageMagick)) << "install imagemagick";
  TempDir dir;
  const TBitmapImage source = Pattern(13, 7, c.Colours);
  const std::string bmp = Convert(dir, source, c.Format, c.Type);
  // What ImageMagick chose; should that change, the cases need a look.
  ASSERT_EQ(Get(bmp, 14, 4), c.HeaderSize);
  ASSERT_EQ(Get(bmp, c.HeaderSize == 12 ? 24 : 28, 2), c.Depth);

  const auto image = ReadBitmapFile(dir.File("out.bmp"));
  ASSERT_TRUE(image) << image.error().message;
  EXPECT_EQ(FaultOf(image), TBitmapFault::None);
  EXPECT_EQ(image->Width, 13);
  EXPECT_EQ(image->Height, 7);
  EXPECT_EQ(image->Pixels, source.Pixels);
  // The top-left block alone, as the References dialog reads it; its rows
  // end inside a byte at 1 and 4 bits.
  const auto block = ReadBitmapFileTopLeft(dir.File("out.bmp"), 5, 3);
  ASSERT_TRUE(block);
  EXPECT_EQ(std::pair(block->Width, block->Height), std::pair(13, 7));
  EXPECT_EQ(block->TopLeft.Pixels, CopyTopLeft(source, 5, 3).Pixels);

  if (c.HeaderSize == 40) {
    ASSERT_EQ(Get(bmp, 30, 4), 0u); // BI_RGB
    const std::string topDown = TopDown(bmp);
    ASSERT_TRUE(Read(topDown));
    EXPECT_EQ(Read(topDown)->Pixels, source.Pixels);
    const auto topDownBlock = ReadBitmapTopLeft(
        {reinterpret_cast<const std::uint8_t *>(topDown.data()), topDown.size()}, 5, 3);
    ASSERT_TRUE(topDownBlock);
    EXPECT_EQ(topDownBlock->TopLeft.Pixels, block->TopLeft.Pixels);
  }
}

INSTANTIATE_TEST_SUITE_P(BmpDepths, BmpImageMagickTest,
                         ::testing::Values(TImageMagickCase{"BMP3", "Palette", 2, 40, 1},
                                           TImageMagickCase{"BMP3", "Palette", 9, 40, 4},
                                           TImageMagickCase{"BMP3", "Palette", 40, 40, 8},
                                           TImageMagickCase{"BMP3", "TrueColor", 91, 40, 24},
                                           TImageMagickCase{"BMP2", "Palette", 2, 12, 1},
                                           TImageMagickCase{"BMP2", "Palette", 9, 12, 4},
                                           TImageMagickCase{"BMP2", "Palette", 40, 12, 8},
                                           TImageMagickCase{"BMP2", "TrueColor", 91, 12, 24},
                                           // ImageMagick's own choice: the v5 header.
                                           TImageMagickCase{"BMP", "Palette", 40, 124, 8},
                                           TImageMagickCase{"BMP", "TrueColor", 91, 124, 24},
                                           TImageMagickCase{"BMP", "TrueColorAlpha", 91, 124, 32}));

TEST(BmpReaderTest, Reads32BitRowsIgnoringTheFourthByte) {
  TempDir dir;
  const TBitmapImage source = Pattern(13, 7, 91);
  const std::string bmp = Convert(dir, source, "BMP3", "TrueColor");
  const std::uint32_t offset = Get(bmp, 10, 4);
  std::string wide = With(bmp.substr(0, offset), 28, 32, 2);
  for (std::size_t row = 0; row < 7; ++row)
    for (std::size_t x = 0; x < 13; ++x)
      wide += bmp.substr(offset + row * Stride(13, 24) + 3 * x, 3) + '\xAB';
  const auto image = Read(wide);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Pixels, source.Pixels);
}

TEST(BmpReaderTest, ShortTableGivesBlackAndRowsStartAtTheOffset) {
  const auto image = Bmp40(3, 1, 8, {0xFF0000, 0x00FF00}, {1, 0, 7, 0}, 2, 3);
  const auto decoded = Read(image);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Pixels, (std::vector<std::uint32_t>{0x00FF00, 0xFF0000, 0}));
}

TEST(BmpReaderTest, SidesUpToTheLimit) {
  const std::vector<std::uint32_t> table{0xFFFFFF, 0x123456};
  const auto wide = Read(Bmp40(10000, 1, 1, table, std::string(1252, '\0')));
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->Width, 10000);
  // Top-down, one pixel a row: the leading bit of each row.
  std::string rows(40000, '\0');
  rows[0] = '\x80';
  const auto tall = Read(Bmp40(1, -10000, 1, table, rows));
  ASSERT_TRUE(tall);
  EXPECT_EQ(tall->Height, 10000);
  EXPECT_EQ(tall->Pixels[0], 0x123456u);
  EXPECT_EQ(tall->Pixels[1], 0xFFFFFFu);
}

TEST(BmpReaderTest, RefusesDamagedFiles) {
  TempDir dir;
  const std::string info = Convert(dir, Pattern(13, 7, 40), "BMP3", "Palette");
  const std::string core = Convert(dir, Pattern(13, 7, 40), "BMP2", "Palette");
  const std::size_t offset = Get(info, 10, 4);
  using F = TBitmapFault;
  const struct {
    const char *What;
    std::string Bytes;
    TBitmapFault Fault;
  } damaged[] = {
      {"empty", "", F::TooShort},
      {"one byte", info.substr(0, 1), F::TooShort},
      {"cut in the file header", info.substr(0, 13), F::TooShort},
      {"cut in the information header", info.substr(0, 40), F::TooShort},
      {"cut in the colour table", info.substr(0, offset - 1), F::TooShort},
      {"cut in the last row", info.substr(0, info.size() - 1), F::TruncatedPixels},
      {"core cut in the table", core.substr(0, 100), F::TooShort},
      {"core cut in the last row", core.substr(0, core.size() - 1), F::TruncatedPixels},
      {"signature", With(info, 0, 'M' | 'B' << 8, 2), F::BadSignature},
      {"v3 header", With(info, 14, 56, 4), F::BadHeaderSize},
      {"planes", With(info, 26, 2, 2), F::BadPlanes},
      {"core planes", With(core, 22, 0, 2), F::BadPlanes},
      {"16 bits", With(info, 28, 16, 2), F::BadDepth},
      {"core 32 bits", With(core, 24, 32, 2), F::BadDepth},
      {"RLE8", With(info, 30, 1, 4), F::Compressed},
      {"bit fields", With(With(info, 28, 32, 2), 30, 3, 4), F::Compressed},
      {"width 0", With(info, 18, 0, 4), F::BadDimensions},
      {"negative width", With(info, 18, static_cast<std::uint32_t>(-13), 4), F::BadDimensions},
      {"height 0", With(info, 22, 0, 4), F::BadDimensions},
      {"width 10001", With(info, 18, 10001, 4), F::BadDimensions},
      {"top-down 10001", With(info, 22, static_cast<std::uint32_t>(-10001), 4), F::BadDimensions},
      {"height INT_MIN", With(info, 22, 0x80000000u, 4), F::BadDimensions},
      {"core height 10001", With(core, 20, 10001, 2), F::BadDimensions},
      {"257 colours", With(info, 46, 257, 4), F::BadColourCount},
      {"huge colour count", With(info, 46, 0xFFFFFFFFu, 4), F::BadColourCount},
      {"offset past the end", With(info, 10, info.size() + 1, 4), F::BadPixelOffset},
      {"offset in the table", With(info, 10, 60, 4), F::BadPixelOffset},
      {"offset 4 GB", With(info, 10, 0xFFFFFFFFu, 4), F::BadPixelOffset},
      {"sides beyond the rows", With(With(info, 18, 10000, 4), 22, 10000, 4), F::TruncatedPixels},
  };
  for (const auto &d : damaged) {
    TBitmapFault fault = F::None;
    EXPECT_FALSE(Read(d.Bytes, fault)) << d.What;
    EXPECT_EQ(fault, d.Fault) << d.What << ": " << DescribeBitmapFault(fault);
  }
}

TEST(BmpReaderTest, TheV5HeaderIsReadUnlessItsMasksLayThePixelsOutOtherwise) {
  TempDir dir;
  const std::string v5 = Convert(dir, Pattern(13, 7, 91), "BMP", "TrueColorAlpha");
  ASSERT_EQ(Get(v5, 14, 4), 124u);
  ASSERT_EQ(Get(v5, 30, 4), 3u); // bit fields
  EXPECT_TRUE(Read(v5));
  EXPECT_TRUE(Read(With(v5, 66, 0, 4))); // no alpha mask
  using F = TBitmapFault;
  const struct {
    const char *What;
    std::string Bytes;
  } refused[] = {
      {"red and blue swapped", With(With(v5, 54, 0xFF, 4), 62, 0xFF0000, 4)},
      {"a mask in the fourth byte", With(v5, 66, 0xFF, 4)},
      {"bit fields at 24 bits", With(v5, 28, 24, 2)},
      {"RLE8", With(v5, 30, 1, 4)},
  };
  for (const auto &r : refused) {
    TBitmapFault fault = F::None;
    EXPECT_FALSE(Read(r.Bytes, fault)) << r.What;
    EXPECT_EQ(fault, F::Compressed) << r.What;
  }
}

TEST(BmpReaderTest, RefusesFilesThatCannotBeRead) {
  TempDir dir;
  EXPECT_EQ(FaultOf(ReadBitmapFile(dir.File("ABSENT.QXR"))), TBitmapFault::CannotOpen);
  EXPECT_EQ(FaultOf(ReadBitmapFile(dir.Path().string())), TBitmapFault::CannotOpen);
  // A named pipe with no writer must not block the reader.
  ASSERT_EQ(mkfifo(dir.File("PIPE.QXR").c_str(), 0600), 0);
  EXPECT_EQ(FaultOf(ReadBitmapFile(dir.File("PIPE.QXR"))), TBitmapFault::CannotOpen);
  // A sparse file: refused by its length, never read.
  const std::string huge = dir.Write("HUGE.QXR", "BM");
  std::filesystem::resize_file(huge, 600ull << 20);
  EXPECT_EQ(FaultOf(ReadBitmapFile(huge)), TBitmapFault::FileTooLarge);
}

// Pictures of the largest sides in sparse files of a few kilobytes on disk,
// and a file of 512 MiB that its header makes unreadable. qxp check reads a
// picture as the References dialog does; each costs it about what a small
// picture costs, since only the shown block is read and decoded.
TEST(BmpReaderTest, AHugePictureCostsWhatIsShownOfIt) {
  TempDir dir;
  std::string core(26, '\0');
  core = With(With(With(With(core, 0, 'B' | 'M' << 8, 2), 10, 26, 4), 14, 12, 4), 18, 65535, 2);
  core = With(With(With(core, 20, 65535, 2), 22, 1, 2), 24, 24, 2);
  const struct {
    const char *Name;
    std::string Headers;
    std::uint64_t Size;
    const char *Verdict;
  } pictures[] = {
      {"SMALL.QXR", Bmp40(4, 4, 1, {0xFFFFFF, 0}, std::string(16, '\0')), 78,
       "4 x 4 pixels; the References dialog shows it\n"},
      {"ONEBIT.QXR", Bmp40(10000, 10000, 1, {0xFFFFFF, 0}, ""), 62 + 1252ull * 10000,
       "10000 x 10000 pixels; the References dialog shows its top-left 325 x 325 pixels\n"
       "ONEBIT.QXR: warning: to show all of it, make it 325 x 325 pixels or smaller"},
      {"DEEP.QXR", Bmp40(10000, -10000, 32, {}, ""), 54 + 40000ull * 10000, "10000 x 10000 pixels"},
      {"CORE.QXR", core, 512ull << 20, "cannot be shown"},
  };
  testsupport::ProcessOptions options;
  options.workingDirectory = dir.Path().string();
  options.measurePeak = true;
  long smallKib = 0;
  for (const auto &p : pictures) {
    std::filesystem::resize_file(dir.Write(p.Name, p.Headers), p.Size);
    const auto check =
        testsupport::RunProcess(testsupport::BuiltProgram("qxp"), {"check", p.Name}, options);
    EXPECT_NE(check.output.find(p.Verdict), std::string::npos) << check.output;
    smallKib = smallKib == 0 ? check.peakKib : smallKib;
    // The shown block, as read and as pixels, and the allocator's margin.
    constexpr long ShownKib = ShownPictureSide * ShownPictureSide * 4 / 1024;
    EXPECT_LT(check.peakKib - smallKib, 2 * ShownKib + testsupport::PeakMarginKib())
        << p.Name << ": " << check.peakKib << " KiB, " << smallKib << " KiB for a small picture";
  }
}

TEST(BmpReaderTest, ScaleAveragesWhenShrinkingAndRepeatsWhenEnlarging) {
  const TBitmapImage quad{4, 2, {0, 0x020202, 0x040404, 0x060606, 0, 0x010101, 0x100000, 0x10}};
  EXPECT_EQ(ScaleTo(quad, 4, 2).Pixels, quad.Pixels);
  // Sums 3 (rounds down to 1) and 26, 10, 26 (round to 7, 3, 7).
  EXPECT_EQ(ScaleTo(quad, 2, 1).Pixels, (std::vector<std::uint32_t>{0x010101, 0x070307}));
  const TBitmapImage pair{2, 1, {0xAA, 0xBB}};
  EXPECT_EQ(ScaleTo(pair, 4, 2).Pixels,
            (std::vector<std::uint32_t>{0xAA, 0xAA, 0xBB, 0xBB, 0xAA, 0xAA, 0xBB, 0xBB}));
  for (const auto &[width, height] : {std::pair{0, 5}, {5, -1}, {10001, 5}}) {
    const TBitmapImage none = ScaleTo(quad, width, height);
    EXPECT_TRUE(none.Width == 0 && none.Height == 0 && none.Pixels.empty()) << width;
  }
  EXPECT_TRUE(ScaleTo(TBitmapImage{3, 3, {1, 2}}, 2, 2).Pixels.empty());
}

TEST(BmpReaderTest, SamplePicturesReadInBothHeaderForms) {
  std::set<std::uint32_t> headerSizes;
  for (const char *name : {"LANDS.QXR", "TIMELINE.QXR", "TABERNAC.QXR"}) {
    const std::string path = testsupport::SourceTree() + "/packages/pictures/" + name;
    const auto image = ReadBitmapFile(path);
    ASSERT_TRUE(image) << name << ": " << image.error().message;
    // Shown whole by the References dialog, and large enough to be read.
    EXPECT_GE(std::min(image->Width, image->Height), 240) << name;
    EXPECT_LE(std::max(image->Width, image->Height), ShownPictureSide) << name;
    headerSizes.insert(Get(testsupport::ReadFileBytes(path), 14, 4));
    EXPECT_EQ(ScaleTo(*image, 325, 325).Pixels.size(), 325u * 325u) << name;
  }
  EXPECT_EQ(headerSizes, (std::set<std::uint32_t>{12, 40}));
}

} // namespace
