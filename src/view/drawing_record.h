#pragma once

// What a paint drew, as the list of its device-context calls, to be drawn
// again without laying the text out again. Lines wholly outside the rows a
// paint shows are left out of the drawing (never out of the record): the
// window system would clip them away anyway.

#include <array>
#include <bitset>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "framework/dc.h"

struct TDrawCall {
  enum Kind { Font, TextColor, BkColor, BkMode, Justify, Text } kind = Text;
  int a = 0;        // colour, mode, extra pixels, or x
  int b = 0;        // break count, or y
  int height = 0;   // Text: the height of the font it is drawn in
  TFontDesc font;   // Font
  std::string text; // Text
  // Text: the x of each byte's left edge, from a, and of the line's end,
  // the justification in force included. The further bytes of a character,
  // and the marks that join it, have theirs where it ends.
  std::vector<int> edges;
  bool operator==(const TDrawCall &) const = default;
};

// The rows of the document a paint shows, top inclusive, bottom exclusive.
struct TRows {
  int top = 0;
  int bottom = 0;
};

using TDrawingRecord = std::vector<TDrawCall>;

// Makes the record's calls on dc, drawing only the lines that may reach
// into rows.
void DrawRecord(const TDrawingRecord &record, TDC &dc, TRows rows);

// A device context that measures with its target and passes every drawing
// call on to it (text only where it may reach into rows), noting each call
// in a record.
class TRecordingDC : public TDC {
public:
  TRecordingDC(TDC &target, TRows rows, TDrawingRecord &record);

  TSize GetTextExtent(std::string_view text, int count) override;
  void SetTextJustification(int extra, int breakCount) override;
  void TextOut(int x, int y, std::string_view text, int count) override;
  void SelectFont(const TFontDesc &font) override;
  void SetTextColor(TColor color) override;
  void SetBkColor(TColor color) override;
  void SetBkMode(int mode) override;

private:
  void Make(TDrawCall call);
  // The width of a character (with the marks that join it) in the selected
  // font, measured once a font: a layout places every character of the day.
  // ASCII, the most of every day, is looked up by its byte.
  int AsciiAdvance(std::string_view character) {
    const auto byte = static_cast<unsigned char>(character.front());
    if (!measured_.test(byte)) {
      advances_[byte] = target_.GetTextExtent(character, 1).cx;
      measured_.set(byte);
    }
    return advances_[byte];
  }
  int Advance(std::string_view cluster);

  TDC &target_;
  TRows rows_;
  TDrawingRecord &record_;
  // The selected font's height, measured when a line is first drawn in it:
  // the device makes a font only when it is used.
  static constexpr int Unmeasured = -1;
  int fontHeight_ = Unmeasured;
  int justifyExtra_ = 0;
  int justifyBreaks_ = 1;
  std::array<int, 128> advances_{};
  std::bitset<128> measured_;
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  std::unordered_map<std::string, int, TextHash, std::equal_to<>> otherAdvances_;
};
