#include "platform/clock.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(ClockTest, TestSourcesReplaceTheSystemsAndCanBeRemoved) {
  platform::SetTimeSource([] { return std::time_t{852422400}; }); // 5 Jan 1997 00:00 UTC
  platform::SetTickCountSource([] { return 1234u; });
  EXPECT_EQ(platform::CurrentTime(), 852422400);
  EXPECT_EQ(platform::TickCount(), 1234u);
  platform::SetTimeSource({});
  platform::SetTickCountSource({});
  EXPECT_GT(platform::CurrentTime(), 852422400);
  // The real uptime: two readings do not go backwards (short of a wrap).
  std::uint32_t first = platform::TickCount();
  EXPECT_GE(platform::TickCount() - first, 0u);
  EXPECT_LT(platform::TickCount() - first, 10000u);
}

TEST(ClockTest, LocalTimeIsOneSharedResult) {
  setenv("TZ", "UTC", 1);
  tzset();
  std::tm *first = platform::LocalTime(852422400);
  EXPECT_EQ(first->tm_wday, 0);
  EXPECT_EQ(first->tm_year, 97);
  std::tm *second = platform::LocalTime(852422400 + 86400);
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->tm_wday, 1);
}

} // namespace
