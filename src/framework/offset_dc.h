#pragma once

// A device context seen through an origin: what is drawn at (x, y) lands at
// (x - dx, y - dy) on the one underneath. Scrolled windows paint through it.

#include "framework/dc.h"

class TOffsetDC : public TDC {
public:
  TOffsetDC(TDC &target, int dx, int dy) : target_(target), dx_(dx), dy_(dy) {}

  TSize GetTextExtent(std::string_view text, int count) override {
    return target_.GetTextExtent(text, count);
  }
  void SetTextJustification(int extra, int breakCount) override {
    target_.SetTextJustification(extra, breakCount);
  }
  void TextOut(int x, int y, std::string_view text, int count) override {
    target_.TextOut(x - dx_, y - dy_, text, count);
  }
  void SelectFont(const TFontDesc &font) override { target_.SelectFont(font); }
  void SetTextColor(TColor color) override { target_.SetTextColor(color); }
  void SetBkColor(TColor color) override { target_.SetBkColor(color); }
  void SetBkMode(int mode) override { target_.SetBkMode(mode); }

private:
  TDC &target_;
  int dx_, dy_;
};
