#pragma once

// A device context that paints with QPainter. Fonts are looked up among the
// system's font families; "System" is the desktop's default sans face, and a
// face that is not installed falls back to a sans face. The height asked for
// is the font's cell height in pixels.

#include <QFont>
#include <QPainter>

#include "framework/dc.h"

class QtDC : public TDC {
public:
  explicit QtDC(QPainter &painter);

  TSize GetTextExtent(std::string_view text, int count) override;
  void SetTextJustification(int extra, int breakCount) override;
  void TextOut(int x, int y, std::string_view text, int count) override;
  void SelectFont(const TFontDesc &font) override;
  void SetTextColor(TColor color) override { textColor_ = color; }
  void SetBkColor(TColor color) override { bkColor_ = color; }
  void SetBkMode(int mode) override { bkMode_ = mode; }

  // The Qt font for a font description.
  static QFont MakeFont(const TFontDesc &desc);

private:
  QPainter &painter_;
  TColor textColor_ = 0;
  TColor bkColor_ = MakeColor(255, 255, 255);
  int bkMode_ = OPAQUE;
  int justifyExtra_ = 0;
  int justifyBreaks_ = 1;
};
