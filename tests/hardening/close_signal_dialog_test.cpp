// SIGTERM while a dialog is open: the dialog is cancelled, the main window
// closes as File/Exit closes it, its state is saved and the run ends with 0.
// The signal is raised for real inside a step of the scripted user.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>

#include "content/day_entries.h"
#include "content/settings_file.h"
#include "dialogs/calendar_dialog.h"
#include "framework/dialog.h"
#include "resources/main_menu.h"
#include "resources/program_settings_ids.h"
#include "support/main_window_fixture.h"

namespace hardening {
namespace {

using testsupport::MainWindowTest;

using ::testing::ElementsAreArray;

struct OpenDialogs {
  const char *name;
  unsigned command;
  // The modal dialogs on the way, outermost first, with the control that
  // opens the next; the signal comes in the last.
  std::vector<std::pair<std::string, int>> chain;
};

class CloseSignalDialogTest : public MainWindowTest,
                              public ::testing::WithParamInterface<OpenDialogs> {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    AddPackage("VERSE.QXP", "Daily Verse", "Love one another. -John 13:34", '-');
    backend.WatchCloseSignals();
  }

  // Runs the program: the script opens what it should and the signal comes;
  // nothing the script would do afterwards may happen.
  void RunUntilSignal(std::function<void()> open) {
    bool afterwards = false;
    int status = Run({[&] {
                        backend.Resize(Frame(), 640, 320);
                        open();
                      },
                      [&] { afterwards = true; }});
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(afterwards) << "the program ran on after SIGTERM";
    EXPECT_EQ(ReadSettingText("LastStartup", "", 41), "Wed Mar 1, 2023");
    EXPECT_EQ(ReadSettingInt("HideMenu", -1), 0);
    EXPECT_EQ(ReadSettingInt("cx", 0), 640);
    EXPECT_EQ(ReadSettingInt("cy", 0), 320);
    EXPECT_EQ(day.DayEntries, nullptr); // the day was released
  }
};

TEST_P(CloseSignalDialogTest, SigtermInAModalDialogSavesTheStateAndEndsWithZero) {
  const OpenDialogs &c = GetParam();
  std::vector<std::string> names;
  for (std::size_t i = 0; i < c.chain.size(); ++i) {
    const auto &[name, opener] = c.chain[i];
    names.push_back(name);
    const bool last = i + 1 == c.chain.size();
    backend.InDialog(name, [last, opener](TDialog &d) {
      if (last)
        std::raise(SIGTERM);
      else
        d.UserClick(opener);
    });
  }
  RunUntilSignal([&] { Frame().MenuCommand(c.command); });
  EXPECT_THAT(backend.DialogsRun(), ElementsAreArray(names));
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, CloseSignalDialogTest,
    ::testing::Values(OpenDialogs{"ProgramSettings", CM_PROGRAM, {{"PROGRAMSETTINGS", 0}}},
                      // Program Settings > the screen saver box opens the Screen Saver dialog.
                      OpenDialogs{"ScreenSaverInProgramSettings",
                                  CM_PROGRAM,
                                  {{"PROGRAMSETTINGS", programsettings::ScreenSaverBox},
                                   {"SCREENSAVER", 0}}},
                      OpenDialogs{"PackageSettings", CM_PACKAGES, {{"PACKAGESETTINGS", 0}}},
                      OpenDialogs{"StartDate", CM_STARTDATE, {{"STARTDATE", 0}}},
                      OpenDialogs{"DdeSettings", CM_DDE, {{"DDESETTINGS", 0}}},
                      OpenDialogs{"About", CM_ABOUT, {{"ABOUTSELWARTH", 0}}}),
    [](const ::testing::TestParamInfo<OpenDialogs> &info) { return std::string(info.param.name); });

TEST_F(CloseSignalDialogTest, SigtermWithTheCalendarOpenClosesItWithTheWindow) {
  RunUntilSignal([&] {
    Frame().MenuCommand(CM_DATE);
    ASSERT_TRUE(program.CalendarOpen());
    std::raise(SIGTERM);
  });
  EXPECT_FALSE(program.CalendarOpen());
}

} // namespace
} // namespace hardening
