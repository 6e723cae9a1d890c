#pragma once

// The verse window's drawing, kept between paints. Laying a day out measures
// every line again and again; a scroll or an expose changes none of it. So
// the drawing of the last layout is kept and drawn again for as long as the
// width, the day's entries (their text, fonts and markers), ShowAnswers,
// every setting whose declaration says it affects the drawing or the layout
// (JustifyText, BlankLines, Zoom) and the colours are those it was laid out
// with; any change lays the day out afresh.

#include <cstdint>
#include <string>
#include <vector>

#include "content/day_entries.h"
#include "framework/dc.h"
#include "view/drawing_record.h"
#include "view/verse_painter.h"

class TVersePicture {
public:
  // Paints the entries from first on as PaintDayEntries does, within the
  // client area's width, drawing the lines that may show in rows (document
  // coordinates).
  void Paint(TDC &dc, const Settings &settings, const TRect &client, TRows rows,
             const TDayEntry *first, bool showAnswers, const TVerseColors &colors = {});
  // The y just below the last line of the last paint, in document
  // coordinates, as PaintDayEntries gives it; 0 before the first.
  std::int16_t DocumentBottom() const { return bottom_; }
  // Whether the last paint laid the day out (rather than drawing what was
  // kept).
  bool LaidOut() const { return laidOut_; }
  // Where the last layout drew each byte of the day's readable texts
  // (EntryTexts(first, withAnswers)), in document coordinates: one cell a
  // byte, entry by entry; the further bytes of a character have an empty
  // cell where it ends. A byte not drawn by itself (a line end, the space
  // a line broke at, a hidden answer) has an empty cell where the character
  // before it ends. Nothing when the last layout is not of these entries.
  const std::vector<std::vector<TRect>> &ReadableCells(const TDayEntry *first,
                                                       bool withAnswers) const;

private:
  struct Cells {
    const TDayEntry *first = nullptr;
    bool withAnswers = false;
    bool valid = false;
    std::vector<std::vector<TRect>> parts;
  };

  mutable Cells cells_; // worked out when first asked for after a layout
  std::string key_;
  TDrawingRecord record_;
  std::int16_t bottom_ = 0;
  bool laidOut_ = false;
};

// Everything a layout of the day depends on besides the device's fonts: the
// client area's left, top and right, the settings that affect the drawing or
// the layout, whether answers show and each entry's title, body, marker,
// trailer and font.
std::string LayoutKey(const Settings &settings, const TRect &client, const TDayEntry *first,
                      bool showAnswers);
