// The stand-in concordance server's passage window, saved as a screenshot
// to look at.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "passage_window.h"
#include "qt_app_fixture.h"
#include "window_placement.h"

namespace {

using concordance::Passage;
using concordance::PassageVerse;

Passage TwoChapters() {
  Passage passage;
  passage.reference = "Genesis 1:31-2:2";
  passage.translation = "KJV";
  passage.description = "King James Version";
  passage.verses = {
      {"Genesis", 1, 31, "And God saw every thing that he had made, and, behold, it was very good.",
       false},
      {"Genesis", 2, 1, "Thus the heavens and the earth were finished, and all the host of them.",
       true},
      {"Genesis", 2, 2, "And on the seventh day God ended his work <which> he had made & rested.",
       false},
  };
  return passage;
}

TEST(PassageWindowQtTest, ChaptersGetHeadingsOnlyWhenThePassageSpansSeveral) {
  Passage passage = TwoChapters();
  QString html = concordance::PassageHtml(passage);
  EXPECT_TRUE(html.contains("<h3>Genesis 2</h3>"));
  EXPECT_TRUE(html.contains("<h3>Genesis 1</h3>"));
  // Markup in a module's text is shown as text.
  EXPECT_TRUE(html.contains("&lt;which&gt; he had made &amp; rested."));
  EXPECT_FALSE(html.contains("<which>"));

  passage.verses.erase(passage.verses.begin());
  passage.verses[0].paragraph = false;
  passage.verses[1].paragraph = true;
  html = concordance::PassageHtml(passage);
  EXPECT_FALSE(html.contains("<h3>"));
  EXPECT_EQ(html.count("<p "), 2) << html.toStdString(); // the second verse starts a paragraph

  passage.cut = true;
  EXPECT_TRUE(concordance::PassageHtml(passage).contains("Only the first 2 verses are shown."));
}

TEST(PassageWindowQtTest, ShowsTheReferenceTranslationAndNumberedVerses) {
  testsupport::QtApp();
  concordance::PassageWindow window;
  window.ShowPassage(TwoChapters());
  window.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(window.windowTitle(), "Genesis 1:31-2:2 (KJV) - Selwarth Concordance");
  EXPECT_EQ(window.Heading(), "Genesis 1:31-2:2");
  QString body = window.PlainBody();
  EXPECT_TRUE(body.contains("31 And God saw every thing")) << body.toStdString();
  EXPECT_TRUE(body.contains("Genesis 2")) << body.toStdString();
  QImage shot = window.grab().toImage();
  shot.save(QString::fromStdString(
      (testsupport::ScreenshotFolder() / "concordance_window.png").string()));
  EXPECT_EQ(shot.width(), window.width());
}

// The passage opens beside the window it was asked from, on the screen.
TEST(PassageWindowQtTest, ThePassageOpensBesideTheWindowItWasAskedFrom) {
  const QRect screen(0, 0, 1280, 1024);
  const QSize passage(462, 401);
  const struct {
    QRect anchor;
    QPoint expected;
  } rows[] = {
      {{100, 100, 502, 321}, {610, 100}}, // right of it, tops aligned
      {{700, 50, 502, 321}, {230, 50}},   // no room right: left of it
      {{0, 0, 1280, 1024}, {818, 0}},     // the whole screen: against its right edge
      {{50, 0, 1000, 300}, {818, 0}},     // more room right than left
      {{300, 0, 980, 300}, {0, 0}},       // more room left than right
      {{100, 900, 502, 100}, {610, 623}}, // moved up to end on the screen
      {{100, -50, 502, 321}, {610, 0}},   // and down to start on it
  };
  for (const auto &row : rows)
    EXPECT_EQ(concordance::PlaceBeside(row.anchor, passage, screen), QRect(row.expected, passage))
        << row.anchor.x() << "," << row.anchor.y();
}

// A verse number is read as easily as the verse: at least seven tenths of
// the text's height (its digits against the capital after it) and 4.5:1
// against the page at its darkest pixel.
TEST(PassageWindowQtTest, VerseNumbersAreLargeAndDarkEnoughToRead) {
  testsupport::QtApp();
  Passage passage;
  passage.reference = "Genesis 1:31";
  passage.translation = "KJV";
  passage.verses = {{"Genesis", 1, 31, "And God saw every thing that he had made.", false}};
  concordance::PassageWindow window;
  window.ShowPassage(passage);
  window.show();
  QCoreApplication::processEvents();
  const QImage shot = window.grab().toImage();
  const QColor page = window.palette().color(QPalette::Base);
  auto brown = [](QColor c) { return c.red() - c.blue() > 40; };
  auto ink = [&](QColor c) { return !brown(c) && c.lightnessF() < page.lightnessF() - 0.4; };
  // The number's pixels: their rows, their right edge, the darkest.
  int top = shot.height(), bottom = -1, right = -1;
  QColor darkest = page;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      if (const QColor c = shot.pixelColor(x, y); brown(c)) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        right = std::max(right, x);
        if (c.lightnessF() < darkest.lightnessF())
          darkest = c;
      }
  ASSERT_GE(bottom, 0) << "no verse number drawn";
  // The "A" after it: the first ink right of the number, to the first
  // column without ink, near the number's rows.
  const int band = bottom - top + 1;
  int capitalTop = shot.height(), capitalBottom = -1;
  bool started = false;
  for (int x = right + 1; x < shot.width(); ++x) {
    bool any = false;
    for (int y = std::max(0, top - band); y <= std::min(shot.height() - 1, bottom + band); ++y)
      if (ink(shot.pixelColor(x, y))) {
        any = true;
        capitalTop = std::min(capitalTop, y);
        capitalBottom = std::max(capitalBottom, y);
      }
    if (started && !any)
      break;
    started = started || any;
  }
  ASSERT_GE(capitalBottom, 0) << "no text after the verse number";
  EXPECT_GE(band, 0.7 * (capitalBottom - capitalTop + 1));
  EXPECT_GE(testsupport::Contrast(darkest, page), 4.5) << darkest.name().toStdString();
}

} // namespace
