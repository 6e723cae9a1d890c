#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "content/calendar_facts.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "content/today_text.h"
#include "dialogs/calendar_dialog.h"
#include "dialogs/start_date_dialog.h"
#include "framework/controls.h"
#include "framework/headless/headless_backend.h"
#include "framework/message_box.h"
#include "resources/calendar_ids.h"
#include "resources/start_date_ids.h"
#include "support/config_sandbox.h"
#include "support/fixed_clock.h"
#include "support/layer_reset.h"

namespace {

using namespace calendar;
using namespace startdate;

TEST(CalendarDataTest, DayOfWeekFollowsTheGregorianCalendar) {
  EXPECT_EQ(DayOfWeek(1, 1, 2000), 6);  // Saturday
  EXPECT_EQ(DayOfWeek(5, 1, 1997), 0);  // Sunday
  EXPECT_EQ(DayOfWeek(1, 9, 1997), 1);  // Monday
  EXPECT_EQ(DayOfWeek(29, 2, 2024), 4); // Thursday
  EXPECT_EQ(DayOfWeek(1, 3, 1900), 4);  // Thursday
  EXPECT_EQ(DayOfWeek(7, 12, 2026), 1); // Monday
}

TEST(CalendarDataTest, MonthLengthsUseTheFullLeapRule) {
  EXPECT_EQ(DaysInMonth(2, 2000), 29);
  EXPECT_EQ(DaysInMonth(2, 2024), 29);
  EXPECT_EQ(DaysInMonth(2, 1999), 28);
  // 1900 and 2100 are not leap years.
  EXPECT_EQ(DaysInMonth(2, 1900), 28);
  EXPECT_EQ(DaysInMonth(2, 2100), 28);
  EXPECT_EQ(DaysInMonth(12, 1900), 31);
}

TEST(CalendarDataTest, PlanOffsetsCountACommonYear) {
  int month = 0, day = 0;
  for (auto [offset, m, d] :
       {std::tuple{0, 1, 1}, {31, 2, 1}, {58, 2, 28}, {59, 3, 1}, {364, 12, 31}}) {
    DateOfPlanOffset(offset, month, day);
    EXPECT_EQ(month, m) << offset;
    EXPECT_EQ(day, d) << offset;
    EXPECT_EQ(PlanOffsetOf(m, d), offset);
  }
}

class DateDialogTest : public ::testing::Test {
protected:
  void SetUp() override { testsupport::ResetDialogsLayers(); }
  static std::string Text(TDialog &d, int id) { return TEdit(d, id).GetText(); }
  // What the program would lend the dialogs.
  Settings settings;
  DayState day;
  testsupport::ConfigSandbox sandbox;
  HeadlessBackend backend;
};

TEST_F(DateDialogTest, StartDateOpensOnThePlansStartAndStepsWithinTheYear) {
  settings.PlanOffset = 59;
  backend.InDialog("STARTDATE", [](TDialog &d) {
    EXPECT_EQ(Text(d, MonthEdit), " 3");
    EXPECT_EQ(Text(d, DayEdit), " 1");
    d.UserClick(DayBack); // day back from 1: the month's last day
    EXPECT_EQ(Text(d, DayEdit), "31");
    d.UserClick(MonthBack); // February: the day is held to 28
    EXPECT_EQ(Text(d, MonthEdit), " 2");
    EXPECT_EQ(Text(d, DayEdit), "28");
    d.UserClick(DayForward); // day forward from the last day: 1
    EXPECT_EQ(Text(d, DayEdit), " 1");
    d.UserClick(MonthBack);
    d.UserClick(MonthBack); // back from January: December
    EXPECT_EQ(Text(d, MonthEdit), "12");
    d.UserClick(MonthForward); // forward from December: January
    EXPECT_EQ(Text(d, MonthEdit), " 1");
    d.UserClick(IDOK);
  });
  EXPECT_EQ(TSetStartDateDialog(nullptr, settings, day).Execute(), IDOK);
  EXPECT_EQ(settings.PlanOffset, 0);
  EXPECT_TRUE(day.ReloadPending);
  EXPECT_EQ(ReadSettingInt("PlanOffset", -1), 0);
}

TEST_F(DateDialogTest, OkWithoutAChangeWritesNothing) {
  settings.PlanOffset = 364;
  day.ReloadPending = true; // cleared when the dialog opens
  backend.InDialog("STARTDATE", [](TDialog &d) {
    EXPECT_EQ(Text(d, MonthEdit), "12");
    EXPECT_EQ(Text(d, DayEdit), "31");
    d.UserClick(IDOK);
  });
  TSetStartDateDialog(nullptr, settings, day).Execute();
  EXPECT_FALSE(day.ReloadPending);
  EXPECT_EQ(ReadSettingInt("PlanOffset", -1), -1);
}

TEST_F(DateDialogTest, TheCalendarOpensOnTheCurrentMonthAndClosesOnCancel) {
  testsupport::SetDate(2000, 1, 15);
  BuildTodayText(day);
  settings.Topmost = 1;
  TCalendar calendar(nullptr, settings, day);
  calendar.Create();
  EXPECT_TRUE(calendar.IsCreated());
  EXPECT_TRUE(backend.IsTopmost(calendar));
  EXPECT_EQ(Text(calendar, TitleEdit), "January 2000");
  calendar.UserCancel();
  EXPECT_FALSE(calendar.IsCreated());
  EXPECT_FALSE(calendar.IsCreated());
}

// A month shown after stepping from today's: its days fill the places from
// the one of its first weekday, and the places around them (that exist) stay
// empty.
struct CalendarMonthCase {
  int Year, Month, Day; // today
  int Steps;            // Next (above 0) or Previous (below 0) clicks
  const char *Title;
  int FirstPlace;
  int Days;
};

TEST_F(DateDialogTest, TheCalendarStepsThroughTheMonths) {
  const CalendarMonthCase cases[] = {
      {2000, 1, 15, 0, "January 2000", 7, 31},   // starts on a Saturday
      {2000, 1, 15, 1, "February 2000", 3, 29},  // a leap year, from Tuesday
      {2000, 1, 15, -1, "December 1999", 4, 31}, // back over the year's start
      // 1900 is a common year: its February has 28 days, from Thursday.
      {2026, 12, 7, -(12 * 127 - 2), "February 1900", 5, 28},
  };
  for (const CalendarMonthCase &c : cases) {
    SCOPED_TRACE(c.Title);
    testsupport::SetDate(c.Year, c.Month, c.Day);
    BuildTodayText(day);
    TCalendar calendar(nullptr, settings, day);
    calendar.Create();
    for (int i = 0; i < std::abs(c.Steps); ++i)
      calendar.UserClick(c.Steps > 0 ? NextButton : PreviousButton);
    EXPECT_EQ(Text(calendar, TitleEdit), c.Title);
    EXPECT_EQ(Text(calendar, DayCell(c.FirstPlace - 1)), "");
    EXPECT_EQ(Text(calendar, DayCell(c.FirstPlace)), "1");
    EXPECT_EQ(Text(calendar, DayCell(c.FirstPlace + c.Days - 1)), std::to_string(c.Days));
    if (c.FirstPlace + c.Days <= CellCount) {
      EXPECT_EQ(Text(calendar, DayCell(c.FirstPlace + c.Days)), "");
    }
    calendar.Destroy();
  }
}

} // namespace

namespace {

TEST(CalendarDataTest, DayOfWeekAgreesWithTheCLibraryFrom1753To2400) {
  for (int year = 1753; year <= 2400; ++year)
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= DaysInMonth(month, year); ++day) {
        std::tm date{};
        date.tm_year = year - 1900;
        date.tm_mon = month - 1;
        date.tm_mday = day;
        date.tm_hour = 12;
        std::time_t t = timegm(&date);
        std::tm back{};
        gmtime_r(&t, &back);
        ASSERT_EQ(DayOfWeek(day, month, year), back.tm_wday) << year << "-" << month << "-" << day;
      }
}

} // namespace
