#include "app/run_application.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "app/verse_window.h"
#include "app/window_placement.h"
#include "content/package_font_settings.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "content/settings_load.h"
#include "framework/application.h"
#include "framework/headless/headless_backend.h"
#include "platform/clock.h"
#include "support/config_sandbox.h"
#include "support/fixed_clock.h"
#include "support/noted.h"
#include "support/prepared_settings.h"
#include "support/temp_dir.h"

using testsupport::SetDate;
using testsupport::SetUptimeMs;

namespace {

class RunApplicationTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetProgramState();
    SetDate(1997, 1, 5);
  }

  // Runs the program's main routine with the given options; returns its
  // status.
  int Start(std::vector<std::string> options = {}) {
    options.insert(options.begin(), "selwarth");
    std::vector<char *> argv;
    for (std::string &word : options)
      argv.push_back(word.data());
    argv.push_back(nullptr);
    return RunApplication(static_cast<int>(options.size()), argv.data());
  }

  // The settings as the program's last run left them in the file (the run's
  // own went with it).
  static Settings StoredSettings() {
    Settings settings;
    LoadSettings(settings, *platform::LocalTime(platform::CurrentTime()));
    return settings;
  }

  bool WindowOpened() const {
    const auto &captions = backend.CreatedCaptions();
    return std::find(captions.begin(), captions.end(), "Selwarth") != captions.end();
  }

  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  testsupport::WorkingDirectory cwd{folder.Path()};
  HeadlessBackend backend;
};

TEST_F(RunApplicationTest, ASilentStartRightAfterBootWhenTodayWasAlreadyShown) {
  WriteSettingInt("EveryStartup", 0);
  WriteSettingText("LastStartup", "Sun Jan 5, 1997");
  auto before = std::filesystem::last_write_time(sandbox.SettingsPath());
  SetUptimeMs(30000);
  EXPECT_EQ(Start(), 0);
  EXPECT_FALSE(WindowOpened());
  EXPECT_EQ(backend.WindowCount(), 0u);
  // Nothing was written.
  EXPECT_EQ(std::filesystem::last_write_time(sandbox.SettingsPath()), before);
}

TEST_F(RunApplicationTest, OpensTheWindowWhenTheStartIsLaterThan45Seconds) {
  WriteSettingInt("EveryStartup", 0);
  WriteSettingText("LastStartup", "Sun Jan 5, 1997");
  SetUptimeMs(45001);
  EXPECT_EQ(Start(), 0);
  EXPECT_TRUE(WindowOpened());

  backend.Then([] {});
  SetUptimeMs(45000); // exactly 45 s still counts as right after boot
  EXPECT_EQ(Start(), 0);
  EXPECT_EQ(backend.CreatedCaptions().size(), 2u); // the window of the first start only
}

TEST_F(RunApplicationTest, OpensTheWindowOnANewDay) {
  WriteSettingInt("EveryStartup", 0);
  WriteSettingText("LastStartup", "Sat Jan 4, 1997");
  SetUptimeMs(30000);
  Start();
  EXPECT_TRUE(WindowOpened());
}

TEST_F(RunApplicationTest, EveryStartupOnAlwaysOpensTheWindow) {
  WriteSettingInt("EveryStartup", 7);
  WriteSettingText("LastStartup", "Sun Jan 5, 1997");
  SetUptimeMs(1000);
  Start();
  EXPECT_TRUE(WindowOpened());
}

TEST_F(RunApplicationTest, BeforeTheClockIsSetBothDatesAreEmptyAndTheStartIsSilent) {
  WriteSettingInt("EveryStartup", 0);
  SetDate(1992, 6, 1);
  SetUptimeMs(30000);
  EXPECT_EQ(Start(), 0);
  EXPECT_FALSE(WindowOpened());
}

TEST_F(RunApplicationTest, TheUptimeIsComparedAsAnUnsignedNumber) {
  // After 49.7 days the counter wraps and the start counts as just after boot.
  WriteSettingInt("EveryStartup", 0);
  WriteSettingText("LastStartup", "Sun Jan 5, 1997");
  SetUptimeMs(0xFFFFFFFFu);
  Start();
  EXPECT_TRUE(WindowOpened());
}

TEST_F(RunApplicationTest, TheLogInStartCountsAsTheStartAfterBootWhateverTheUptime) {
  WriteSettingInt("EveryStartup", 0);
  WriteSettingText("LastStartup", "Sun Jan 5, 1997");
  SetUptimeMs(10 * 60 * 1000); // a log-in ten minutes after the system's start
  EXPECT_EQ(Start({"--autostart"}), 0);
  EXPECT_FALSE(WindowOpened());

  // The same start by hand shows the window, as does the log-in start on a
  // day the window was not yet shown, or with Every Startup on.
  Start();
  EXPECT_TRUE(WindowOpened());
  const std::size_t windows = backend.CreatedCaptions().size();
  WriteSettingText("LastStartup", "Sat Jan 4, 1997");
  Start({"-style", "fusion", "--autostart"});
  EXPECT_GT(backend.CreatedCaptions().size(), windows);
  const std::size_t windowsThen = backend.CreatedCaptions().size();
  WriteSettingText("LastStartup", "Sun Jan 5, 1997");
  WriteSettingInt("EveryStartup", 7);
  Start({"--autostart"});
  EXPECT_GT(backend.CreatedCaptions().size(), windowsThen);
}

TEST_F(RunApplicationTest, TheLaunchersFirstStartGivesPackagesWithoutAFontAReadableOne) {
  folder.Write("VERSE.QXP", "not read here");
  folder.Write("Mine.qxp", "not read here");
  WriteSettingText("mine.qxp_fontname", "Courier");
  backend.SetReadableFont(TFontDesc{"DejaVu Serif", 17, false});
  Start({"--readable-fonts"});
  EXPECT_EQ(ReadSettingText("DefaultFontName", "", 60), "DejaVu Serif");
  EXPECT_EQ(ReadSettingInt("DefaultFontSize", 0), 17);
  EXPECT_EQ(PackageFontName(StoredSettings(), "VERSE.QXP"), "DejaVu Serif");
  EXPECT_EQ(PackageFontSize(StoredSettings(), "VERSE.QXP"), 17);
  EXPECT_EQ(ReadSettingText("verse.qxp_fontname", "", 60), "");
  // What the user chose stays.
  EXPECT_EQ(PackageFontName(StoredSettings(), "Mine.qxp"), "Courier");
  EXPECT_EQ(PackageFontSize(StoredSettings(), "Mine.qxp"), 10);

  // A package added later is as readable.
  folder.Write("NEW.QXP", "not read here");
  Start();
  EXPECT_EQ(PackageFontName(StoredSettings(), "NEW.QXP"), "DejaVu Serif");
  EXPECT_EQ(PackageFontSize(StoredSettings(), "NEW.QXP"), 17);
  // A default the user chose stays, and a backend that knows no better font
  // writes none.
  WriteSettingText("DefaultFontName", "Courier");
  Start({"--first-start"});
  EXPECT_EQ(ReadSettingText("DefaultFontName", "", 60), "Courier");
  WriteSettingText("DefaultFontName", "");
  backend.SetReadableFont(TFontDesc{});
  Start({"--first-start"});
  EXPECT_EQ(PackageFontName(StoredSettings(), "NEW.QXP"), "System");
}

TEST_F(RunApplicationTest, TheFirstStartOpensTwoThirdsOfTheScreenCentredUnlessAPlaceIsSaved) {
  backend.SetScreenSize({1800, 900});
  Start({"--first-start"});
  EXPECT_EQ(ReadWindowPlacement(1800, 900), (TWindowPlacement{300, 150, 1200, 600}));
  std::string error;
  ASSERT_TRUE(testsupport::Noted(WriteSettings(WindowPlacementValues(10, 20, 810, 620)), error))
      << error;
  Start({"--first-start"});
  EXPECT_EQ(ReadWindowPlacement(1800, 900), (TWindowPlacement{10, 20, 800, 600}));
}

TEST_F(RunApplicationTest, TheRunEndsWithTheMainWindowAndReturnsItsStatus) {
  bool sawWindow = false;
  backend.Then([&] {
    TFrameWindow *frame = TheApplication()->GetMainWindow();
    ASSERT_NE(frame, nullptr);
    sawWindow = frame->IsCreated() && backend.Shows(*frame);
    EXPECT_NE(dynamic_cast<TVerseWindow *>(frame->GetClientWindow()), nullptr);
    frame->GetClientWindow()->Destroy(3);
  });
  EXPECT_EQ(Start(), 0); // the frame closes itself when its client goes
  EXPECT_TRUE(sawWindow);
  // The folder has no package: the window said so as it was built.
  ASSERT_EQ(backend.Messages().size(), 1u);
  EXPECT_EQ(backend.Messages()[0].Caption, "Uh oh...");
  EXPECT_EQ(backend.WindowCount(), 0u);
}

} // namespace
