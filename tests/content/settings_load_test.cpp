#include "content/settings_load.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "content/content_state.h"
#include "content/settings.h"
#include "support/config_sandbox.h"
#include "support/fixed_clock.h"
#include "support/temp_dir.h"

namespace {

using testsupport::YearTime;

class SettingsLoadTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetContentState();
    // Values no load would give, so that a key not read shows.
    EveryStartup = HideMenu = JustifyText = SaveFile = 55;
    UpdateDaily = Topmost = BlankLines = ScreenSaver = 55;
    ConcordanceServer = ConcordanceTranslation = SaverPackage = "stale";
    PlanOffset = 77;
    QuoteMethodCode = QuoteMethod{0};
  }

  void WriteSettings(const std::string &body) {
    std::filesystem::create_directories(sandbox.Folder());
    std::ofstream(sandbox.SettingsPath(), std::ios::binary) << body;
  }

  testsupport::ConfigSandbox sandbox;
};

TEST_F(SettingsLoadTest, AnAbsentFileGivesEveryDefault) {
  LoadSettings(YearTime(2026));
  EXPECT_EQ(EveryStartup, 1);
  EXPECT_EQ(HideMenu, 0);
  EXPECT_EQ(JustifyText, 1);
  EXPECT_EQ(SaveFile, 0);
  EXPECT_EQ(UpdateDaily, 1);
  EXPECT_EQ(Topmost, 0);
  EXPECT_EQ(BlankLines, 0);
  EXPECT_EQ(ScreenSaver, 0);
  EXPECT_EQ(ConcordanceServer, "");
  EXPECT_EQ(ConcordanceTranslation, "");
  EXPECT_EQ(SaverPackage, "");
  EXPECT_EQ(PlanOffset, 0);
  EXPECT_EQ(QuoteMethodCode, QuoteMethod::Date);
  // Loading never creates the file.
  EXPECT_FALSE(std::filesystem::exists(sandbox.SettingsPath()));
}

TEST_F(SettingsLoadTest, ReadsStoredValuesWithoutRegardToKeyCase) {
  WriteSettings("[selwarth]\n"
                "everystartup=0\nHIDEMENU=1\nJustifyText=0\nSaveFile=1\nUpdateDaily=0\n"
                "Topmost=7\nBlankLines=1\nScreenSaver=1\nSaverTitle=verse.qxp\n"
                "ConcordanceServer=Logos\nConcordanceTranslation=KJV\nPlanOffset=31\n"
                "QuoteMethod=Random\n");
  LoadSettings(YearTime(2026));
  EXPECT_EQ(EveryStartup, 0);
  EXPECT_EQ(HideMenu, 1);
  EXPECT_EQ(JustifyText, 0);
  EXPECT_EQ(SaveFile, 1);
  EXPECT_EQ(UpdateDaily, 0);
  EXPECT_EQ(Topmost, 7); // any value but 0 is on, and is kept as it is
  EXPECT_EQ(BlankLines, 1);
  EXPECT_EQ(ScreenSaver, 1);
  EXPECT_EQ(SaverPackage, "verse.qxp");
  EXPECT_EQ(ConcordanceServer, "Logos");
  EXPECT_EQ(ConcordanceTranslation, "KJV");
  EXPECT_EQ(PlanOffset, 31);
  EXPECT_EQ(QuoteMethodCode, QuoteMethod::Random);
}

TEST_F(SettingsLoadTest, CutsTextsToTheirBuffers) {
  WriteSettings("[Selwarth]\nConcordanceServer=ABCDEFGHIJKLMNOPQRSTUVWXYZ\n"
                "ConcordanceTranslation=0123456789012345678901\n"
                "SaverTitle=" +
                std::string(60, 'p') + "\n");
  LoadSettings(YearTime(2026));
  EXPECT_EQ(ConcordanceServer, "ABCDEFGHIJKLMNOPQRS");
  EXPECT_EQ(ConcordanceTranslation, "0123456789012345678");
  EXPECT_EQ(SaverPackage, std::string(49, 'p'));
}

TEST_F(SettingsLoadTest, ScreenSaverNeedsAChosenPackage) {
  WriteSettings("[Selwarth]\nScreenSaver=1\n");
  LoadSettings(YearTime(2026));
  EXPECT_EQ(ScreenSaver, 0);
  EXPECT_NE(sandbox.SettingsPath(), ""); // the file itself is not changed:
  EXPECT_NE(testsupport::ReadFileBytes(sandbox.SettingsPath()).find("ScreenSaver=1"),
            std::string::npos);
}

TEST_F(SettingsLoadTest, PlanOffsetOutsideTheYearStartsAtZero) {
  for (auto [stored, expected] : {std::pair{"364", 364},
                                  {"365", 0},
                                  {"-1", 0},
                                  {"0", 0},
                                  {"65600", 64},
                                  {"32768", 0},
                                  {"12abc", 12},
                                  {"", 0}}) {
    WriteSettings(std::string("[Selwarth]\nPlanOffset=") + stored + "\n");
    LoadSettings(YearTime(2026));
    EXPECT_EQ(PlanOffset, expected) << "stored " << stored;
  }
}

TEST_F(SettingsLoadTest, ZoomIsHeldToItsRangeAndOlderFilesLackIt) {
  for (auto [stored, expected] :
       {std::pair{"", 100}, {"250", 250}, {"10", 50}, {"1000", 400}, {"-5", 50}, {"abc", 50}}) {
    WriteSettings(stored[0] == 0 ? std::string("[Selwarth]\nBlankLines=1\n")
                                 : std::string("[Selwarth]\nZoom=") + stored + "\n");
    Zoom = 77;
    LoadSettings(YearTime(2026));
    EXPECT_EQ(Zoom, expected) << "stored " << stored;
  }
}

TEST_F(SettingsLoadTest, QuoteMethodIsMatchedExactlyWithCase) {
  const std::tm now = YearTime(2026);
  EXPECT_EQ(MapQuoteMethod("Date", now), QuoteMethod::Date);
  EXPECT_EQ(MapQuoteMethod("Increment", now), QuoteMethod::Increment);
  EXPECT_EQ(MapQuoteMethod("Random", now), QuoteMethod::Random);
  // Anything else is the default method, which is Date in this year.
  EXPECT_EQ(MapQuoteMethod("random", now), QuoteMethod::Date);
  EXPECT_EQ(MapQuoteMethod("Default", now), QuoteMethod::Date);
  EXPECT_EQ(MapQuoteMethod("", now), QuoteMethod::Date);
  EXPECT_EQ(MapQuoteMethod("Increment ", now), QuoteMethod::Date);
}

TEST_F(SettingsLoadTest, TheDefaultMethodIsIncrementBefore1994) {
  EXPECT_EQ(MapQuoteMethod("Default", YearTime(1993)), QuoteMethod::Increment);
  EXPECT_EQ(MapQuoteMethod("date", YearTime(1993)), QuoteMethod::Increment);
  EXPECT_EQ(MapQuoteMethod("Default", YearTime(1994)), QuoteMethod::Date);
  EXPECT_EQ(MapQuoteMethod("Date", YearTime(1993)), QuoteMethod::Date);
}

TEST_F(SettingsLoadTest, QuoteMethodIsReadIntoATwentyByteBuffer) {
  // A stored text that only matches after the cut still does not match.
  WriteSettings("[Selwarth]\nQuoteMethod=Increment          X\n");
  LoadSettings(YearTime(2026));
  EXPECT_EQ(QuoteMethodCode, QuoteMethod::Date);
  WriteSettings("[Selwarth]\nQuoteMethod=\"Increment\"\n");
  LoadSettings(YearTime(1993));
  EXPECT_EQ(QuoteMethodCode, QuoteMethod::Increment);
}

TEST(QuoteMethodNameTest, WritesTheNamesTheMappingReads) {
  const std::tm now = YearTime(1990); // so that the default would differ from Date
  for (const QuoteMethodTraits &method : QuoteMethods())
    EXPECT_EQ(MapQuoteMethod(QuoteMethodName(method.Method), now), method.Method);
}

} // namespace
