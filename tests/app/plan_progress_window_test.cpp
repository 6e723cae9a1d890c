// The reading plan's progress in the main window: Mark Reading as Read, the
// line under the plan's heading, Catch Up and the Calendar's marks.

#include <gtest/gtest.h>

#include "content/plan_progress.h"
#include "dialogs/calendar_dialog.h"
#include "framework/controls.h"
#include "framework/message_box.h"
#include "platform/profile.h"
#include "resources/calendar_ids.h"
#include "resources/main_menu.h"
#include "support/main_window_fixture.h"
#include "view/clipboard_copy.h"

namespace {

class PlanProgressWindowTest : public testsupport::MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    testpackage::PackageLayout plan;
    plan.Titles = {"Through the Bible in a Year"};
    for (int slot = 0; slot < 366; ++slot)
      plan.Entries[slot] = {"Reading " + std::to_string(slot + 1) + "."};
    packages.Write("PLAN.QXP", testpackage::BuildPackage(plan));
    // Today, 1 March, is plan day 60; days 57 to 59 were missed.
    ASSERT_TRUE(
        platform::WritePrivateProfileString("Plan Progress", "plan", "1-56", "SELWARTH.INI"));
  }
  static std::string Stored() {
    return platform::GetPrivateProfileString("Plan Progress", "plan", "", 100, "SELWARTH.INI");
  }
  void Key(unsigned virtualKey) { backend.PressKey(Frame(), TKeyPress{virtualKey, 0, true}); }
  void CtrlM() { backend.PressKey(Frame(), TKeyPress{'M', CtrlCharacter('M'), true}); }
  std::string Cell(int place) {
    return TEdit(*program.CalendarDialog, calendar::DayCell(place)).GetText();
  }
};

TEST_F(PlanProgressWindowTest, MarkMissThreeAndCatchUp) {
  Run({[&] {
         EXPECT_NE(Shown().find("Day 60 of 365 \xB7 56 read \xB7 3 behind"), std::string::npos)
             << Shown();
         // The line is the window's: not in Copy Text, but read with the entry.
         EXPECT_EQ(DayText(day.DayEntries.get()).find("Day 60"), std::string::npos);
         EXPECT_NE(Verse().ReadableParts()->front().find("Day 60 of 365"), std::string::npos);
         EXPECT_FALSE(Checked(CM_MARKREAD));
         EXPECT_FALSE(Enabled(CM_STARTOVER));
         CtrlM();
         EXPECT_EQ(Stored(), "1-56,60");
         EXPECT_TRUE(Checked(CM_MARKREAD));
         Key(VK_LEFT); // yesterday's reading, marked late
         CtrlM();
         EXPECT_EQ(Stored(), "1-56,59-60");
         Frame().MenuCommand(CM_DATE); // 1 March 2023 is a Wednesday: place 4
         EXPECT_EQ(Cell(4), "1\x95");
         EXPECT_EQ(Cell(5), "2");
         Frame().MenuCommand(CM_NEW);
       },
       [&] {
         EXPECT_NE(Shown().find("Day 60 of 365 \xB7 58 read \xB7 2 behind"), std::string::npos)
             << Shown();
         backend.AnswerNextMessage(IDYES);
         Frame().MenuCommand(CM_CATCHUP);
         EXPECT_NE(Messages().back().find("start on January 4,"), std::string::npos);
         EXPECT_EQ(platform::GetPrivateProfileInt("Selwarth", "PlanOffset", -1, "SELWARTH.INI"), 3);
       },
       [&] {
         // The first unread day, 57, is today's reading.
         EXPECT_NE(Shown().find("Reading 57."), std::string::npos) << Shown();
         EXPECT_NE(Shown().find("Day 57 of 365 \xB7 58 read \xB7 all caught up"),
                   std::string::npos);
         EXPECT_FALSE(Enabled(CM_CATCHUP));
       }});
}

// A reader who begins marking mid-plan, on day 57, and misses two days is
// two behind, not fifty-eight; Catch Up gives day 58, never day 1. Mark
// Earlier Days as Read then makes the plan whole up to the day shown.
TEST_F(PlanProgressWindowTest, TrackingBeginsWhereTheReaderBegan) {
  ASSERT_TRUE(platform::WritePrivateProfileString("Plan Progress", "plan", "57", "SELWARTH.INI"));
  Run({[&] {
         EXPECT_NE(Shown().find("Day 60 of 365 \xB7 1 read \xB7 2 behind"), std::string::npos)
             << Shown();
         EXPECT_TRUE(Enabled(CM_MARKEARLIER));
         backend.AnswerNextMessage(IDYES);
         Frame().MenuCommand(CM_CATCHUP);
         EXPECT_NE(Messages().back().find("start on January 3,"), std::string::npos)
             << Messages().back();
       },
       [&] {
         EXPECT_NE(Shown().find("Reading 58."), std::string::npos) << Shown();
         EXPECT_NE(Shown().find("Day 58 of 365 \xB7 1 read \xB7 all caught up"), std::string::npos)
             << Shown();
         Frame().MenuCommand(CM_MARKEARLIER);
         EXPECT_EQ(Stored(), "1-57");
         EXPECT_NE(Shown().find("Day 58 of 365 \xB7 57 read \xB7 all caught up"), std::string::npos)
             << Shown();
         EXPECT_FALSE(Enabled(CM_MARKEARLIER));
         EXPECT_FALSE(Checked(CM_MARKREAD)); // the day shown itself stays unread
       }});
}

// The Calendar takes the reader to a day: a date chosen (Enter, Space or a
// double click) is shown as a day step, which Day Reset undoes; today's date
// is marked for the eye and named so for the screen reader.
TEST_F(PlanProgressWindowTest, TheCalendarShowsTheChosenDay) {
  auto choose = [&](int place) { program.CalendarDialog->UserChoose(calendar::DayCell(place)); };
  Run({[&] {
         Frame().MenuCommand(CM_CALENDAR);
         // 1 March 2023, a Wednesday, is place 4.
         EXPECT_TRUE(program.CalendarDialog->Control(calendar::DayCell(4))->Emphasised);
         EXPECT_EQ(program.CalendarDialog->Control(calendar::DayCell(4))->Name,
                   "Wednesday, 1 March, today");
         EXPECT_FALSE(program.CalendarDialog->Control(calendar::DayCell(5))->Emphasised);
         EXPECT_FALSE(program.CalendarDialog->Control(calendar::DayCell(3))->Enabled);
         choose(3); // no day there
         EXPECT_EQ(backend.CaptionOf(Frame()), "Selwarth");
         choose(13);
       },
       [&] {
         EXPECT_EQ(backend.CaptionOf(Frame()), "Selwarth \x97 Fri Mar 10, 2023");
         EXPECT_NE(Shown().find("Reading 69."), std::string::npos) << Shown();
         EXPECT_TRUE(Enabled(CM_DAYRESET));
         program.CalendarDialog->CmPrevious(0);
         choose(31); // February 2023 begins on a Wednesday too
       },
       [&] {
         EXPECT_EQ(backend.CaptionOf(Frame()), "Selwarth \x97 Tue Feb 28, 2023");
         EXPECT_NE(Shown().find("Reading 59."), std::string::npos) << Shown();
         // Today is marked in its own month only.
         EXPECT_FALSE(program.CalendarDialog->Control(calendar::DayCell(4))->Emphasised);
         program.CalendarDialog->CmPrevious(0);
         program.CalendarDialog->CmPrevious(0);
         choose(35); // 31 December 2022, a Saturday
       },
       [&] {
         // The last year's date, named in the title (its slot is the day
         // steps' own, which count across the year's end through the extra
         // slot).
         EXPECT_EQ(backend.CaptionOf(Frame()), "Selwarth \x97 Sat Dec 31, 2022");
         Key(VK_HOME);
       },
       [&] {
         EXPECT_EQ(backend.CaptionOf(Frame()), "Selwarth");
         EXPECT_NE(Shown().find("Reading 60."), std::string::npos) << Shown();
       }});
}

TEST_F(PlanProgressWindowTest, ACompletePlanStartsOver) {
  ASSERT_TRUE(
      platform::WritePrivateProfileString("Plan Progress", "plan", "1-365", "SELWARTH.INI"));
  Run({[&] {
    EXPECT_NE(Shown().find("Plan complete"), std::string::npos) << Shown();
    EXPECT_FALSE(Enabled(CM_CATCHUP));
    backend.AnswerNextMessage(IDYES);
    Frame().MenuCommand(CM_STARTOVER);
    EXPECT_EQ(Stored(), "");
    EXPECT_EQ(Shown().find("Plan complete"), std::string::npos) << Shown();
    EXPECT_FALSE(Enabled(CM_STARTOVER));
  }});
}

} // namespace
