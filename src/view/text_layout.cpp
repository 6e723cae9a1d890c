#include "view/text_layout.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "content/settings.h"
#include "view/line_breaks.h"

namespace {

constexpr char Space = ' ';
constexpr std::int64_t Margin = 4;

// A line stops growing once it holds this many characters, even if it is not
// full. No readable font puts so many characters on a line as wide as a
// screen; the limit is there for a font that measures (next to) nothing,
// where a long paragraph would otherwise become one line that is measured
// again for every word it gains: a cost that grows with the square of the
// text.
constexpr std::size_t MaxLineLength = 1024;

template <typename Int> Int Clamped(std::int64_t value) {
  return static_cast<Int>(std::clamp<std::int64_t>(value, std::numeric_limits<Int>::min(),
                                                   std::numeric_limits<Int>::max()));
}

int CountOf(std::size_t length) {
  return static_cast<int>(std::min<std::size_t>(length, std::numeric_limits<int>::max()));
}

// One line of the paragraph: the characters [start, end), with gaps spaces
// among them (trailing spaces included).
struct Line {
  std::size_t start = 0;
  std::size_t end = 0;
  std::int64_t gaps = 0;
  // Whether width is the line's measured width; else it is to be measured.
  bool measured = false;
  std::int16_t width = 0;
};

std::size_t SkipSpaces(std::string_view text, std::size_t position) {
  while (position < text.size() && text[position] == Space)
    ++position;
  return position;
}

// The width of text[start, end). The device's widths are taken as signed
// 16-bit values: a wider line wraps round, as it always has.
std::int16_t WidthOf(TDC &dc, std::string_view text, std::size_t start, std::size_t end) {
  return static_cast<std::int16_t>(dc.GetTextExtent(text.substr(start), CountOf(end - start)).cx);
}

// The height of the line that starts at start: that of its first character,
// or of a NUL for an empty line, so that an empty line is as high as a full one.
int HeightOf(TDC &dc, std::string_view text, std::size_t start) {
  static constexpr char Terminator[1] = {'\0'};
  const std::string_view first =
      start < text.size() ? text.substr(start, 1) : std::string_view(Terminator, 1);
  return dc.GetTextExtent(first, 1).cy;
}

// Grows the line from start (a non-space, or the end of the text) word by
// word, measuring it whole each time, until it reaches the usable width or
// the end of the text. A word ends at a space, or where a script written
// without spaces may break (breaks). A line that came out wider than the
// usable width gives its last word back, unless that word is its only one: a
// single word too wide for the window stays whole and runs past the right
// margin. Only the space just before the word given back goes with it;
// earlier spaces of the same run stay on this line and still count as gaps.
// The line comes with its width when it ends where a measure ended.
Line BreakLine(TDC &dc, std::string_view text, std::size_t start, std::int64_t usable,
               const std::vector<std::size_t> &breaks) {
  Line line{start, start, 0};
  Line before = line;
  std::size_t spaces = 0; // before the last word
  std::int16_t width = 0;
  auto nextBreak = std::upper_bound(breaks.begin(), breaks.end(), start);
  for (;;) {
    before = line;
    spaces = 0;
    while (line.end < text.size() && text[line.end] == Space) {
      ++line.end;
      ++line.gaps;
      ++spaces;
    }
    while (nextBreak != breaks.end() && *nextBreak <= line.end)
      ++nextBreak;
    const std::size_t wordEnd = nextBreak != breaks.end() ? *nextBreak : text.size();
    while (line.end < wordEnd && text[line.end] != Space)
      ++line.end;
    width = WidthOf(dc, text, line.start, line.end);
    line.measured = true;
    line.width = width;
    if (line.end == text.size() || width >= usable || line.end - line.start >= MaxLineLength)
      break;
  }
  if (width > usable && before.end > line.start) {
    const std::size_t kept = spaces > 0 ? spaces - 1 : 0;
    line.end = before.end + kept;
    line.gaps = before.gaps + static_cast<std::int64_t>(kept);
    line.measured = before.measured && kept == 0;
    line.width = before.width;
  }
  return line;
}

bool IsLeft(int alignment) {
  return alignment != AlignCenter && alignment != AlignRight;
}

int LineX(int alignment, const LayoutRect &rect, std::int16_t width) {
  switch (alignment) {
  case AlignCenter:
    return Clamped<int>((std::int64_t{rect.right} - width) / 2);
  case AlignRight:
    return Clamped<int>(std::int64_t{rect.right} - Margin - width);
  default:
    return static_cast<int>(Margin);
  }
}

} // namespace

std::int16_t LayoutText(TDC &dc, const Settings &settings, std::string_view text, LayoutRect &rect,
                        int alignment) {
  const std::int64_t usable = std::int64_t{rect.right} - 2 * Margin;
  const bool justify = IsLeft(alignment) && settings.JustifyText != 0;
  const std::vector<std::size_t> breaks = BreaksWithoutSpaces(text);
  std::size_t position = 0;
  for (;;) {
    const Line line = BreakLine(dc, text, SkipSpaces(text, position), usable, breaks);
    const bool last = line.end == text.size();
    const std::int16_t width = line.measured ? line.width : WidthOf(dc, text, line.start, line.end);
    // The last line of a paragraph keeps its natural spacing.
    if (justify && line.gaps > 0 && !last) {
      const std::int64_t extra = std::int64_t{rect.right} - rect.left - 2 * Margin - width;
      dc.SetTextJustification(Clamped<int>(extra), Clamped<int>(line.gaps));
    }
    dc.TextOut(LineX(alignment, rect, width), rect.top, text.substr(line.start),
               CountOf(line.end - line.start));
    // Justification would otherwise also stretch the next measure.
    dc.SetTextJustification(0, 1);
    rect.top = Clamped<std::int32_t>(std::int64_t{rect.top} + HeightOf(dc, text, line.start));
    if (last)
      break;
    position = line.end;
  }
  return Clamped<std::int16_t>(rect.top);
}

std::int16_t LayoutEntryText(TDC &dc, const Settings &settings, const TDayEntry &entry,
                             LayoutRect &rect, int alignment) {
  std::size_t length = 0;
  for (const TTextPiece *piece = &entry; piece != nullptr; piece = piece->NextPiece.get())
    length += piece->Text.size();
  std::string body;
  body.reserve(length);
  for (const TTextPiece *piece = &entry; piece != nullptr; piece = piece->NextPiece.get())
    body += piece->Text;
  // A devotional's paragraphs, each laid out as one.
  std::string_view rest = body;
  for (std::size_t end; (end = rest.find(ParagraphBreak)) != std::string_view::npos;) {
    LayoutText(dc, settings, rest.substr(0, end), rect, alignment);
    rest.remove_prefix(end + 1);
  }
  return LayoutText(dc, settings, rest, rect, alignment);
}
