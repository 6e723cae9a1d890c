#include "content/today_text.h"

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "support/config_sandbox.h"
#include "support/fixed_clock.h"

using testsupport::SetDate;

namespace {

class TodayTextTest : public ::testing::Test {
protected:
  DayState day;
  testsupport::ConfigSandbox sandbox;
};

TEST_F(TodayTextTest, WritesWeekdayMonthDayAndYearWithoutPadding) {
  SetDate(1997, 1, 5);
  BuildTodayText(day);
  EXPECT_EQ(day.TodayText, "Sun Jan 5, 1997");
  EXPECT_EQ(day.DateValid, 1);

  SetDate(1997, 12, 25);
  BuildTodayText(day);
  EXPECT_EQ(day.TodayText, "Thu Dec 25, 1997");

  SetDate(1997, 9, 1);
  BuildTodayText(day);
  EXPECT_EQ(day.TodayText, "Mon Sep 1, 1997");

  SetDate(2026, 12, 7);
  BuildTodayText(day);
  EXPECT_EQ(day.TodayText, "Mon Dec 7, 2026");
}

TEST_F(TodayTextTest, KeepsTheLocalTimeItWasBuiltFrom) {
  SetDate(2024, 3, 1);
  BuildTodayText(day);
  ASSERT_TRUE(day.LocalTimeNow.has_value());
  EXPECT_EQ(day.LocalTimeNow->tm_year, 124);
  EXPECT_EQ(day.LocalTimeNow->tm_mon, 2);
  EXPECT_EQ(day.LocalTimeNow->tm_yday, 60);
}

// The clock's broken-down time is one object that every reading overwrites:
// today's time must not turn into whatever was read last.
TEST_F(TodayTextTest, TheLocalTimeStaysTodaysWhenTheClockIsReadAgain) {
  SetDate(2024, 3, 1);
  BuildTodayText(day);
  platform::LocalTime(platform::CurrentTime() + 40 * 86400);
  ASSERT_TRUE(day.LocalTimeNow.has_value());
  EXPECT_EQ(day.LocalTimeNow->tm_mon, 2);
  EXPECT_EQ(day.LocalTimeNow->tm_mday, 1);
}

TEST_F(TodayTextTest, AClockBefore1993GivesNoDate) {
  SetDate(1992, 12, 31);
  BuildTodayText(day);
  EXPECT_EQ(day.TodayText, "");
  EXPECT_EQ(day.DateValid, 0);

  SetDate(1993, 1, 1);
  BuildTodayText(day);
  EXPECT_EQ(day.TodayText, "Fri Jan 1, 1993");
  EXPECT_EQ(day.DateValid, 1);
}

TEST(DateTextTest, AWeekdayOrMonthOutOfRangeGivesNoDate) {
  std::tm time{};
  time.tm_year = 100;
  time.tm_mday = 3;
  time.tm_wday = 7;
  EXPECT_EQ(DateText(time), "");
  time.tm_wday = 1;
  time.tm_mon = 12;
  EXPECT_EQ(DateText(time), "");
  time.tm_mon = -1;
  EXPECT_EQ(DateText(time), "");
  time.tm_mon = 0;
  EXPECT_EQ(DateText(time), "Mon Jan 3, 2000");
}

} // namespace
