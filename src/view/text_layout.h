#pragma once

// Breaking one paragraph into lines that fit the verse window, and drawing
// them. A line is placed flush left (and, with JustifyText on, spread to the
// full width), centred, or flush right, with a margin of 4 pixels on each
// side. Every measure is taken with the font selected in the device context
// at the time of the call; nothing is kept between calls.

#include <cstdint>
#include <string_view>

#include "content/day_entries.h"
#include "framework/dc.h"

struct Settings;

// The working rectangle in device pixels. The layout reads left and right,
// moves top down by one line height per line (top is the y of the next line)
// and never reads bottom.
struct LayoutRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  bool operator==(const LayoutRect &) const = default;
};

// How a line is placed. Any other value lays out as AlignLeft.
inline constexpr int AlignLeft = 0;   // x = 4; justified when JustifyText is on
inline constexpr int AlignCenter = 1; // x = (right - width) / 2; never justified
inline constexpr int AlignRight = 2;  // x = right - 4 - width; never justified

// Lays out and draws text (the program's UTF-8) as one paragraph, starting at
// rect.top, and advances rect.top past it; justified by the settings'
// JustifyText. Spaces break lines, and so do the places between the
// characters of a script written without spaces where Unicode lets a line
// break (view/line_breaks.h); only spaces take justification. An
// empty text, or one of spaces only, draws nothing and still takes one line.
// Gives the document bottom: the y just below the last line, in document
// coordinates, held to the range of the 16-bit value.
std::int16_t LayoutText(TDC &dc, const Settings &settings, std::string_view text, LayoutRect &rect,
                        int alignment);

// Lays out the body of an entry, its pieces joined with nothing between them,
// as one paragraph; gives the document bottom as LayoutText does.
std::int16_t LayoutEntryText(TDC &dc, const Settings &settings, const TDayEntry &entry,
                             LayoutRect &rect, int alignment);
