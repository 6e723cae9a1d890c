#include "content/day_load.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "content/day_entries.h"
#include "content/day_state.h"
#include "content/marquee_export.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "content/text_export.h"
#include "content/today_text.h"
#include "platform/profile.h"
#include "support/config_sandbox.h"
#include "support/fixed_clock.h"
#include "support/fresh_start.h"
#include "support/layer_reset.h"
#include "support/noted.h"
#include "support/package_bytes.h"
#include "support/prepared_settings.h"
#include "support/temp_dir.h"

using testpackage::BuildPackage;
using testpackage::PackageLayout;

namespace {

class DayLoadTest : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::FreshStartOnMarchFirst2023(testsupport::ResetContentLayers, dayState);
  }

  // A load at today's time; the previous day goes.
  void Load(const TDayLoadOptions &options = {}) {
    day = LoadDay(settings, dayState, *dayState.LocalTimeNow, options);
  }

  void AddPackage(const std::string &name, const PackageLayout &layout = {}) {
    packages.Write(name, BuildPackage(layout));
  }

  std::vector<std::string> Loaded() const {
    std::vector<std::string> names;
    for (TDayEntry *entry = day.Entries.get(); entry != nullptr; entry = entry->Next.get())
      names.push_back(entry->FileName + ": " + entry->Text);
    return names;
  }

  std::string Marquee() const {
    return platform::GetPrivateProfileString("Screen Saver.Marquee", "Text", "<none>", 1024,
                                             "CONTROL.INI");
  }

  // What the program would own: its settings and its day.
  Settings settings;
  DayState dayState;
  LoadedDay day;
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir packages;
  testsupport::WorkingDirectory cwd{packages.Path()};
};

TEST_F(DayLoadTest, AFolderWithoutPackagesSaysSoAndLeavesTheTextFileAlone) {
  packages.Write("SELWARTH.TXT", "yesterday\r\n");
  packages.Write("VERSE.OFF", BuildPackage({}));
  settings.SaveFile = 1;
  dayState.DayIndex = 42;
  Load();
  ASSERT_EQ(day.Problems.size(), 1u);
  EXPECT_EQ(day.Problems[0].What, DayLoadProblem::Kind::NoPackages);
  EXPECT_EQ(day.Problems[0].Text, "No package files were found in the current directory.");
  EXPECT_EQ(day.Problems[0].Caption, "Uh oh...");
  // The caller tells the user: content, and so this test, links no windowing
  // layer that could show a message (the build checks it).
  EXPECT_EQ(day.Entries, nullptr);
  EXPECT_EQ(dayState.DayIndex, 42); // no slot was chosen
  EXPECT_EQ(packages.Read("SELWARTH.TXT"), "yesterday\r\n");
}

TEST_F(DayLoadTest, LoadsPackagesInNameOrderWithoutRegardToCaseAndSkipsEmptyDays) {
  AddPackage("Verse.QXP");
  AddPackage("daily.qxp");
  PackageLayout nothingToday;
  nothingToday.Entries[59] = {""};
  AddPackage("Art.QXP", nothingToday);
  PackageLayout badType;
  badType.Type = 40;
  AddPackage("Bad.QXP", badType);
  AddPackage(std::string(97, 'l') + ".QXP"); // 101 characters: passed over
  AddPackage(std::string(96, 'k') + ".QXP"); // 100 characters: read
  Load();
  EXPECT_EQ(Loaded(),
            (std::vector<std::string>{"daily.qxp: Day 59", std::string(96, 'k') + ".qxp: Day 59",
                                      "verse.qxp: Day 59"}));
}

TEST_F(DayLoadTest, GivesEachEntryItsPackagesFontFromTheLowerCaseKeys) {
  AddPackage("Daily.QXP");
  AddPackage("Other.QXP");
  WriteSettingText("daily.qxp_fontname", "DejaVu Serif");
  WriteSettingInt("DAILY.QXP_FONTSIZE", 14); // keys compare without case
  WriteSettingText("other.qxp_fontname", std::string(70, 'F'));
  Load();
  ASSERT_NE(day.Entries, nullptr);
  EXPECT_EQ(day.Entries->FileName, "daily.qxp");
  EXPECT_EQ(day.Entries->FontName, "DejaVu Serif");
  EXPECT_EQ(day.Entries->FontSize, 14);
  ASSERT_NE(day.Entries->Next, nullptr);
  EXPECT_EQ(day.Entries->Next->FontName, std::string(59, 'F'));
  EXPECT_EQ(day.Entries->Next->FontSize, 10);
}

TEST_F(DayLoadTest, TheDateMethodFollowsTheDateAndTheOffset) {
  AddPackage("VERSE.QXP");
  settings.QuoteMethodCode = QuoteMethod::Date;
  Load();
  EXPECT_EQ(dayState.DayIndex, 59);
  dayState.DayOffset = -60;
  dayState.DayStepped = true;
  Load();
  EXPECT_EQ(dayState.DayIndex, 365);
  EXPECT_EQ(Loaded(), (std::vector<std::string>{"verse.qxp: Day 365"}));
}

TEST_F(DayLoadTest, TheIncrementMethodAdvancesTheStoredNumberOnFreshLoadsOnly) {
  AddPackage("VERSE.QXP");
  settings.QuoteMethodCode = QuoteMethod::Increment;
  Load();
  EXPECT_EQ(dayState.DayIndex, 0);
  EXPECT_EQ(ReadSettingInt("IncrementNum", -1), 1);

  WriteSettingInt("IncrementNum", 365);
  Load();
  EXPECT_EQ(dayState.DayIndex, 365);
  EXPECT_EQ(ReadSettingInt("IncrementNum", -1), 0);

  // Day Forward twice: from the remembered number, the file untouched.
  dayState.DayStepped = true;
  dayState.DayOffset = 2;
  Load();
  EXPECT_EQ(dayState.DayIndex, 1);
  EXPECT_EQ(ReadSettingInt("IncrementNum", -1), 0);

  // File/New reads and advances the setting again.
  dayState.DayStepped = false;
  dayState.DayOffset = 0;
  Load();
  EXPECT_EQ(dayState.DayIndex, 0);
  EXPECT_EQ(ReadSettingInt("IncrementNum", -1), 1);
}

TEST_F(DayLoadTest, TheRandomMethodStaysInRangeAndSeedsOnce) {
  AddPackage("VERSE.QXP");
  settings.QuoteMethodCode = QuoteMethod::Random;
  testsupport::SetDate(2023, 3, 1, 7);
  std::set<int> seen;
  Load();
  std::int16_t seed = dayState.RandomSeeded;
  EXPECT_NE(seed, 0);
  for (int i = 0; i < 400; ++i) {
    testsupport::SetDate(2023, 3, 2, i % 24); // a new time would give a new seed
    Load();
    ASSERT_GE(dayState.DayIndex, 0);
    ASSERT_LE(dayState.DayIndex, 365);
    seen.insert(dayState.DayIndex);
  }
  EXPECT_EQ(dayState.RandomSeeded, seed);
  EXPECT_GT(seen.size(), 100u);
}

TEST_F(DayLoadTest, WritesTheChosenPackagesTextForTheScreenSaver) {
  PackageLayout verse;
  verse.Marker = '-';
  verse.Entries[59] = {"Love one another. -John 13:34"};
  AddPackage("VERSE.QXP", verse);
  PackageLayout quiz;
  quiz.Marker = '\\';
  quiz.Entries[59] = {"Who built the ark? \\Noah, ", "Genesis 6"};
  AddPackage("QUIZ.QXP", quiz);

  settings.ScreenSaver = 1;
  settings.SaverPackage = "verse.qxp";
  Load();
  EXPECT_EQ(Marquee(), "Love one another.  - John 13:34");

  settings.SaverPackage = "quiz.qxp";
  Load();
  EXPECT_EQ(Marquee(), "Who built the ark? ...Noah, Genesis 6");
  EXPECT_TRUE(day.HasAnswers);

  // The name must match the lower-case file name exactly.
  settings.SaverPackage = "Verse.qxp";
  Load();
  EXPECT_EQ(Marquee(), "Who built the ark? ...Noah, Genesis 6");

  settings.ScreenSaver = 0;
  settings.SaverPackage = "verse.qxp";
  Load();
  EXPECT_EQ(Marquee(), "Who built the ark? ...Noah, Genesis 6");
}

TEST(MarqueeTextTest, TakesTheFirstPieceAndTheTrailerCutTo255) {
  TDayEntry entry;
  entry.Text = "First piece ";
  entry.NextPiece = std::make_unique<TTextPiece>("second piece");
  EXPECT_EQ(MarqueeText(entry), "First piece ");
  entry.Marker = '~';
  entry.Trailer = "Watts";
  EXPECT_EQ(MarqueeText(entry), "First piece  Watts");
  entry.Text = std::string(250, 'a');
  EXPECT_EQ(MarqueeText(entry), std::string(250, 'a') + " Watt");
}

TEST_F(DayLoadTest, WritesTheTextFileWhileSaveFileIsOn) {
  PackageLayout verse;
  verse.Titles = {"Daily Verse"};
  verse.Marker = '-';
  verse.Entries[59] = {"Love one ", "another. -John 13:34"};
  AddPackage("A.QXP", verse);
  PackageLayout none;
  none.Entries[59] = {""};
  AddPackage("B.QXP", none);
  PackageLayout plain;
  plain.Titles = {"Plain"};
  plain.Entries[59] = {"No trailer here"};
  AddPackage("C.QXP", plain);

  Load();
  EXPECT_FALSE(packages.Exists("SELWARTH.TXT"));

  settings.SaveFile = 1;
  Load();
  EXPECT_EQ(packages.Read("SELWARTH.TXT"), "Daily Verse\r\nLove one another.  - John 13:34\r\n"
                                           "Plain\r\nNo trailer here\r\n");
}

// Every load reports it; the main window tells it once in a run.
TEST_F(DayLoadTest, ATextFileThatCannotBeMadeIsReportedAndTheDayStillShows) {
  AddPackage("VERSE.QXP");
  std::filesystem::create_directory(packages.Path() / "SELWARTH.TXT");
  settings.SaveFile = 1;
  for (int load = 0; load < 2; ++load) {
    Load();
    ASSERT_EQ(day.Problems.size(), 1u);
    EXPECT_EQ(day.Problems[0].What, DayLoadProblem::Kind::TextNotSaved);
    EXPECT_EQ(day.Problems[0].Caption, "Unable to Comply");
    EXPECT_EQ(day.Problems[0].Text,
              "The daily text could not be saved to SELWARTH.TXT: Is a directory.");
    EXPECT_EQ(Loaded(), (std::vector<std::string>{"verse.qxp: Day 59"}));
  }
}

TEST_F(DayLoadTest, AReadOnlyLoadTouchesNoFile) {
  AddPackage("VERSE.QXP");
  settings.SaveFile = 1;
  settings.ScreenSaver = 1;
  settings.SaverPackage = "verse.qxp";
  settings.QuoteMethodCode = QuoteMethod::Increment;
  WriteSettingInt("IncrementNum", 9);
  auto settingsBefore = testsupport::ReadFileBytes(sandbox.SettingsPath());

  testsupport::TempDir elsewhere;
  TextExport out;
  std::string error;
  ASSERT_TRUE(testsupport::Noted(out.Create(elsewhere.File("today.txt")), error));
  Load(TDayLoadOptions{true, &out});
  ASSERT_TRUE(testsupport::Noted(out.Close(), error)) << error;

  EXPECT_EQ(dayState.DayIndex, 9);
  EXPECT_EQ(elsewhere.Read("today.txt"), "Verse\r\nDay 9\r\n");
  EXPECT_FALSE(packages.Exists("SELWARTH.TXT"));
  EXPECT_EQ(testsupport::ReadFileBytes(sandbox.SettingsPath()), settingsBefore);
  EXPECT_FALSE(std::filesystem::exists(sandbox.Folder() + "/CONTROL.INI"));
}

TEST_F(DayLoadTest, ALoadWithoutAQuizHasNoAnswersAndLeavesTheProgramsDayAlone) {
  AddPackage("VERSE.QXP");
  dayState.ShowAnswers = true;
  dayState.HasAnswers = true;
  Load();
  EXPECT_FALSE(day.HasAnswers);
  EXPECT_TRUE(day.Problems.empty());
  // The shown day is the caller's to replace (the main window clears both).
  EXPECT_TRUE(dayState.ShowAnswers);
  EXPECT_TRUE(dayState.HasAnswers);
  EXPECT_EQ(dayState.DayEntries, nullptr);
  Load();
  EXPECT_EQ(Loaded().size(), 1u);
}

} // namespace
