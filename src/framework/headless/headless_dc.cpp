#include "framework/headless/headless_dc.h"

#include <algorithm>

#include "framework/text_clusters.h"
#include "platform/code_page_1252.h"

namespace {

// The characters of text's first count bytes, a character with the marks
// that join it taken as one.
int CharacterCount(std::string_view text, int count) {
  const std::string_view counted =
      text.substr(0, static_cast<std::size_t>(std::clamp(count, 0, static_cast<int>(text.size()))));
  if (platform::IsAscii(counted))
    return static_cast<int>(counted.size());
  int characters = 0;
  for (std::size_t pos = 0; pos < counted.size(); ++characters)
    pos = ClusterEnd(counted, pos);
  return characters;
}

} // namespace

TSize HeadlessDC::GetTextExtent(std::string_view text, int count) {
  return TSize{CharacterCount(text, count) * CharWidth(font_.Height), font_.Height};
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
