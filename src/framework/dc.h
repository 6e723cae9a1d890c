#pragma once

// A device context: the surface a window paints on, with the operations the
// program draws text with. Each backend provides one (the Qt backend paints
// with QPainter; the headless backend measures with fixed metrics and records
// what is drawn). Text is the program's: UTF-8, a byte that is not part of a
// well-formed sequence standing for its code page 1252 character
// (platform/code_page_1252.h). Counts are of bytes, and a count always ends
// between characters.

#include <cstdint>
#include <string>
#include <string_view>

struct TSize {
  int cx = 0;
  int cy = 0;
  bool operator==(const TSize &) const = default;
};

struct TPoint {
  int x = 0;
  int y = 0;
  bool operator==(const TPoint &) const = default;
};

struct TRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const TRect &) const = default;
};

// A colour as 0x00BBGGRR.
using TColor = std::uint32_t;
constexpr TColor MakeColor(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

// The desktop's colours for a page of text: its background and its text.
struct TPageColors {
  TColor Background = MakeColor(255, 255, 255);
  TColor Text = MakeColor(0, 0, 0);
  bool operator==(const TPageColors &) const = default;
};

// How text is drawn over what lies under it.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// What a font is asked for: the face name, the cell height in pixels, italic.
struct TFontDesc {
  std::string FaceName = "System";
  int Height = 10;
  bool Italic = false;
  bool operator==(const TFontDesc &) const = default;
};

// The pixels justification adds to the gap-th space (from 0) of a line: the
// extra pixels spread evenly over breakCount spaces, the remainder one each
// to the first.
constexpr int JustificationShare(int extra, int breakCount, int gap) {
  const int breaks = breakCount < 1 ? 1 : breakCount;
  if (extra <= 0 || gap >= breaks)
    return 0;
  return extra / breaks + (gap < extra % breaks ? 1 : 0);
}

class TDC {
public:
  virtual ~TDC() = default;

  // Width and height in pixels of the first count bytes of text in the
  // selected font (count is clamped to the text's length).
  virtual TSize GetTextExtent(std::string_view text, int count) = 0;
  // Spreads extra pixels over the next drawn or measured line's breakCount
  // space characters; (0, 1) turns it off.
  virtual void SetTextJustification(int extra, int breakCount) = 0;
  // Draws the first count bytes of text with the top left corner at x, y.
  virtual void TextOut(int x, int y, std::string_view text, int count) = 0;

  virtual void SelectFont(const TFontDesc &font) = 0;
  virtual void SetTextColor(TColor color) = 0;
  virtual void SetBkColor(TColor color) = 0;
  virtual void SetBkMode(int mode) = 0;
};
