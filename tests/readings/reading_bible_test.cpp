// Which Bible the day's passages are read in, and which passages the day's
// entries name.

#include "readings/reading_bible.h"

#include <gtest/gtest.h>

#include "readings/day_readings.h"
#include "support/day_entry_builder.h"

namespace {

TSwordModule Bible(const char *name, const char *abbreviation, const char *language) {
  TSwordModule module;
  module.name = name;
  module.abbreviation = abbreviation;
  module.language = language;
  return module;
}

TEST(ReadingBibleTest, TheStoredBibleElseTheLanguagesElseAnEnglishOneElseTheFirst) {
  const std::vector<TSwordModule> bibles = {
      Bible("GerLut1545", "Luther1545", "de"), Bible("engKJV2006eb", "KJV", "en"),
      Bible("engWEB2015eb", "WEB", "en-US"), Bible("porARA", "ARA", "pt_BR"),
      Bible("spaRV1909eb", "RV1909", "es")};
  const struct {
    const char *stored, *language, *chosen;
  } rows[] = {
      {"", "es", "spaRV1909eb"},
      {"", "de", "GerLut1545"},
      {"", "pt-BR", "porARA"},
      {"", "pt", "porARA"},
      {"", "fr", "engKJV2006eb"}, // no French Bible: an English one
      {"", "", "engKJV2006eb"},
      {"engWEB2015eb", "es", "engWEB2015eb"},
      {"web", "es", "engWEB2015eb"},         // an abbreviation only it has
      {"NotInstalled", "es", "spaRV1909eb"}, // a Bible since removed
  };
  for (const auto &row : rows) {
    const TSwordModule *chosen = ChooseReadingBible(bibles, row.stored, row.language);
    ASSERT_NE(chosen, nullptr) << row.stored << " " << row.language;
    EXPECT_EQ(chosen->name, row.chosen) << row.stored << " " << row.language;
  }
  const std::vector<TSwordModule> noEnglish = {Bible("GerLut1545", "Luther1545", "de"),
                                               Bible("spaRV1909eb", "RV1909", "es")};
  EXPECT_EQ(ChooseReadingBible(noEnglish, "", "fr")->name, "GerLut1545");
  EXPECT_EQ(ChooseReadingBible({}, "KJV", "en"), nullptr);
}

// The plan's two readings, the daily verse's and the proverb's references,
// each from the first entry of its kind; a kind without its entry, or with a
// reference that cannot be cut, is left out.
TEST(ReadingBibleTest, TheDaysReadingsComeFromTheFirstEntryOfEachKind) {
  auto head = testsupport::Entry("Proverb of the Day", "The fear of the LORD", '~', "Proverbs 1:7");
  head->Next =
      testsupport::Entry("Daily Verse - King James Version", "Behold", '-', "- Isaiah 43:19");
  head->Next->Next = testsupport::Entry("Through the Bible in a Year",
                                        "Morning: Genesis 1-2 / Evening: Matthew 1");
  head->Next->Next->Next =
      testsupport::Entry("Through the Bible again", "Morning: Exodus 1 / Evening: Mark 1");
  std::vector<TDayReading> readings = DayReadings(head.get());
  ASSERT_EQ(readings.size(), 4u);
  EXPECT_EQ(readings[0].kind, TReadingKind::Morning);
  EXPECT_EQ(readings[0].reference, "Genesis 1-2");
  EXPECT_EQ(readings[1].reference, "Matthew 1");
  EXPECT_EQ(readings[2].kind, TReadingKind::DailyVerse);
  EXPECT_EQ(readings[2].reference, " Isaiah 43:19");
  EXPECT_EQ(readings[3].kind, TReadingKind::Proverb);
  EXPECT_EQ(readings[3].reference, "Proverbs 1:7");

  auto uncut =
      testsupport::Entry("Through the Bible in a Year", "Morning:Genesis 1 Evening: Luke 1");
  readings = DayReadings(uncut.get());
  ASSERT_EQ(readings.size(), 1u);
  EXPECT_EQ(readings[0].kind, TReadingKind::Evening);
  EXPECT_TRUE(DayReadings(nullptr).empty());
}

} // namespace
