#include "view/verse_painter.h"

#include <algorithm>
#include <string_view>

#include "content/day_state.h"
#include "content/package_format.h"
#include "content/settings.h"
#include "view/text_layout.h"
#include "view/zoom.h"

namespace {

// A package of this title keeps the font of the entry before it for its
// heading (its own face may not have Latin letters).
constexpr std::string_view GreekTitle = "Greek Text";
constexpr int ScrollUnit = 4;

void PaintTrailer(TDC &dc, const TDayEntry &entry, TFontDesc &font, LayoutRect &rect) {
  switch (entry.Marker) {
  case 0:
    return;
  case package::HyphenMarker:
    LayoutText(dc, entry.Trailer, rect, AlignRight);
    return;
  case package::AnswerMarker:
    // Hidden, the answer is black on a black bar.
    dc.SetTextColor(ShowAnswers ? ShownAnswerColor : TextColor);
    dc.SetBkColor(AnswerBarColor);
    dc.SetBkMode(OPAQUE);
    LayoutText(dc, entry.Trailer, rect, AlignRight);
    dc.SetBkMode(TRANSPARENT);
    return;
  case package::ItalicMarker:
    font.Italic = true;
    dc.SelectFont(font);
    LayoutText(dc, entry.Trailer, rect, AlignLeft);
    font.Italic = false;
    return;
  default:
    LayoutText(dc, entry.Trailer, rect, AlignLeft);
    return;
  }
}

} // namespace

void PaintDayEntries(TDC &dc, const TRect &client, const TDayEntry *first) {
  LayoutRect rect{client.left, client.top, client.right, client.bottom};
  DocumentBottom = 0;
  for (const TDayEntry *entry = first; entry != nullptr; entry = entry->Next.get()) {
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(HeadingColor);
    // The zoom enters here only: the font heights and the gap below.
    TFontDesc font{entry->FontName, ZoomedSize(entry->FontSize), false};
    bool greek = entry->Title == GreekTitle;
    if (!greek)
      dc.SelectFont(font);
    LayoutText(dc, entry->Title, rect, AlignCenter);
    if (greek)
      dc.SelectFont(font);

    dc.SetTextColor(TextColor);
    LayoutEntryText(dc, *entry, rect, AlignLeft);
    PaintTrailer(dc, *entry, font, rect);

    if (BlankLines != 0 && entry->Next) {
      rect.top += ZoomedSize(EntryGap);
      if (entry->Marker == 0)
        rect.top += dc.GetTextExtent("x", 1).cy;
      DocumentBottom = static_cast<std::int16_t>(std::clamp(rect.top, -32768, 32767));
    }
  }
}

int ScrollRangeFor(int documentBottom, int windowHeight) {
  // Truncated toward zero; the scroller takes a negative range as 0.
  return std::clamp((documentBottom - windowHeight) / ScrollUnit, 0, 32767);
}
