#include "view/verse_painter.h"

#include <gtest/gtest.h>

#include "content/day_state.h"
#include "content/settings.h"
#include "framework/headless/headless_dc.h"
#include "support/day_entry_builder.h"
#include "support/layer_reset.h"
#include "view/clipboard_copy.h"
#include "view/text_layout.h"

namespace {

using Drawn = HeadlessDC::DrawnText;

using testsupport::Entry;

const Drawn &Find(const HeadlessDC &dc, const std::string &text) {
  for (const Drawn &drawn : dc.Drawn())
    if (drawn.text == text)
      return drawn;
  static Drawn none{};
  ADD_FAILURE() << "not drawn: " << text;
  return none;
}

class VersePainterTest : public ::testing::Test {
protected:
  void SetUp() override { testsupport::ResetViewLayers(); }
  const TRect client{0, 0, 408, 300};
  Settings settings;
  DayState dayState;
};

TEST_F(VersePainterTest, DrawsTheHeadingCentredInBlueAndTheBodyInBlack) {
  auto entry = Entry("Verse", "Love one another.", '-', "- John 13:34", 20);
  HeadlessDC dc;
  const std::int16_t DocumentBottom =
      PaintDayEntries(dc, settings, client, entry.get(), dayState.ShowAnswers);
  const Drawn &heading = Find(dc, "Verse");
  EXPECT_EQ(heading.textColor, HeadingColor);
  EXPECT_EQ(heading.x, (408 - 5 * 10) / 2);
  EXPECT_EQ(heading.y, 0);
  EXPECT_EQ(heading.font, (TFontDesc{"Serif", 20, false}));
  EXPECT_EQ(heading.bkMode, TRANSPARENT);
  const Drawn &body = Find(dc, "Love one another.");
  EXPECT_EQ(body.textColor, TextColor);
  EXPECT_EQ(body.x, 4);
  EXPECT_EQ(body.y, 20);
  const Drawn &trailer = Find(dc, "- John 13:34");
  EXPECT_EQ(trailer.x, 408 - 4 - 12 * 10); // flush right
  EXPECT_EQ(DocumentBottom, 60);
}

TEST_F(VersePainterTest, AQuizAnswerIsABlackBarUntilAnswersAreShown) {
  auto entry = Entry("Quiz", "Who built the ark?", '\\', "Noah");
  HeadlessDC hidden;
  PaintDayEntries(hidden, settings, client, entry.get(), dayState.ShowAnswers);
  const Drawn &bar = Find(hidden, "Noah");
  EXPECT_EQ(bar.bkMode, OPAQUE);
  EXPECT_EQ(bar.bkColor, AnswerBarColor);
  EXPECT_EQ(bar.textColor, AnswerBarColor);
  EXPECT_EQ(bar.x, 408 - 4 - 4 * 5);

  dayState.ShowAnswers = true;
  HeadlessDC shown;
  PaintDayEntries(shown, settings, client, entry.get(), dayState.ShowAnswers);
  EXPECT_EQ(Find(shown, "Noah").textColor, ShownAnswerColor);
  EXPECT_EQ(Find(shown, "Noah").bkMode, OPAQUE);
}

TEST_F(VersePainterTest, ATildeTrailerIsItalicAndOtherMarkersArePlainLeftLines) {
  auto entry = Entry("Proverb", "Trust in the LORD.", '~', "Proverbs 3:5");
  entry->Next = Entry("Other", "Text.", '|', "Plain");
  HeadlessDC dc;
  PaintDayEntries(dc, settings, client, entry.get(), dayState.ShowAnswers);
  EXPECT_TRUE(Find(dc, "Proverbs 3:5").font.Italic);
  EXPECT_EQ(Find(dc, "Proverbs 3:5").x, 4);
  EXPECT_FALSE(Find(dc, "Text.").font.Italic);
  EXPECT_EQ(Find(dc, "Plain").x, 4);
}

TEST_F(VersePainterTest, TheGreekHeadingKeepsTheFontSelectedBeforeIt) {
  auto entry = Entry("Proverb", "Trust.", '~', "Proverbs 3:5", 10);
  entry->Next = Entry("Greek Text", "Logos.", 0, "", 30);
  HeadlessDC dc;
  PaintDayEntries(dc, settings, client, entry.get(), dayState.ShowAnswers);
  const Drawn &greek = Find(dc, "Greek Text");
  EXPECT_TRUE(greek.font.Italic);
  EXPECT_EQ(greek.font.Height, 10);
  EXPECT_EQ(Find(dc, "Logos.").font.Height, 30);
}

TEST_F(VersePainterTest, BlankLinesPutsAGapBetweenEntriesOnly) {
  auto entry = Entry("A", "One.", '-', "- Ref");
  entry->Next = Entry("B", "Two.", 0, "", 20);
  entry->Next->Next = Entry("C", "Three.");

  HeadlessDC tight;
  std::int16_t DocumentBottom =
      PaintDayEntries(tight, settings, client, entry.get(), dayState.ShowAnswers);
  EXPECT_EQ(Find(tight, "B").y, 30);
  EXPECT_EQ(DocumentBottom, 30 + 40 + 20);

  settings.BlankLines = 1;
  HeadlessDC gapped;
  DocumentBottom = PaintDayEntries(gapped, settings, client, entry.get(), dayState.ShowAnswers);
  // After an entry with a trailer 10 pixels; after one without, 10 more and a
  // line of its font; none after the last.
  EXPECT_EQ(Find(gapped, "B").y, 30 + 10);
  EXPECT_EQ(Find(gapped, "C").y, 40 + 40 + 10 + 20);
  EXPECT_EQ(DocumentBottom, 110 + 20);
}

TEST(ScrollRangeTest, CountsFourPixelUnitsBeyondTheWindow) {
  EXPECT_EQ(ScrollRangeFor(300, 400), 0);
  EXPECT_EQ(ScrollRangeFor(800, 400), 100);
  EXPECT_EQ(ScrollRangeFor(403, 400), 0);
  EXPECT_EQ(ScrollRangeFor(32767, 0), 8191);
}

TEST(DayTextTest, EachEntryIsAHeadingABodyLineAndABlankLine) {
  auto entry = Entry("H", "B1", 0, "");
  entry->NextPiece = std::make_unique<TTextPiece>("B2");
  entry->Next = Entry("Quiz", "Who? ", '\\', "Noah");
  EXPECT_EQ(DayText(entry.get()), "H\r\nB1B2 \r\n\r\nQuiz\r\nWho?  Noah\r\n\r\n");
  EXPECT_EQ(DayText(nullptr), "");
}

} // namespace
