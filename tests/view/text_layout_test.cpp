#include "view/text_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "content/settings.h"
#include "framework/headless/headless_dc.h"
#include "scripted_dc.h"
#include "support/layer_reset.h"

namespace {

using Calls = std::vector<TLayoutCall>;
using Texts = std::vector<std::string>;

class LayoutTextTest : public ::testing::Test {
protected:
  void SetUp() override { testsupport::ResetViewLayers(); }

  TScriptedDC dc;                   // 10 pixels a character, 16 a line
  LayoutRect rect{0, 0, 108, 0};    // 100 pixels between the margins
  std::int16_t DocumentBottom = -1; // what the last layout gave
  Settings settings;
};

TEST_F(LayoutTextTest, EmptyOrBlankTextDrawsNothingAndTakesOneLine) {
  for (const char *text : {"", " ", "     "}) {
    SCOPED_TRACE('"' + std::string(text) + '"');
    dc.Calls.clear();
    rect.top = 10;
    DocumentBottom = LayoutText(dc, settings, text, rect, AlignLeft);
    EXPECT_EQ(dc.DrawnTexts(), Texts{""});
    EXPECT_EQ(rect.top, 26);
    EXPECT_EQ(DocumentBottom, 26);
  }
}

TEST_F(LayoutTextTest, TheWordThatOverflowsBeginsTheNextLineAndOnlyFullLinesAreJustified) {
  dc.Widths = {{"alpha", 40}, {"alpha beta", 90}, {"alpha beta gamma", 105}};
  DocumentBottom = LayoutText(dc, settings, "alpha beta gamma", rect, AlignLeft);
  EXPECT_EQ(dc.Calls, (Calls{Justify(10, 1), Draw(4, 0, "alpha beta"), Justify(0, 1),
                             Draw(4, 16, "gamma"), Justify(0, 1)}));
  EXPECT_EQ(DocumentBottom, 32);

  settings.JustifyText = 0;
  dc.Calls.clear();
  DocumentBottom = LayoutText(dc, settings, "alpha beta gamma", rect, AlignLeft);
  EXPECT_EQ(dc.Calls,
            (Calls{Draw(4, 32, "alpha beta"), Justify(0, 1), Draw(4, 48, "gamma"), Justify(0, 1)}));
  EXPECT_EQ(rect.top, 64);
  EXPECT_EQ(DocumentBottom, 64);
}

TEST_F(LayoutTextTest, ALineExactlyAsWideAsTheWindowStaysWhole) {
  LayoutText(dc, settings, "abcd efghi jk", rect, AlignLeft);
  EXPECT_EQ(dc.DrawnTexts(), (Texts{"abcd efghi", "jk"}));

  dc.Calls.clear();
  LayoutText(dc, settings, "abcd efghij k", rect, AlignLeft);
  EXPECT_EQ(dc.DrawnTexts(), (Texts{"abcd", "efghij k"}));
}

TEST_F(LayoutTextTest, AWordWiderThanTheWindowStaysWholeOnALineOfItsOwn) {
  LayoutText(dc, settings, "ab abcdefghijklmn xy", rect, AlignLeft);
  EXPECT_EQ(dc.Calls, (Calls{Draw(4, 0, "ab"), Justify(0, 1), Draw(4, 16, "abcdefghijklmn"),
                             Justify(0, 1), Draw(4, 32, "xy"), Justify(0, 1)}));
}

TEST_F(LayoutTextTest, SpacesAreDroppedAtTheStartOfALineAndCountedOneByOneWithinIt) {
  rect.right = 68; // 60 pixels between the margins
  LayoutText(dc, settings, "   abc   defgh", rect, AlignLeft);
  // The run of three spaces gives up only its last one to the next line.
  EXPECT_EQ(dc.Calls, (Calls{Justify(10, 2), Draw(4, 0, "abc  "), Justify(0, 1),
                             Draw(4, 16, "defgh"), Justify(0, 1)}));

  // Spaces at the end of the text stay with the last line, which is not justified.
  dc.Calls.clear();
  rect.right = 108;
  LayoutText(dc, settings, "ab cd  ", rect, AlignLeft);
  EXPECT_EQ(dc.Calls, (Calls{Draw(4, 32, "ab cd  "), Justify(0, 1)}));
}

TEST_F(LayoutTextTest, CentredAndRightAlignedLinesAreNeverJustified) {
  rect.right = 100;
  dc.Widths = {{"heading", 51}, {"trailer", 50}};
  LayoutText(dc, settings, "heading", rect, AlignCenter);
  LayoutText(dc, settings, "trailer", rect, AlignRight);
  LayoutText(dc, settings, "aaaa bbbb cccc", rect, AlignRight);
  EXPECT_EQ(dc.Calls,
            (Calls{Draw(24, 0, "heading"), Justify(0, 1), Draw(46, 16, "trailer"), Justify(0, 1),
                   Draw(6, 32, "aaaa bbbb"), Justify(0, 1), Draw(56, 48, "cccc"), Justify(0, 1)}));
}

TEST_F(LayoutTextTest, WidthsAreTakenAsSixteenBitValues) {
  dc.Widths = {{"huge", 65536 + 40}, {"huge tiny", 65536 + 90}};
  LayoutText(dc, settings, "huge tiny", rect, AlignCenter);
  EXPECT_EQ(dc.Calls, (Calls{Draw(9, 0, "huge tiny"), Justify(0, 1)}));
}

TEST_F(LayoutTextTest, DocumentBottomIsHeldToSixteenBits) {
  rect.top = 40000;
  DocumentBottom = LayoutText(dc, settings, "word", rect, AlignLeft);
  EXPECT_EQ(rect.top, 40016);
  EXPECT_EQ(DocumentBottom, 32767);

  rect.top = -40000;
  DocumentBottom = LayoutText(dc, settings, "word", rect, AlignLeft);
  EXPECT_EQ(DocumentBottom, -32768);
}

std::string WithoutSpaces(const Texts &texts) {
  std::string joined;
  for (const std::string &text : texts)
    joined += text;
  std::erase(joined, ' ');
  return joined;
}

TEST_F(LayoutTextTest, DegenerateWindowsAndFontsStillDrawEveryWordOnce) {
  struct Case {
    int right, charWidth, height;
  };
  for (const Case c :
       {Case{0, 10, 16}, Case{-50, 10, 16}, Case{INT_MIN, 10, 16}, Case{INT_MAX, 10, 16},
        Case{108, 0, 16}, Case{108, 10, 0}, Case{108, -3, -16}}) {
    for (int alignment : {AlignLeft, AlignCenter, AlignRight}) {
      SCOPED_TRACE(testing::Message()
                   << c.right << " " << c.charWidth << " " << c.height << " " << alignment);
      TScriptedDC degenerate;
      degenerate.CharWidth = c.charWidth;
      degenerate.Height = c.height;
      LayoutRect area{0, 0, c.right, 0};
      LayoutText(degenerate, settings, "  In the   beginning God created  ", area, alignment);
      EXPECT_EQ(WithoutSpaces(degenerate.DrawnTexts()), "InthebeginningGodcreated");
    }
  }
}

TEST_F(LayoutTextTest, HugeTextsCostTimeInProportionToTheirLength) {
  dc.CharWidth = 0; // everything fits: without a bound this would be one line
  std::string words;
  for (int i = 0; i < 200000; ++i)
    words += "a ";
  LayoutText(dc, settings, words, rect, AlignLeft);
  EXPECT_EQ(WithoutSpaces(dc.DrawnTexts()), std::string(200000, 'a'));
  EXPECT_LT(dc.MeasuredChars, 1000 * words.size());

  dc = TScriptedDC();
  const std::string word(1000000, 'x');
  LayoutText(dc, settings, word, rect, AlignLeft);
  EXPECT_EQ(dc.DrawnTexts(), Texts{word});
  EXPECT_LT(dc.MeasuredChars, 3 * word.size());
}

TEST_F(LayoutTextTest, EntryBodyPiecesAreJoinedWithNothingBetween) {
  TDayEntry entry;
  entry.Text = "In the begin";
  entry.NextPiece = std::make_unique<TTextPiece>("ning God ");
  entry.NextPiece->NextPiece = std::make_unique<TTextPiece>("created");
  rect.right = 1000;
  DocumentBottom = LayoutEntryText(dc, settings, entry, rect, AlignLeft);
  EXPECT_EQ(dc.Calls, (Calls{Draw(4, 0, "In the beginning God created"), Justify(0, 1)}));
  EXPECT_EQ(DocumentBottom, 16);
}

// Every script wraps within the window: at spaces where it has them, between
// characters where it has none (Chinese), never before a closing mark; a
// letter with its combining marks is one character wide.
TEST_F(LayoutTextTest, EveryScriptWrapsWithinTheWindow) {
  struct Script {
    const char *name;
    std::string text;
    std::vector<std::string> lines;
  };
  // 100 pixels between the margins hold 20 characters of the headless font.
  const Script scripts[] = {
      {"Greek with polytonic marks",
       "Ἐν ἀρχῇ ἦν ὁ λόγος, καὶ ὁ λόγος ἦν πρὸς τὸν θεόν",
       {"Ἐν ἀρχῇ ἦν ὁ λόγος,", "καὶ ὁ λόγος ἦν πρὸς", "τὸν θεόν"}},
      {"Russian",
       "В начале было Слово, и Слово было у Бога",
       {"В начале было Слово,", "и Слово было у Бога"}},
      {"Chinese without spaces",
       "太初有道，道与神同在，道就是神。这道太初与神同在。万物是藉着他造的。",
       {"太初有道，道与神同在，道就是神。这道太初", "与神同在。万物是藉着他造的。"}},
      {"Chinese, a closing mark at the margin",
       "一二三四五六七八九十一二三四五六七八九十。一二",
       {"一二三四五六七八九十一二三四五六七八九", "十。一二"}},
      {"Hebrew with points",
       "בְּרֵאשִׁית בָּרָא אֱלֹהִים אֵת הַשָּׁמַיִם וְאֵת הָאָרֶץ",
       {"בְּרֵאשִׁית בָּרָא אֱלֹהִים אֵת", "הַשָּׁמַיִם וְאֵת הָאָרֶץ"}}, // 19 letters with their points
      {"combining marks",
       "cafe\u0301 cafe\u0301 cafe\u0301 cafe\u0301 cafe\u0301",
       {"cafe\u0301 cafe\u0301 cafe\u0301 cafe\u0301", "cafe\u0301"}},
  };
  settings.JustifyText = 0;
  for (const Script &script : scripts) {
    SCOPED_TRACE(script.name);
    HeadlessDC headless;
    headless.SelectFont(TFontDesc{"System", 10, false});
    LayoutRect window{0, 0, 108, 0};
    LayoutText(headless, settings, script.text, window, AlignLeft);
    std::vector<std::string> lines;
    for (const HeadlessDC::DrawnText &drawn : headless.Drawn()) {
      lines.push_back(drawn.text);
      EXPECT_LE(headless.GetTextExtent(drawn.text, static_cast<int>(drawn.text.size())).cx, 100)
          << drawn.text;
    }
    EXPECT_EQ(lines, script.lines);
  }
}

} // namespace
