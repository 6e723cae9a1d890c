#pragma once

// Painting the day's entries: for each, a centred heading in blue (with a
// reading plan's progress line under it, in the body's font and size, in
// italics), the body as one justified paragraph in black, and the trailer by its marker (an
// attribution flush right, a quiz answer on a black bar, an italic line, or a
// plain line), with a gap between entries when BlankLines is on. Font
// heights and the gap are taken at the zoom (view/zoom.h).

#include "content/day_entries.h"
#include "framework/dc.h"

struct Settings;

inline constexpr TColor HeadingColor = MakeColor(0, 0, 200);
inline constexpr TColor TextColor = MakeColor(0, 0, 0);
inline constexpr TColor AnswerBarColor = MakeColor(0, 0, 0);
inline constexpr TColor ShownAnswerColor = MakeColor(255, 255, 255);

// The colours a day is painted in.
struct TVerseColors {
  TColor Heading = HeadingColor;
  TColor Text = TextColor; // the body and the trailers
  TColor AnswerBar = AnswerBarColor;
  TColor ShownAnswer = ShownAnswerColor;
  bool operator==(const TVerseColors &) const = default;
};

// The colours for a page of the desktop's colours: those above on a light
// page; on a dark one the body in the page's text colour, the headings a
// lighter blue and the answer bar in the text colour with the answer in the
// page colour, each readable (4.5:1) against the page.
TVerseColors VerseColorsFor(const TPageColors &page);

// The gap between entries with BlankLines on, besides a line of the entry's
// font after an entry without a trailer.
inline constexpr int EntryGap = 10;

// Paints the entries from first on, in document coordinates, within the
// client area's width, as the settings say, the quiz answers shown when
// showAnswers. Gives the document bottom: the y just below the last
// line (0 when there are no entries), held to the 16-bit range.
std::int16_t PaintDayEntries(TDC &dc, const Settings &settings, const TRect &client,
                             const TDayEntry *first, bool showAnswers,
                             const TVerseColors &colors = {});

// The vertical scroll range, in 4-pixel units, of a document of the given
// height in a window of the given height; 0 when it fits.
int ScrollRangeFor(int documentBottom, int windowHeight);
