#include "view/verse_painter.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "content/package_format.h"
#include "content/settings.h"
#include "view/text_layout.h"
#include "view/zoom.h"

namespace {

// A package of this title keeps the font of the entry before it for its
// heading (its own face may not have Latin letters).
constexpr std::string_view GreekTitle = "Greek Text";
constexpr int ScrollUnit = 4;

// The relative luminance of a colour, as the accessibility guidelines take
// it.
double Luminance(TColor color) {
  auto channel = [](unsigned value) {
    double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(color & 0xFF) + 0.7152 * channel((color >> 8) & 0xFF) +
         0.0722 * channel((color >> 16) & 0xFF);
}

double Contrast(TColor a, TColor b) {
  double la = Luminance(a);
  double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double ReadableContrast = 4.5;
constexpr TColor White = MakeColor(255, 255, 255);

// The colour moved towards white in steps of a tenth until it reads on the
// (dark) background; white at the latest.
TColor Readable(TColor color, TColor background) {
  for (int step = 0; step < 10; ++step) {
    auto mixed = [&](int shift) {
      unsigned c = (color >> shift) & 0xFF;
      return c + (255 - c) * step / 10;
    };
    TColor candidate = MakeColor(mixed(0), mixed(8), mixed(16));
    if (Contrast(candidate, background) >= ReadableContrast)
      return candidate;
  }
  return White;
}

// Gives the document bottom below the trailer; an entry without a marker has
// none, and its caller keeps the bottom below the body.
std::int16_t PaintTrailer(TDC &dc, const Settings &settings, const TDayEntry &entry,
                          bool showAnswers, TFontDesc &font, LayoutRect &rect,
                          const TVerseColors &colors) {
  switch (entry.Marker) {
  case package::HyphenMarker:
    return LayoutText(dc, settings, entry.Trailer, rect, AlignRight);
  case package::AnswerMarker: {
    // Hidden, the answer is black on a black bar.
    dc.SetTextColor(showAnswers ? colors.ShownAnswer : colors.AnswerBar);
    dc.SetBkColor(colors.AnswerBar);
    dc.SetBkMode(OPAQUE);
    const std::int16_t bottom = LayoutText(dc, settings, entry.Trailer, rect, AlignRight);
    dc.SetBkMode(TRANSPARENT);
    return bottom;
  }
  case package::ItalicMarker: {
    font.Italic = true;
    dc.SelectFont(font);
    const std::int16_t bottom = LayoutText(dc, settings, entry.Trailer, rect, AlignLeft);
    font.Italic = false;
    return bottom;
  }
  default:
    return LayoutText(dc, settings, entry.Trailer, rect, AlignLeft);
  }
}

} // namespace

TVerseColors VerseColorsFor(const TPageColors &page) {
  // Light: black text reads better on it than white text does.
  if (Contrast(page.Background, TextColor) >= Contrast(page.Background, White))
    return TVerseColors{};
  TColor text = Readable(page.Text, page.Background);
  return TVerseColors{Readable(HeadingColor, page.Background), text, text, page.Background};
}

std::int16_t PaintDayEntries(TDC &dc, const Settings &settings, const TRect &client,
                             const TDayEntry *first, bool showAnswers, const TVerseColors &colors) {
  LayoutRect rect{client.left, client.top, client.right, client.bottom};
  std::int16_t bottom = 0;
  for (const TDayEntry *entry = first; entry != nullptr; entry = entry->Next.get()) {
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colors.Heading);
    // The zoom enters here only: the font heights and the gap below.
    TFontDesc font{entry->FontName, ZoomedSize(entry->FontSize, settings.Zoom), false};
    bool greek = entry->Title == GreekTitle;
    if (!greek)
      dc.SelectFont(font);
    LayoutText(dc, settings, entry->Title, rect, AlignCenter);
    if (greek)
      dc.SelectFont(font);
    // A reading plan's progress line: the body's font, in italics, so that
    // it reads as well as the text at every zoom and still stands apart.
    if (!entry->Progress.empty()) {
      font.Italic = true;
      dc.SelectFont(font);
      LayoutText(dc, settings, entry->Progress, rect, AlignCenter);
      font.Italic = false;
      dc.SelectFont(font);
    }

    dc.SetTextColor(colors.Text);
    bottom = LayoutEntryText(dc, settings, *entry, rect, AlignLeft);
    if (entry->Marker != 0)
      bottom = PaintTrailer(dc, settings, *entry, showAnswers, font, rect, colors);

    if (settings.BlankLines != 0 && entry->Next) {
      rect.top += ZoomedSize(EntryGap, settings.Zoom);
      if (entry->Marker == 0)
        rect.top += dc.GetTextExtent("x", 1).cy;
      bottom = static_cast<std::int16_t>(std::clamp(rect.top, -32768, 32767));
    }
  }
  return bottom;
}

int ScrollRangeFor(int documentBottom, int windowHeight) {
  // Truncated toward zero; the scroller takes a negative range as 0.
  return std::clamp((documentBottom - windowHeight) / ScrollUnit, 0, 32767);
}
