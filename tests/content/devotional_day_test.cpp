// The SWORD library's daily devotionals among the day's entries: real
// modules built with imp2ld in a library of the test's own.

#include <gtest/gtest.h>

#include <filesystem>

#include "content/day_entries.h"
#include "content/day_load.h"
#include "content/day_state.h"
#include "content/devotional_entry.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "content/today_text.h"
#include "platform/profile.h"
#include "support/config_sandbox.h"
#include "support/fixed_clock.h"
#include "support/fresh_start.h"
#include "support/layer_reset.h"
#include "support/package_bytes.h"
#include "support/sword_module_builder.h"
#include "support/sword_system_library.h"
#include "support/temp_dir.h"

namespace {

constexpr const char *DailyLightConf = "Description=Daily Light on the Daily Path\n"
                                       "SourceType=ThML\nEncoding=UTF-8\nFeature=DailyDevotion\n";

class DevotionalDayTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!testsupport::HaveSwordTools())
      GTEST_SKIP() << "imp2ld is not installed (libsword-utils)";
    testsupport::FreshStartOnMarchFirst2023(testsupport::ResetContentLayers, dayState);
  }

  // The devotional "DailyLight" with these days ("$$$MM.DD" and the entry).
  void AddDevotional(const std::string &imp, const std::string &name = "DailyLight",
                     const std::string &conf = DailyLightConf) {
    module = testsupport::BuildDictionary(library.Root(), name, imp, conf);
  }
  void AddPackage(const std::string &name) {
    testpackage::PackageLayout layout;
    packages.Write(name, testpackage::BuildPackage(layout));
  }
  void LoadAt(int year, int month, int dayOfMonth) {
    testsupport::SetDate(year, month, dayOfMonth);
    BuildTodayText(dayState);
    day = LoadDay(settings, dayState, *dayState.LocalTimeNow);
  }
  void Load() { LoadAt(2023, 3, 1); }
  std::vector<std::string> Loaded() const {
    std::vector<std::string> names;
    for (TDayEntry *entry = day.Entries.get(); entry != nullptr; entry = entry->Next.get())
      names.push_back(entry->FileName + ": " + JoinedText(*entry));
    return names;
  }
  std::string Marquee() const {
    return platform::GetPrivateProfileString("Screen Saver.Marquee", "Text", "<none>", 1024,
                                             "CONTROL.INI");
  }

  Settings settings;
  DayState dayState;
  LoadedDay day;
  testsupport::ConfigSandbox sandbox;
  testsupport::SwordSystemLibrary library;
  testsupport::BuiltModule module;
  testsupport::TempDir packages;
  testsupport::WorkingDirectory cwd{packages.Path()};
};

TEST_F(DevotionalDayTest, ADevotionalShowsItsDayAfterThePackagesUnderItsDescription) {
  AddPackage("VERSE.QXP");
  AddDevotional("$$$02.28\n<p>The day before.</p>\n"
                "$$$03.01\n<p>First paragraph.</p><p>Second \xE2\x80\x94 paragraph.</p>\n");
  ASSERT_TRUE(
      WriteSettings({{"dailylight.sword_fontname", "Serif"}, {"dailylight.sword_fontsize", "14"}}));
  Load();
  EXPECT_EQ(Loaded(), (std::vector<std::string>{
                          "verse.qxp: Day 59",
                          "dailylight.sword: First paragraph.\nSecond \xE2\x80\x94 paragraph."}));
  const TDayEntry &devotional = *day.Entries->Next;
  EXPECT_EQ(devotional.Title, "Daily Light on the Daily Path");
  EXPECT_EQ(devotional.Kinds, EntryDevotional);
  EXPECT_EQ(devotional.FontName, "Serif");
  EXPECT_EQ(devotional.FontSize, 14);
  EXPECT_EQ(day.Shown, 2u);
  EXPECT_TRUE(day.Problems.empty());
}

// libsword would move a missing key to its neighbour: the day shows nothing
// of the module instead, and the leap day reads its own key.
TEST_F(DevotionalDayTest, EachDayReadsItsOwnKeyAndADayTheModuleLacksShowsNothing) {
  AddPackage("VERSE.QXP");
  AddDevotional("$$$02.28\n<p>February 28</p>\n$$$02.29\n<p>Leap day</p>\n"
                "$$$03.02\n<p>March 2</p>\n$$$12.31\n<p>December 31</p>\n");
  struct Row {
    int year, month, day, offset;
    const char *shown; // the devotional's text, or "" for none
  };
  for (const Row &row :
       {Row{2023, 3, 1, 0, ""}, Row{2023, 2, 28, 0, "February 28"}, Row{2024, 2, 29, 0, "Leap day"},
        Row{2023, 3, 1, 1, "March 2"}, Row{2024, 2, 28, 1, "Leap day"},
        Row{2023, 3, 1, -1, "February 28"}, Row{2024, 1, 1, -1, "December 31"}}) {
    dayState.DayOffset = static_cast<std::int16_t>(row.offset);
    dayState.DayStepped = row.offset != 0;
    LoadAt(row.year, row.month, row.day);
    std::vector<std::string> expected = {"verse.qxp: Day " + std::to_string(dayState.DayIndex)};
    if (*row.shown != '\0')
      expected.push_back(std::string("dailylight.sword: ") + row.shown);
    EXPECT_EQ(Loaded(), expected) << row.year << "-" << row.month << "-" << row.day << " "
                                  << row.offset;
  }
  // Under the other methods the day is the slot's, the extra slot the leap
  // day's.
  settings.QuoteMethodCode = QuoteMethod::Increment;
  ASSERT_TRUE(WriteSettings({{"IncrementNum", "365"}}));
  Load();
  EXPECT_EQ(Loaded(),
            (std::vector<std::string>{"verse.qxp: Day 365", "dailylight.sword: Leap day"}));
}

TEST_F(DevotionalDayTest, ADevotionalTurnedOffInTheSettingsIsNotShown) {
  AddDevotional("$$$03.01\n<p>March 1</p>\n");
  // Without packages the devotional is the day.
  Load();
  EXPECT_EQ(Loaded(), (std::vector<std::string>{"dailylight.sword: March 1"}));
  EXPECT_TRUE(day.Problems.empty());
  // Off, and nothing else: the day is empty as in a folder without packages.
  ASSERT_TRUE(WriteSettings({{"dailylight.sword_enabled", "0"}}));
  Load();
  EXPECT_EQ(day.Entries, nullptr);
  ASSERT_EQ(day.Problems.size(), 1u);
  EXPECT_EQ(day.Problems[0].What, DayLoadProblem::Kind::NoPackages);
  ASSERT_TRUE(WriteSettings({{"dailylight.sword_enabled", "1"}}));
  Load();
  EXPECT_EQ(Loaded(), (std::vector<std::string>{"dailylight.sword: March 1"}));
}

TEST_F(DevotionalDayTest, TheExportsTakeADevotionalAsOneLineOfCodePage1252) {
  AddDevotional("$$$03.01\n<p>First \xE2\x80\x94 paragraph.</p><p>Second, \xCE\xB1.</p>\n");
  settings.SaveFile = 1;
  settings.ScreenSaver = 1;
  settings.SaverPackage = "dailylight.sword";
  Load();
  // The em dash is code page 1252's own; alpha has no byte there and takes
  // its best fit.
  EXPECT_EQ(packages.Read("SELWARTH.TXT"),
            "Daily Light on the Daily Path\r\nFirst \x97 paragraph. Second, a.\r\n");
  EXPECT_EQ(Marquee(), "First \x97 paragraph. Second, a.");
}

TEST_F(DevotionalDayTest, AModuleWhoseFilesCannotBeReadIsSkippedWithItsReason) {
  AddPackage("VERSE.QXP");
  AddDevotional("$$$03.01\n<p>March 1</p>\n");
  std::filesystem::resize_file(module.dataPath.string() + ".idx", 3);
  Load();
  EXPECT_EQ(Loaded(), (std::vector<std::string>{"verse.qxp: Day 59"}));
  ASSERT_EQ(day.SkippedSources.size(), 1u);
  EXPECT_NE(day.SkippedSources[0].find("DailyLight"), std::string::npos) << day.SkippedSources[0];
}

// A name that could not be a settings key is passed over; the others show.
TEST_F(DevotionalDayTest, AModuleNameThatCannotBeAKeyIsPassedOver) {
  AddDevotional("$$$03.01\n<p>March 1</p>\n", "Daily=Light");
  AddDevotional("$$$03.01\n<p>Plain March 1</p>\n", "Plain_Days");
  Load();
  EXPECT_EQ(Loaded(), (std::vector<std::string>{"plain_days.sword: Plain March 1"}));
}

} // namespace

namespace {

// A heading longer than a package's title ends at a word, with an ellipsis.
TEST_F(DevotionalDayTest, ALongDescriptionEndsAtAWordWithAnEllipsis) {
  const struct {
    const char *description, *heading;
  } rows[] = {
      {"Morning and Evening: Daily Readings for the Year",
       "Morning and Evening: Daily Readings\xE2\x80\xA6"},
      {"Exactly forty characters in this heading", "Exactly forty characters in this heading"},
      {"Onewordthatislongerthanfortycharacterswithoutablank",
       "Onewordthatislongerthanfortycharactersw\xE2\x80\xA6"},
  };
  for (const auto &row : rows) {
    std::filesystem::remove_all(library.Root() / "mods.d");
    AddDevotional("$$$03.01\n<p>March 1</p>\n", "Days",
                  std::string("Description=") + row.description + "\nFeature=DailyDevotion\n");
    Load();
    ASSERT_NE(day.Entries, nullptr) << row.description;
    EXPECT_EQ(day.Entries->Title, row.heading);
  }
}

} // namespace
