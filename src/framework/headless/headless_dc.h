#pragma once

// A device context without a screen: fixed, predictable metrics (every
// character of a font of height h is max(1, h / 2) pixels wide and h pixels
// high; a character with the marks that join it counts as one) and a record
// of everything drawn, for tests. Text is the program's UTF-8; a count is of
// its bytes.

#include <string>
#include <vector>

#include "framework/dc.h"

class HeadlessDC : public TDC {
public:
  struct DrawnText {
    int x, y;
    std::string text;
    TFontDesc font;
    TColor textColor;
    TColor bkColor;
    int bkMode;
    int justifyExtra; // extra pixels spread over the spaces; 0 for none
    int justifyBreaks;
  };

  // The width of one character in a font of the given height.
  static int CharWidth(int fontHeight) { return fontHeight / 2 > 0 ? fontHeight / 2 : 1; }

  TSize GetTextExtent(std::string_view text, int count) override;
  void SetTextJustification(int extra, int breakCount) override;
  void TextOut(int x, int y, std::string_view text, int count) override;
  void SelectFont(const TFontDesc &font) override { font_ = font; }
  void SetTextColor(TColor color) override { textColor_ = color; }
  void SetBkColor(TColor color) override { bkColor_ = color; }
  void SetBkMode(int mode) override { bkMode_ = mode; }

  const std::vector<DrawnText> &Drawn() const { return drawn_; }
  // Everything drawn, one line of text per TextOut.
  std::string DrawnLines() const;
  const TFontDesc &Font() const { return font_; }

private:
  std::vector<DrawnText> drawn_;
  TFontDesc font_;
  TColor textColor_ = 0;
  TColor bkColor_ = MakeColor(255, 255, 255);
  int bkMode_ = OPAQUE;
  int justifyExtra_ = 0;
  int justifyBreaks_ = 1;
};
