#pragma once

// Our reader of the reference pictures (.QXR): Windows BMP files.
//
// What is read:
//   - the 14-byte file header, signature "BM"; bfOffBits says where the pixel
//     rows start; bfSize is not trusted (writers get it wrong), the real
//     length of the file is used instead;
//   - an information header of 12 bytes (BITMAPCOREHEADER: 16-bit unsigned
//     width and height, 3-byte colour table entries), 40 bytes
//     (BITMAPINFOHEADER: 32-bit signed width and height, 4-byte entries), or
//     the 108- and 124-byte v4 and v5 headers most tools write today, which
//     begin as the 40-byte one; their colour space and profile are not used.
//     Any other size is refused;
//   - 1, 4, 8 and 24 bits per pixel, and 32 (blue, green, red, a fourth byte
//     that is not shown) with the larger headers; uncompressed (BI_RGB), or
//     for 32 bits with a v4 or v5 header bit fields whose masks give that
//     same layout (the fourth byte as alpha or unused);
//   - a colour table for 1, 4 and 8 bits: with the 12-byte header always
//     2^depth entries; with the 40-byte header biClrUsed entries, 0 meaning
//     2^depth. biClrUsed above 2^depth (or above 256 for the deeper formats,
//     where the table is a mere hint) is refused. A pixel whose index lies
//     past a shorter table is black. The table follows the information
//     header and must end at or before bfOffBits;
//   - rows bottom-up, or top-down for a negative height (40-byte header
//     only), each padded to a multiple of 4 bytes.
//
// Width and height must be 1..MaxBitmapSide. Every size is worked out in 64
// bits and checked against the length of the file before anything is
// allocated. From a file the reader reads the headers and colour table (at
// most its first 1,162 bytes), then only the part of each row it decodes;
// a caller that shows a block of the picture has only that block decoded, so
// a picture costs what is shown of it, whatever its sides and length.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/result.h"

inline constexpr int MaxBitmapSide = 10000;

// The References dialog shows the top-left ShownPictureSide x
// ShownPictureSide pixels of a picture, and reads no more of it.
inline constexpr int ShownPictureSide = 325;

// Pictures are the platform's bitmaps, which the dialogs show: 0x00RRGGBB,
// top row first.
using TBitmapImage = TBitmap;

// Why a file is not a readable picture. A typed reason rather than words:
// the package tool chooses its advice by it (a file it cannot open needs no
// hint on converting pictures); DescribeBitmapFault gives the words.
enum class TBitmapFault {
  None,            // the reader's own checks found nothing wrong; never a failure's kind
  CannotOpen,      // the file cannot be opened or read
  FileTooLarge,    // larger than any picture within the limits can be
  TooShort,        // shorter than its headers or its colour table
  BadSignature,    // does not start with "BM"
  BadHeaderSize,   // information header not 12, 40, 108 or 124 bytes
  BadPlanes,       // planes other than 1
  BadDepth,        // bits per pixel not 1, 4, 8, 24 (or 32 with 40 bytes)
  Compressed,      // anything but BI_RGB (or bit fields laid out as it)
  BadDimensions,   // width or height 0, negative width, or a side above the limit
  BadColourCount,  // biClrUsed larger than the depth allows
  BadPixelOffset,  // bfOffBits inside the headers or colour table
  TruncatedPixels, // the file ends before the last pixel row
};

// The fault in words fit for a message.
const char *DescribeBitmapFault(TBitmapFault fault);

// A picture read, or why not: the fault, and its words as the message.
template <class T> using BitmapResult = platform::Result<T, platform::Fault<TBitmapFault>>;

// A picture as read: the size of the whole, from its headers, and its
// top-left block, decoded.
struct TBitmapBlock {
  int Width = 0;
  int Height = 0;
  TBitmapImage TopLeft; // at most the size asked for
};

// Decodes the top-left width x height pixels (or fewer, of a smaller
// picture; width and height count as at least 1) of the BMP file held in
// memory, after checking the whole file as ReadBitmap does. A file that is
// not readable is a failure with its fault.
BitmapResult<TBitmapBlock> ReadBitmapTopLeft(std::span<const std::uint8_t> bytes, int width,
                                             int height);

// Reads the BMP file at path as ReadBitmapTopLeft, reading from it only the
// headers and the rows of the block.
BitmapResult<TBitmapBlock> ReadBitmapFileTopLeft(const std::string &path, int width, int height);

// Decodes a whole BMP file held in memory. A file that is not readable is a
// failure with its fault.
BitmapResult<TBitmapImage> ReadBitmap(std::span<const std::uint8_t> bytes);

// Reads and decodes the BMP file at path, as ReadBitmap.
BitmapResult<TBitmapImage> ReadBitmapFile(const std::string &path);

// A copy of the picture at width x height pixels. Each new pixel is the
// average of the source pixels its area covers (at least one), so shrinking
// smooths and enlarging repeats pixels. An empty picture, or a width or
// height outside 1..MaxBitmapSide, gives an empty picture (0 x 0).
TBitmapImage ScaleTo(const TBitmapImage &image, int width, int height);
