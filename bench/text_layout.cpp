// Lays out a paragraph of about 1,000 characters, the size of a long daily
// reading, in a window 400 pixels wide, as every paint does for each body.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "content/settings.h"
#include "view/text_layout.h"

namespace {

// Fixed metrics: 7 pixels a character, 16 a line; drawing costs nothing.
class TFixedDC : public TDC {
public:
  TSize GetTextExtent(std::string_view text, int count) override {
    const auto length = std::min<std::size_t>(text.size(), static_cast<std::size_t>(count));
    return {7 * static_cast<int>(length), 16};
  }
  void SetTextJustification(int extra, int breakCount) override {
    benchmark::DoNotOptimize(extra + breakCount);
  }
  void TextOut(int x, int y, std::string_view text, int count) override {
    benchmark::DoNotOptimize(x + y + count);
    benchmark::DoNotOptimize(text.data());
  }
  void SelectFont(const TFontDesc &) override {}
  void SetTextColor(TColor) override {}
  void SetBkColor(TColor) override {}
  void SetBkMode(int) override {}
};

std::string Paragraph() {
  const std::string verse = "In the beginning God created the heaven and the earth. And the "
                            "earth was without form, and void; and darkness was upon the face "
                            "of the deep. ";
  std::string text;
  while (text.size() < 1000)
    text += verse;
  text.resize(1000);
  return text;
}

void BM_LayoutParagraph(benchmark::State &state) {
  Settings settings;
  settings.JustifyText = 1;
  TFixedDC dc;
  const std::string text = Paragraph();
  for (auto _ : state) {
    LayoutRect rect{0, 0, 400, 300};
    LayoutText(dc, settings, text, rect, AlignLeft);
    benchmark::DoNotOptimize(rect.top);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_LayoutParagraph);

} // namespace
