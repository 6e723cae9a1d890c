#pragma once

// A device context for layout tests: every character is CharWidth pixels wide
// unless the measured text is listed in Widths, every text is Height pixels
// high, and the justification and drawing calls are recorded in order. Like a
// real device, it adds the justification amount that is set to what it
// measures.

#include <algorithm>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "framework/dc.h"

struct TLayoutCall {
  bool Draw = false; // else a justification
  int A = 0;         // x, or the extra pixels
  int B = 0;         // y, or the break count
  std::string Text;
  bool operator==(const TLayoutCall &) const = default;
};

inline TLayoutCall Justify(int extra, int breaks) {
  return {false, extra, breaks, {}};
}
inline TLayoutCall Draw(int x, int y, std::string text) {
  return {true, x, y, std::move(text)};
}

inline void PrintTo(const TLayoutCall &call, std::ostream *out) {
  if (call.Draw)
    *out << "Draw(" << call.A << ", " << call.B << ", \"" << call.Text << "\")";
  else
    *out << "Justify(" << call.A << ", " << call.B << ")";
}

class TScriptedDC : public TDC {
public:
  int CharWidth = 10;
  int Height = 16;
  std::map<std::string, int, std::less<>> Widths;
  std::vector<TLayoutCall> Calls;
  std::uint64_t MeasuredChars = 0;

  std::vector<std::string> DrawnTexts() const {
    std::vector<std::string> texts;
    for (const TLayoutCall &call : Calls)
      if (call.Draw)
        texts.push_back(call.Text);
    return texts;
  }

  TSize GetTextExtent(std::string_view text, int count) override {
    text = text.substr(0, static_cast<std::size_t>(std::clamp<int>(count, 0, text.size())));
    MeasuredChars += text.size();
    const auto listed = Widths.find(text);
    const int width =
        listed != Widths.end() ? listed->second : CharWidth * static_cast<int>(text.size());
    return {width + extra_, Height};
  }
  void SetTextJustification(int extra, int breakCount) override {
    extra_ = extra;
    Calls.push_back(Justify(extra, breakCount));
  }
  void TextOut(int x, int y, std::string_view text, int count) override {
    Calls.push_back(Draw(x, y, std::string(text.substr(0, static_cast<std::size_t>(count)))));
  }
  void SelectFont(const TFontDesc &) override {}
  void SetTextColor(TColor) override {}
  void SetBkColor(TColor) override {}
  void SetBkMode(int) override {}

private:
  int extra_ = 0;
};
