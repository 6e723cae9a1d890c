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
