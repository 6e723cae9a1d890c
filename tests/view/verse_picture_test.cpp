// The verse window's kept drawing: what it draws again is what a fresh
// layout draws, and every change of what the layout depends on lays the day
// out again.

#include "view/verse_picture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_table.h"
#include "framework/headless/headless_dc.h"
#include "support/changed_setting.h"
#include "support/day_entry_builder.h"
#include "support/layer_reset.h"
#include "view/text_layout.h"
#include "view/verse_painter.h"

namespace {

using Drawn =
    std::tuple<int, int, std::string, std::string, int, bool, TColor, TColor, int, int, int>;

std::vector<Drawn> DrawnBy(const HeadlessDC &dc) {
  std::vector<Drawn> drawn;
  for (const HeadlessDC::DrawnText &d : dc.Drawn())
    drawn.emplace_back(d.x, d.y, d.text, d.font.FaceName, d.font.Height, d.font.Italic, d.textColor,
                       d.bkColor, d.bkMode, d.justifyExtra, d.justifyBreaks);
  return drawn;
}

using testsupport::ChangeSetting;
using testsupport::Entry;

// A day with every kind of trailer, a body in two pieces and a Greek heading
// that borrows the font before it.
std::unique_ptr<TDayEntry> Day() {
  auto first = Entry("Daily Verse", "Love one another, as I have loved you, that ye also love.",
                     '-', "- John 13:34", 12);
  first->NextPiece = std::make_unique<TTextPiece>(" By this shall all men know.");
  TDayEntry *entry = first.get();
  entry = (entry->Next = Entry("Daily Bible Quiz", "Who built the ark of gopher wood?", '\\',
                               "Noah (Genesis 6:14)", 14))
              .get();
  entry = (entry->Next = Entry("Psalm", "The LORD is my shepherd; I shall not want.", '~',
                               "A Psalm of David", 10))
              .get();
  entry = (entry->Next = Entry("Greek Text", "En arche en ho logos.", 0, "", 16)).get();
  entry->Next = Entry("Plan", "Genesis 1-3 and Matthew 1", '*', "Morning and evening", 10);
  return first;
}

class VersePictureTest : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetViewLayers();
    settings = Settings{};
    settings.BlankLines = 1;
    dayState = DayState{};
  }
  // What a fresh layout draws, and the document bottom it leaves.
  std::pair<std::vector<Drawn>, int> Fresh(const TRect &client, const TDayEntry *day) const {
    HeadlessDC dc;
    const int bottom = PaintDayEntries(dc, settings, client, day, dayState.ShowAnswers);
    return {DrawnBy(dc), bottom};
  }
  std::pair<std::vector<Drawn>, int> Through(TVersePicture &picture, const TRect &client,
                                             const TDayEntry *day, TRows rows = All) const {
    HeadlessDC dc;
    picture.Paint(dc, settings, client, rows, day, dayState.ShowAnswers);
    return {DrawnBy(dc), picture.DocumentBottom()};
  }
  static constexpr TRows All{-100000, 100000};
  const TRect client{0, 0, 300, 200};
  Settings settings;
  DayState dayState;
};

TEST_F(VersePictureTest, WhatIsDrawnAgainIsWhatAFreshLayoutDraws) {
  auto day = Day();
  const auto fresh = Fresh(client, day.get());
  TVersePicture picture;
  EXPECT_EQ(Through(picture, client, day.get()), fresh);
  EXPECT_TRUE(picture.LaidOut());
  EXPECT_EQ(Through(picture, client, day.get()), fresh);
  EXPECT_FALSE(picture.LaidOut());
}

TEST_F(VersePictureTest, OnlyLinesThatMayShowInThePaintedRowsAreDrawn) {
  auto day = Day();
  const auto fresh = Fresh(client, day.get());
  ASSERT_GT(fresh.second, 200);
  const TRows rows{120, 160};
  // A line may show when its cell, one line's height to spare each side,
  // meets the rows.
  std::vector<Drawn> showing;
  for (const Drawn &line : fresh.first) {
    const int y = std::get<1>(line);
    const int height = std::get<4>(line);
    if (y + 2 * height > rows.top && y - height < rows.bottom)
      showing.push_back(line);
  }
  ASSERT_LT(showing.size(), fresh.first.size());
  TVersePicture picture;
  EXPECT_EQ(Through(picture, client, day.get(), rows), std::make_pair(showing, fresh.second));
  EXPECT_EQ(Through(picture, client, day.get(), rows), std::make_pair(showing, fresh.second));
  EXPECT_FALSE(picture.LaidOut());
  // The whole drawing is still kept.
  EXPECT_EQ(Through(picture, client, day.get()), fresh);
}

TEST_F(VersePictureTest, AnyChangeOfWhatTheLayoutDependsOnLaysTheDayOutAgain) {
  struct Change {
    const char *what;
    std::function<void(TRect &, TDayEntry &)> make;
    bool laysOut;
  };
  std::vector<Change> changes = {
      {"nothing", [](TRect &, TDayEntry &) {}, false},
      {"the height", [](TRect &c, TDayEntry &) { c.bottom += 300; }, false},
      {"the width", [](TRect &c, TDayEntry &) { c.right -= 1; }, true},
      {"the top", [](TRect &c, TDayEntry &) { c.top += 1; }, true},
      {"a title", [](TRect &, TDayEntry &e) { e.Title += "s"; }, true},
      {"a body piece", [](TRect &, TDayEntry &e) { e.NextPiece->Text[3] = 'x'; }, true},
      {"a later entry", [](TRect &, TDayEntry &e) { e.Next->Text += " Amen."; }, true},
      {"a font face", [](TRect &, TDayEntry &e) { e.Next->FontName = "Sans"; }, true},
      {"a font size", [](TRect &, TDayEntry &e) { e.FontSize = 13; }, true},
      {"a marker", [](TRect &, TDayEntry &e) { e.Marker = '~'; }, true},
      {"a trailer", [](TRect &, TDayEntry &e) { e.Trailer = "- John 13:35"; }, true},
      {"JustifyText", [this](TRect &, TDayEntry &) { settings.JustifyText = 0; }, true},
      {"BlankLines", [this](TRect &, TDayEntry &) { settings.BlankLines = 0; }, true},
      {"ShowAnswers", [this](TRect &, TDayEntry &) { dayState.ShowAnswers = true; }, true},
      {"Zoom", [this](TRect &, TDayEntry &) { settings.Zoom = 150; }, true},
  };
  for (const Setting &row : SettingsTable())
    if (row.Affects == Affected::Drawing || row.Affects == Affected::Layout)
      changes.push_back(
          {row.Key, [this, &row](TRect &, TDayEntry &) { ChangeSetting(settings, row); }, true});
  for (const Change &change : changes) {
    SetUp();
    auto day = Day();
    TRect area = client;
    TVersePicture picture;
    Through(picture, area, day.get());
    change.make(area, *day);
    const auto drawn = Through(picture, area, day.get());
    EXPECT_EQ(picture.LaidOut(), change.laysOut) << change.what;
    EXPECT_EQ(drawn, Fresh(area, day.get())) << change.what;
  }
}

TEST_F(VersePictureTest, AnotherDayOfTheSameTextDrawsTheSame) {
  auto day = Day();
  TVersePicture picture;
  Through(picture, client, day.get());
  auto again = Day();
  day.reset(); // the old list is gone; nothing of it is read
  EXPECT_EQ(Through(picture, client, again.get()), Fresh(client, again.get()));
  EXPECT_FALSE(picture.LaidOut());
}

// A screen reader's character cells: each character a line draws has a cell
// of its own width (a space its share of the justification too), from where
// the line is drawn to where the next one starts.
TEST_F(VersePictureTest, EachDrawnCharacterHasItsCellWhereItIsDrawn) {
  dayState.ShowAnswers = true;
  auto day = Day();
  TVersePicture picture;
  HeadlessDC dc;
  picture.Paint(dc, settings, client, All, day.get(), dayState.ShowAnswers);
  std::set<std::tuple<int, int, int>> cells; // top, left, right
  for (const auto &part : picture.ReadableCells(day.get(), dayState.ShowAnswers))
    for (const TRect &cell : part)
      cells.emplace(cell.top, cell.left, cell.right);
  int justified = 0;
  for (const HeadlessDC::DrawnText &d : dc.Drawn()) {
    justified += d.justifyExtra > 0;
    int left = d.x;
    int gap = 0;
    for (char c : d.text) {
      int right = left + HeadlessDC::CharWidth(d.font.Height);
      if (c == ' ')
        right += JustificationShare(d.justifyExtra, d.justifyBreaks, gap++);
      EXPECT_TRUE(cells.contains({d.y, left, right})) << d.text << " at " << left;
      left = right;
    }
  }
  EXPECT_GT(justified, 0);
}

// A character of several bytes (Greek, Chinese) takes one character's room
// and has one cell; its further bytes have empty cells where it ends.
TEST_F(VersePictureTest, ACharacterOfSeveralBytesHasOneCell) {
  // "Λόγος" of two bytes a letter, and "中 a".
  auto day = Entry("\xCE\x9B\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x82", "\xE4\xB8\xAD a", 0, "", 10);
  TVersePicture picture;
  HeadlessDC dc;
  picture.Paint(dc, settings, client, All, day.get(), false);
  const auto &parts = picture.ReadableCells(day.get(), false);
  ASSERT_EQ(parts.size(), 1u);
  const std::vector<TRect> &cells = parts[0];
  const int width = HeadlessDC::CharWidth(10);
  const int left = (client.right - 5 * width) / 2; // the heading is centred
  for (int c = 0; c < 5; ++c) {
    const TRect &letter = cells[static_cast<std::size_t>(2 * c)];
    const TRect &further = cells[static_cast<std::size_t>(2 * c + 1)];
    EXPECT_EQ(letter.left, left + c * width) << c;
    EXPECT_EQ(letter.Width(), width) << c;
    EXPECT_EQ(further.left, letter.right) << c;
    EXPECT_EQ(further.Width(), 0) << c;
  }
  // The body's line after the heading's CR LF: "中" at the margin, then " a".
  const std::size_t body = 10 + 2;
  EXPECT_EQ(cells[body].left, 4);
  EXPECT_EQ(cells[body].Width(), width);
  EXPECT_EQ(cells[body + 1].Width(), 0);
  EXPECT_EQ(cells[body + 2].Width(), 0);
  EXPECT_EQ(cells[body + 3].left, 4 + width); // the space
  EXPECT_EQ(cells[body + 4].left, 4 + 2 * width);
}

} // namespace
