// The stand-in concordance server's passage window, saved as a screenshot
// to look at.

#include <gtest/gtest.h>

#include <QImage>

#include "passage_window.h"
#include "qt_app_fixture.h"

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

} // namespace
