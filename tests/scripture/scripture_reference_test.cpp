#include "scripture/scripture_reference.h"

#include <gtest/gtest.h>

namespace {

using Cut = std::optional<std::string>;

TEST(ScriptureReferenceTest, TheMorningReadingRunsToTheSlashWithoutTheBlanksBeforeIt) {
  EXPECT_EQ(CutMorningReading("Morning: Genesis 1-2 / Evening: Matthew 1"), "Genesis 1-2");
  EXPECT_EQ(CutMorningReading("Read today. Morning:   Job 3-4   /Evening: Luke 2"), "Job 3-4");
  EXPECT_EQ(CutMorningReading("Morning: Ps 23/Psalm 24 / x"), "Ps 23"); // the first slash
}

TEST(ScriptureReferenceTest, MorningEntriesThatCannotBeCutSoundlyAreRefused) {
  EXPECT_EQ(CutMorningReading("Genesis 1-2 / Evening: Matthew 1"), Cut{}); // no label
  EXPECT_EQ(CutMorningReading("morning: Genesis 1 / x"), Cut{});           // case counts
  EXPECT_EQ(CutMorningReading("Morning:Genesis"), Cut{});                  // no blank after it
  EXPECT_EQ(CutMorningReading("Morning: Genesis 1-2"), Cut{});             // no slash
  EXPECT_EQ(CutMorningReading("Morning:   / Evening: Matthew 1"), Cut{});  // only blanks
  EXPECT_EQ(CutMorningReading("Morning:Gen/ Evening: Mt 1"), Cut{});       // no slash after it
  // A blank further on does not start the reading: that would send "1".
  EXPECT_EQ(CutMorningReading("Morning:Genesis 1 / Evening:Matthew 1"), Cut{});
  std::string long40(40, 'x');
  EXPECT_EQ(CutMorningReading("Morning: " + long40 + " / x"), Cut{});
  EXPECT_EQ(CutMorningReading("Morning: " + long40.substr(1) + " / x"), long40.substr(1));
}

TEST(ScriptureReferenceTest, TheEveningReadingRunsToTheEndAsItIs) {
  EXPECT_EQ(CutEveningReading("Morning: Genesis 1-2 / Evening: Matthew 1"), "Matthew 1");
  EXPECT_EQ(CutEveningReading("Evening:  Mark 2  "), "Mark 2  ");
  EXPECT_EQ(CutEveningReading("Evening: "), Cut{}); // nothing to go to
  EXPECT_EQ(CutEveningReading("Morning: Genesis 1 / Evening:   "), Cut{});
  EXPECT_EQ(CutEveningReading("Morning:Genesis 1 / Evening:Matthew 1"), Cut{});
  EXPECT_EQ(CutEveningReading("Morning: Genesis 1 / Matthew 1"), Cut{});
  EXPECT_EQ(CutEveningReading("Morning: Genesis 1 / Evening:Matthew"), Cut{});
  EXPECT_EQ(CutEveningReading("Evening: " + std::string(40, 'y')), Cut{});
}

TEST(ScriptureReferenceTest, TheQuizReferenceIsWhatTheParenthesesHold) {
  EXPECT_EQ(CutQuizReference("Noah (Genesis 6:14)"), "Genesis 6:14");
  EXPECT_EQ(CutQuizReference("Noah ( Genesis 6:14  ) and (Acts 1)"), " Genesis 6:14");
  EXPECT_EQ(CutQuizReference("Noah ()"), Cut{});
  EXPECT_EQ(CutQuizReference("Noah (   )"), Cut{});
  EXPECT_EQ(CutQuizReference("Noah (Genesis 6:14   "), "Genesis 6:14"); // no ")"
  EXPECT_EQ(CutQuizReference("Noah, Genesis 6:14"), Cut{});
  EXPECT_EQ(CutQuizReference("(" + std::string(40, 'z') + ")"), Cut{});
  EXPECT_EQ(CutQuizReference("(" + std::string(39, 'z') + "   )"), std::string(39, 'z'));
}

TEST(ScriptureReferenceTest, TheVerseReferenceFollowsTheDashWithItsLeadingBlank) {
  EXPECT_EQ(CutVerseReference("- John 3:16"), " John 3:16");
  EXPECT_EQ(CutVerseReference("-John 3:16  "), "John 3:16");
  EXPECT_EQ(CutVerseReference("Paul - 1 Cor 13 - 4"), " 1 Cor 13 - 4");
  EXPECT_EQ(CutVerseReference("John 3:16"), Cut{});
  EXPECT_EQ(CutVerseReference("Love -  "), Cut{});
  EXPECT_EQ(CutVerseReference("- " + std::string(39, 'v')), Cut{}); // 40 with its blank
}

TEST(ScriptureReferenceTest, TheQuizAndTheDailyVerseAreKnownByTheirTitles) {
  EXPECT_TRUE(IsQuizTitle("The Daily Bible Quiz"));
  EXPECT_FALSE(IsQuizTitle("Daily bible quiz"));
  for (const char *title : {"Daily Verse - New International Version", "New American Standard",
                            "NKJV: New King James Version", "Daily Verse - King James Version",
                            "The Living Bible", "Amplified Bible verses"})
    EXPECT_TRUE(IsDailyVerseTitle(title)) << title;
  EXPECT_FALSE(IsDailyVerseTitle("Daily Verse - World English Bible"));
  EXPECT_FALSE(IsDailyVerseTitle("King James version"));
}

} // namespace
