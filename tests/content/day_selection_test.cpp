#include "content/day_selection.h"

#include <gtest/gtest.h>

namespace {

// Day of the year, 1 January = 0.
int YearDay(int year, int month, int day) {
  static const int before[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return before[month - 1] + day - 1 + (leap && month > 2 ? 1 : 0);
}

TEST(DateSlotTest, CountsEveryYearAsACommonYear) {
  for (int year : {2023, 2024, 1900, 2000, 2100}) {
    EXPECT_EQ(DateSlot(year, YearDay(year, 1, 1), 0), 0) << year;
    EXPECT_EQ(DateSlot(year, YearDay(year, 2, 28), 0), 58) << year;
    EXPECT_EQ(DateSlot(year, YearDay(year, 3, 1), 0), 59) << year;
    EXPECT_EQ(DateSlot(year, YearDay(year, 12, 31), 0), 364) << year;
  }
}

TEST(DateSlotTest, TheLeapDayTakesTheExtraSlot) {
  EXPECT_EQ(DateSlot(2024, 59, 0), 365);
  EXPECT_EQ(DateSlot(2000, 59, 0), 365);
  EXPECT_EQ(DateSlot(2024, 59, 1), 0);
  // 1900 and 2100 are common years: day 59 is 1 March there.
  EXPECT_EQ(DateSlot(1900, 59, 0), 59);
  EXPECT_EQ(DateSlot(2100, 59, 0), 59);
}

TEST(DateSlotTest, OffsetsWrapAroundTheYearEnds) {
  EXPECT_EQ(DateSlot(2023, 364, 1), 365);
  EXPECT_EQ(DateSlot(2023, 364, 2), 0);
  EXPECT_EQ(DateSlot(2023, 0, -1), 365);
  EXPECT_EQ(DateSlot(2023, 0, -2), 364);
  EXPECT_EQ(DateSlot(2023, 10, 366 * 3), 10);
  EXPECT_EQ(DateSlot(2023, 10, -32768), (10 - 32768 % 366 + 366) % 366);
}

TEST(SteppedIncrementSlotTest, StepsFromTheRememberedNumber) {
  EXPECT_EQ(SteppedIncrementSlot(5, 2), 7);
  EXPECT_EQ(SteppedIncrementSlot(365, 1), 0);
  EXPECT_EQ(SteppedIncrementSlot(0, -1), 365);
}

} // namespace
