#include "framework/headless/headless_dc.h"

#include <algorithm>

TSize HeadlessDC::GetTextExtent(std::string_view text, int count) {
  int n = std::clamp(count, 0, static_cast<int>(text.size()));
  return TSize{n * CharWidth(font_.Height), font_.Height};
}

void HeadlessDC::SetTextJustification(int extra, int breakCount) {
  justifyExtra_ = extra;
  justifyBreaks_ = breakCount;
}

void HeadlessDC::TextOut(int x, int y, std::string_view text, int count) {
  int n = std::clamp(count, 0, static_cast<int>(text.size()));
  drawn_.push_back({x, y, std::string(text.substr(0, static_cast<size_t>(n))), font_, textColor_,
                    bkColor_, bkMode_, justifyExtra_, justifyBreaks_});
}

std::string HeadlessDC::DrawnLines() const {
  std::string lines;
  for (const DrawnText &drawn : drawn_)
    lines += drawn.text + "\n";
  return lines;
}
