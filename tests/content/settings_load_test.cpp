#include "content/settings_load.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "content/settings.h"
#include "support/config_sandbox.h"
#include "support/fixed_clock.h"
#include "support/temp_dir.h"

namespace {

using testsupport::YearTime;

class SettingsLoadTest : public ::testing::Test {
protected:
  void SetUp() override {
    // Values no load would give, so that a key not read shows.
    settings.EveryStartup = settings.HideMenu = settings.JustifyText = settings.SaveFile = 55;
    settings.UpdateDaily = settings.Topmost = settings.BlankLines = settings.ScreenSaver = 55;
    settings.ConcordanceServer = settings.ConcordanceTranslation = settings.SaverPackage = "stale";
    settings.PlanOffset = 77;
    settings.QuoteMethodCode = QuoteMethod{0};
  }

  void WriteSettings(const std::string &body) {
    std::filesystem::create_directories(sandbox.Folder());
    std::ofstream(sandbox.SettingsPath(), std::ios::binary) << body;
  }

  Settings settings;
  testsupport::ConfigSandbox sandbox;
};

TEST_F(SettingsLoadTest, AnAbsentFileGivesEveryDefault) {
  LoadSettings(settings, YearTime(2026));
  EXPECT_EQ(settings.EveryStartup, 1);
  EXPECT_EQ(settings.HideMenu, 0);
  EXPECT_EQ(settings.JustifyText, 1);
  EXPECT_EQ(settings.SaveFile, 0);
  EXPECT_EQ(settings.UpdateDaily, 1);
  EXPECT_EQ(settings.Topmost, 0);
  EXPECT_EQ(settings.BlankLines, 0);
  EXPECT_EQ(settings.ScreenSaver, 0);
  EXPECT_EQ(settings.ConcordanceServer, "");
  EXPECT_EQ(settings.ConcordanceTranslation, "");
  EXPECT_EQ(settings.SaverPackage, "");
  EXPECT_EQ(settings.PlanOffset, 0);
  EXPECT_EQ(settings.QuoteMethodCode, QuoteMethod::Date);
  // Loading never creates the file.
  EXPECT_FALSE(std::filesystem::exists(sandbox.SettingsPath()));
}

TEST_F(SettingsLoadTest, ReadsStoredValuesWithoutRegardToKeyCase) {
  WriteSettings("[selwarth]\n"
                "everystartup=0\nHIDEMENU=1\nJustifyText=0\nSaveFile=1\nUpdateDaily=0\n"
                "Topmost=7\nBlankLines=1\nScreenSaver=1\nSaverTitle=verse.qxp\n"
                "ConcordanceServer=Logos\nConcordanceTranslation=KJV\nPlanOffset=31\n"
                "QuoteMethod=Random\n");
  LoadSettings(settings, YearTime(2026));
  EXPECT_EQ(settings.EveryStartup, 0);
  EXPECT_EQ(settings.HideMenu, 1);
  EXPECT_EQ(settings.JustifyText, 0);
  EXPECT_EQ(settings.SaveFile, 1);
  EXPECT_EQ(settings.UpdateDaily, 0);
  EXPECT_EQ(settings.Topmost, 7); // any value but 0 is on, and is kept as it is
  EXPECT_EQ(settings.BlankLines, 1);
  EXPECT_EQ(settings.ScreenSaver, 1);
  EXPECT_EQ(settings.SaverPackage, "verse.qxp");
  EXPECT_EQ(settings.ConcordanceServer, "Logos");
  EXPECT_EQ(settings.ConcordanceTranslation, "KJV");
  EXPECT_EQ(settings.PlanOffset, 31);
  EXPECT_EQ(settings.QuoteMethodCode, QuoteMethod::Random);
}

TEST_F(SettingsLoadTest, CutsTextsToTheirBuffers) {
  WriteSettings("[Selwarth]\nConcordanceServer=ABCDEFGHIJKLMNOPQRSTUVWXYZ\n"
                "ConcordanceTranslation=0123456789012345678901\n"
                "SaverTitle=" +
                std::string(60, 'p') + "\n");
  LoadSettings(settings, YearTime(2026));
  EXPECT_EQ(settings.ConcordanceServer, "ABCDEFGHIJKLMNOPQRS");
  EXPECT_EQ(settings.ConcordanceTranslation, "0123456789012345678");
  EXPECT_EQ(settings.SaverPackage, std::string(49, 'p'));
}

TEST_F(SettingsLoadTest, ScreenSaverNeedsAChosenPackage) {
  WriteSettings("[Selwarth]\nScreenSaver=1\n");
  LoadSettings(settings, YearTime(2026));
  EXPECT_EQ(settings.ScreenSaver, 0);
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
    LoadSettings(settings, YearTime(2026));
    EXPECT_EQ(settings.PlanOffset, expected) << "stored " << stored;
  }
}

TEST_F(SettingsLoadTest, ZoomIsHeldToItsRangeAndOlderFilesLackIt) {
  for (auto [stored, expected] :
       {std::pair{"", 100}, {"250", 250}, {"10", 50}, {"1000", 400}, {"-5", 50}, {"abc", 50}}) {
    WriteSettings(stored[0] == 0 ? std::string("[Selwarth]\nBlankLines=1\n")
                                 : std::string("[Selwarth]\nZoom=") + stored + "\n");
    settings.Zoom = 77;
    LoadSettings(settings, YearTime(2026));
    EXPECT_EQ(settings.Zoom, expected) << "stored " << stored;
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
  LoadSettings(settings, YearTime(2026));
  EXPECT_EQ(settings.QuoteMethodCode, QuoteMethod::Date);
  WriteSettings("[Selwarth]\nQuoteMethod=\"Increment\"\n");
  LoadSettings(settings, YearTime(1993));
  EXPECT_EQ(settings.QuoteMethodCode, QuoteMethod::Increment);
}

TEST(QuoteMethodNameTest, WritesTheNamesTheMappingReads) {
  const std::tm now = YearTime(1990); // so that the default would differ from Date
  for (const QuoteMethodTraits &method : QuoteMethods())
    EXPECT_EQ(MapQuoteMethod(QuoteMethodName(method.Method), now), method.Method);
}

} // namespace
