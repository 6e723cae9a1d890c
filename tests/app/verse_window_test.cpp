// The main window driven by a scripted user on the headless backend.

#include "app/verse_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/program_state.h"
#include "app/qx_app.h"
#include "content/day_entries.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "content/today_text.h"
#include "dialogs/calendar_dialog.h"
#include "dialogs/references_dialog.h"
#include "framework/dialog.h"
#include "framework/headless/headless_backend.h"
#include "framework/message_box.h"
#include "resources/main_menu.h"
#include "resources/program_settings_ids.h"
#include "resources/start_date_ids.h"
#include "support/config_sandbox.h"
#include "support/fixed_clock.h"
#include "support/fresh_start.h"
#include "support/main_window_fixture.h"
#include "support/package_bytes.h"
#include "support/prepared_settings.h"
#include "support/temp_dir.h"

using testpackage::BuildPackage;
using testpackage::PackageLayout;

namespace {

class VerseWindowTest : public testsupport::MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    AddPackage("VERSE.QXP", "Daily Verse", "Love one another. -John 13:34", '-');
  }

  void AddQuiz() {
    AddPackage("QUIZ.QXP", "Daily Bible Quiz", "Who built the ark? \\Noah (Genesis 6:14)", '\\');
  }

  static std::string DateItem() {
    const TMenuItem *item = Frame().GetMenu()->FindItem(CM_DATE);
    return item != nullptr ? item->Text : "<none>";
  }
};

TEST_F(VerseWindowTest, OpensWithTheMenuAndTheDateAndSavesItsStateOnClose) {
  WriteSettingInt("x", 10);
  WriteSettingInt("y", 20);
  WriteSettingInt("cx", 500);
  WriteSettingInt("cy", 400);
  int status = Run({[&] {
    EXPECT_EQ(backend.CaptionOf(Frame()), "Selwarth");
    ASSERT_TRUE(Frame().GetMenu());
    EXPECT_EQ(DateItem(), "Wed Mar 1, 2023");
    EXPECT_EQ(Frame().GetWindowRect(), (TRect{10, 20, 510, 420}));
    EXPECT_TRUE(backend.HasTimer(Verse(), DayTimer));
    EXPECT_FALSE(backend.IsTopmost(Frame()));
    backend.Resize(Frame(), 600, 300);
    Frame().MenuCommand(CM_EXIT);
  }});
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadSettingInt("cx", 0), 600);
  EXPECT_EQ(ReadSettingInt("cy", 0), 300);
  EXPECT_EQ(ReadSettingInt("x", 0), 10);
  EXPECT_EQ(ReadSettingInt("HideMenu", -1), 0);
  EXPECT_EQ(ReadSettingText("LastStartup", "", 41), "Wed Mar 1, 2023");
  EXPECT_EQ(day.DayEntries, nullptr); // the day was released
}

TEST_F(VerseWindowTest, APlaceThatDoesNotFitTheScreenBecomesTheWholeScreen) {
  backend.SetScreenSize({800, 600});
  WriteSettingInt("x", 900);
  settings.Topmost = 1;
  Run({[&] {
    EXPECT_EQ(Frame().GetWindowRect(), (TRect{0, 0, 800, 600}));
    EXPECT_TRUE(backend.IsTopmost(Frame()));
  }});
}

TEST_F(VerseWindowTest, HiddenMenusComeBackWithADoubleClickAndAreRemembered) {
  settings.HideMenu = 1;
  Run({[&] {
         EXPECT_FALSE(Frame().GetMenu());
         backend.DoubleClick(Verse());
       },
       [&] {
         ASSERT_TRUE(Frame().GetMenu());
         EXPECT_EQ(settings.HideMenu, 0);
         EXPECT_EQ(DateItem(), "Wed Mar 1, 2023");
         backend.DoubleClick(Verse()); // with the menu shown: nothing
       },
       [&] {
         EXPECT_TRUE(Frame().GetMenu());
         Frame().MenuCommand(CM_HIDEMENUS);
         EXPECT_FALSE(Frame().GetMenu());
         EXPECT_TRUE(backend.LastInvalidationErased(Verse()));
       }});
  EXPECT_EQ(ReadSettingInt("HideMenu", -1), 1);
}

TEST_F(VerseWindowTest, EveryCommandOfTheMenuAndTheKeysHasItsRow) {
  // A command without one would be grayed in the menu and its key dead.
  TVerseWindow window(program);
  std::vector<unsigned> ids = MainMenu().CommandIds();
  for (const TAccelerator &key : MainAccelerators())
    ids.push_back(key.command);
  for (unsigned id : ids) {
    TCommandEnabler enabler(id);
    EXPECT_TRUE(window.EnableCommand(enabler)) << id;
  }
}

TEST_F(VerseWindowTest, DayCommandsStepTheDayAndShowItInTheirMenuStates) {
  Run({[&] {
         EXPECT_FALSE(Enabled(CM_DAYRESET));
         for (int i = 0; i < 3; ++i)
           backend.PressKey(Frame(), TKeyPress{VK_LEFT, 0, true});
       },
       [&] {
         EXPECT_EQ(day.DayOffset, -3);
         EXPECT_EQ(day.DayIndex, 56);
         EXPECT_TRUE(Checked(CM_DAYBACKWARD));
         EXPECT_FALSE(Checked(CM_DAYFORWARD));
         EXPECT_TRUE(Enabled(CM_DAYRESET));
         Frame().MenuCommand(CM_NEW);
       },
       [&] {
         EXPECT_EQ(day.DayOffset, 0);
         EXPECT_FALSE(day.DayStepped);
         EXPECT_FALSE(Checked(CM_DAYBACKWARD));
         EXPECT_FALSE(Enabled(CM_DAYRESET));
         EXPECT_NE(day.DayEntries, nullptr);
       }});
}

TEST_F(VerseWindowTest, TheRandomMethodDisablesDayStepping) {
  settings.QuoteMethodCode = QuoteMethod::Random;
  Run({[&] {
    EXPECT_FALSE(Enabled(CM_DAYBACKWARD));
    EXPECT_FALSE(Enabled(CM_DAYFORWARD));
    EXPECT_FALSE(Enabled(CM_DAYRESET));
    // The accelerator of a disabled command sends nothing.
    backend.PressKey(Frame(), TKeyPress{VK_RIGHT, 0, true});
    EXPECT_EQ(day.DayOffset, 0);
  }});
}

TEST_F(VerseWindowTest, DayForwardUnderIncrementLeavesTheStoredNumberAlone) {
  settings.QuoteMethodCode = QuoteMethod::Increment;
  WriteSettingInt("IncrementNum", 58);
  Run({[&] {
         EXPECT_EQ(day.DayIndex, 58);
         EXPECT_EQ(ReadSettingInt("IncrementNum", -1), 59);
         Frame().MenuCommand(CM_DAYFORWARD);
       },
       [&] {
         EXPECT_EQ(day.DayIndex, 59);
         EXPECT_EQ(ReadSettingInt("IncrementNum", -1), 59);
         Frame().MenuCommand(CM_NEW);
       },
       [&] {
         EXPECT_EQ(day.DayIndex, 59);
         EXPECT_EQ(ReadSettingInt("IncrementNum", -1), 60);
       }});
}

TEST_F(VerseWindowTest, ShowAnswersNeedsAQuizAndIsClearedByEveryReload) {
  Run({[&] { EXPECT_FALSE(Enabled(CM_SHOWANSWERS)); }});
  AddQuiz();
  Run({[&] {
         ASSERT_TRUE(Enabled(CM_SHOWANSWERS));
         backend.PressKey(Frame(), TKeyPress{'A', 1, true});
         EXPECT_TRUE(day.ShowAnswers);
         EXPECT_TRUE(Checked(CM_SHOWANSWERS));
         EXPECT_FALSE(backend.LastInvalidationErased(Verse()));
         Frame().MenuCommand(CM_DAYFORWARD);
       },
       [&] {
         EXPECT_FALSE(day.ShowAnswers);
         EXPECT_FALSE(Checked(CM_SHOWANSWERS));
       }});
}

TEST_F(VerseWindowTest, AReloadWithoutTheQuizTakesTheAnswersAway) {
  AddQuiz();
  Run({[&] {
         backend.PressKey(Frame(), TKeyPress{'A', 1, true});
         ASSERT_TRUE(day.HasAnswers);
         std::filesystem::remove(packages.File("QUIZ.QXP"));
         Frame().MenuCommand(CM_NEW);
       },
       [&] {
         EXPECT_FALSE(day.HasAnswers);
         EXPECT_FALSE(day.ShowAnswers);
         EXPECT_FALSE(Enabled(CM_SHOWANSWERS));
       }});
}

// What the day's load met is told in a message box at each load, except the
// text file that cannot be saved: that once in a run.
TEST_F(VerseWindowTest, TellsWhatTheLoadMetInItsMessageBoxes) {
  struct Case {
    const char *name;
    std::function<void()> arrange;
    std::string text;
    std::string caption;
    unsigned style;
    std::size_t timesOverThreeLoads;
  };
  const std::vector<Case> cases = {
      {"no package", [&] { std::filesystem::remove(packages.File("VERSE.QXP")); },
       "No package files were found in the current directory.", "Uh oh...", MB_OK, 3},
      {"text file not saved",
       [&] {
         std::filesystem::create_directory(packages.Path() / "SELWARTH.TXT");
         settings.SaveFile = 1;
       },
       "The daily text could not be saved to SELWARTH.TXT: Is a directory.", "Unable to Comply",
       MB_OK | MB_ICONEXCLAMATION, 1},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    FreshStart();
    AddPackage("VERSE.QXP", "Daily Verse", "Love one another. -John 13:34", '-');
    c.arrange();
    const std::size_t before = backend.Messages().size();
    Run({[&] { Frame().MenuCommand(CM_NEW); }, [&] { Frame().MenuCommand(CM_NEW); }});
    const std::vector told(backend.Messages().begin() + static_cast<std::ptrdiff_t>(before),
                           backend.Messages().end());
    ASSERT_EQ(told.size(), c.timesOverThreeLoads);
    for (const auto &message : told) {
      EXPECT_EQ(message.Text, c.text);
      EXPECT_EQ(message.Caption, c.caption);
      EXPECT_EQ(message.Style, c.style);
    }
    std::filesystem::remove_all(packages.Path() / "SELWARTH.TXT");
  }
}

TEST_F(VerseWindowTest, CopyTextPutsTheWholeDayOnTheClipboard) {
  AddQuiz();
  Run({[&] {
    ASSERT_TRUE(Enabled(CM_COPYTEXT));
    backend.PressKey(Frame(), TKeyPress{'C', 3, true});
    EXPECT_EQ(backend.ClipboardText(),
              "Daily Bible Quiz\r\nWho built the ark?  Noah (Genesis 6:14)\r\n\r\n"
              "Daily Verse\r\nLove one another.  - John 13:34\r\n\r\n");
  }});
  // A clipboard held by another program: nothing is copied, nothing said.
  Run({[&] {
    backend.SetClipboardBusy(true);
    Frame().MenuCommand(CM_COPYTEXT);
    EXPECT_TRUE(backend.Messages().empty());
  }});
}

TEST_F(VerseWindowTest, CopyTextIsDisabledWithoutEntries) {
  packages.Write("VERSE.QXP", BuildPackage({.Entries = {{59, {""}}}}));
  Run({[&] { EXPECT_FALSE(Enabled(CM_COPYTEXT)); }});
}

TEST_F(VerseWindowTest, TheDayTimerFollowsTheDateAndReloadsWhenAsked) {
  Run({[&] {
         testsupport::SetDate(2023, 3, 2);
         backend.FireTimer(Verse(), DayTimer);
       },
       [&] {
         EXPECT_EQ(DateItem(), "Thu Mar 2, 2023");
         EXPECT_EQ(day.DayIndex, 60); // New was posted and ran
         settings.UpdateDaily = 0;
         testsupport::SetDate(2023, 3, 3);
         backend.FireTimer(Verse(), DayTimer);
       },
       [&] {
         EXPECT_EQ(DateItem(), "Fri Mar 3, 2023");
         EXPECT_EQ(day.DayIndex, 60); // the content stays
       }});
}

TEST_F(VerseWindowTest, NoTimerIsReportedAndTheProgramGoesOn) {
  backend.RefuseTimers(true);
  EXPECT_EQ(Run({}), 0);
  ASSERT_EQ(backend.Messages().size(), 1u);
  EXPECT_EQ(backend.Messages()[0].Text,
            "Selwarth will not be able to update automatically each day.");
  EXPECT_EQ(backend.Messages()[0].Caption, "No Windows Timers Available");
  EXPECT_EQ(backend.Messages()[0].Style, MB_ICONEXCLAMATION);
}

TEST_F(VerseWindowTest, PaintingSetsTheScrollRangeOnceTheSizeChanged) {
  PackageLayout longText;
  longText.Entries[59] = {std::string(120, 'w') + " " + std::string(120, 'w')};
  for (char c = 'A'; c <= 'J'; ++c)
    packages.Write(std::string(1, c) + ".QXP", BuildPackage(longText));
  Run({[&] {
    backend.Resize(Frame(), 400, 100);
    backend.Paint(Verse());
    int range = Verse().Scroller->YRange;
    EXPECT_GT(range, 0);
    // Showing the answers does not recompute the range.
    Verse().Scroller->SetRange(0, 3);
    Frame().MenuCommand(CM_SHOWANSWERS);
    backend.Paint(Verse());
    EXPECT_EQ(Verse().Scroller->YRange, 3);
    backend.Resize(Frame(), 400, 100);
    backend.Paint(Verse());
    EXPECT_EQ(Verse().Scroller->YRange, range);
  }});
}

} // namespace

namespace {

TEST_F(VerseWindowTest, ProgramSettingsReloadsRelaysOrRepaintsAsTheChangesNeed) {
  backend.InDialog("PROGRAMSETTINGS", [](TDialog &d) {
    d.UserClick(programsettings::BlankLinesBox);
    d.UserClick(IDOK);
  });
  backend.InDialog("PROGRAMSETTINGS", [](TDialog &d) {
    d.UserClick(programsettings::JustifyTextBox);
    d.UserClick(IDOK);
  });
  backend.InDialog("PROGRAMSETTINGS", [](TDialog &d) {
    d.UserClick(programsettings::IncrementRadio);
    d.UserClick(programsettings::TopmostBox);
    d.UserClick(IDOK);
  });
  WriteSettingInt("IncrementNum", 7);
  Run({[&] {
         Verse().ScrollRangeStale = false;
         backend.PressKey(Frame(), TKeyPress{'G', 7, true});
       },
       [&] {
         EXPECT_TRUE(Verse().ScrollRangeStale); // a posted size message ran
         Verse().ScrollRangeStale = false;
         int before = backend.InvalidationsOf(Verse());
         Frame().MenuCommand(CM_PROGRAM);
         EXPECT_EQ(backend.InvalidationsOf(Verse()), before + 1);
       },
       [&] {
         EXPECT_FALSE(Verse().ScrollRangeStale);
         Frame().MenuCommand(CM_PROGRAM);
       },
       [&] {
         EXPECT_EQ(day.DayIndex, 7); // New ran under the Increment method
         EXPECT_TRUE(backend.IsTopmost(Frame()));
       }});
}

} // namespace

namespace {

TEST_F(VerseWindowTest, StartDateReloadsWhenThePlanMovedAndOnlyUnderTheDateMethod) {
  backend.InDialog("STARTDATE", [](TDialog &d) {
    d.UserClick(startdate::DayForward); // 2 January
    d.UserClick(IDOK);
  });
  Run({[&] {
         EXPECT_TRUE(Enabled(CM_STARTDATE));
         day.DayOffset = 3;
         backend.PressKey(Frame(), TKeyPress{'D', 4, true});
         EXPECT_EQ(settings.PlanOffset, 1);
       },
       [&] {
         EXPECT_EQ(day.DayOffset, 0); // New ran
         settings.QuoteMethodCode = QuoteMethod::Increment;
         EXPECT_FALSE(Enabled(CM_STARTDATE));
       }});
}

TEST_F(VerseWindowTest, TheDateItemOpensOneCalendarThatClosesWithTheWindow) {
  Run({[&] {
    Frame().MenuCommand(CM_DATE);
    ASSERT_TRUE(program.CalendarOpen());
    TWindow *calendar = program.CalendarDialog.get();
    EXPECT_TRUE(backend.Shows(*calendar));
    Frame().MenuCommand(CM_DATE);
    EXPECT_EQ(program.CalendarDialog.get(), calendar); // no second calendar
    EXPECT_EQ(backend.ActiveWindow(), calendar);
    // Its own command, Ctrl+L, opens the same Calendar, and a new one once
    // that is closed.
    backend.Activate(Frame());
    backend.PressKey(Frame(), TKeyPress{'L', 12, true});
    EXPECT_EQ(program.CalendarDialog.get(), calendar);
    EXPECT_EQ(backend.ActiveWindow(), calendar);
    calendar->Destroy();
    ASSERT_FALSE(program.CalendarOpen());
    backend.PressKey(Frame(), TKeyPress{'L', 12, true});
    EXPECT_TRUE(program.CalendarOpen());
  }});
  EXPECT_FALSE(program.CalendarOpen());
}

} // namespace

namespace {

TEST_F(VerseWindowTest, ReferencesOpenOnceAndTheAboutBoxesRun) {
  Run({[&] {
    backend.PressKey(Frame(), TKeyPress{'R', 18, true});
    ASSERT_TRUE(program.ReferencesOpen());
    TWindow *references = program.ReferencesDialog.get();
    backend.PressKey(Frame(), TKeyPress{VK_F9, 0, false});
    EXPECT_EQ(program.ReferencesDialog.get(), references);
    EXPECT_EQ(backend.ActiveWindow(), references);
    Frame().MenuCommand(CM_ABOUTPACKAGES);
    Frame().MenuCommand(CM_ABOUT);
  }});
  EXPECT_FALSE(program.ReferencesOpen());
  EXPECT_EQ(backend.DialogsRun(), (std::vector<std::string>{"ABOUTPACKAGES", "ABOUTSELWARTH"}));
}

} // namespace
