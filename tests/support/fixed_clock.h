#pragma once

// Sets the program's clock to a local date and time and its uptime, without
// waiting. Local time is taken in UTC so that the date is the one given.

#include <cstdint>
#include <cstdlib>
#include <ctime>

#include "platform/clock.h"

namespace testsupport {

inline std::time_t UtcTime(int year, int month, int day, int hour = 12) {
  std::tm parts{};
  parts.tm_year = year - 1900;
  parts.tm_mon = month - 1;
  parts.tm_mday = day;
  parts.tm_hour = hour;
  return timegm(&parts);
}

// A broken-down time in year, every other field zero: what the settings
// load is given as "now" when only the year matters.
inline std::tm YearTime(int year) {
  std::tm time{};
  time.tm_year = year - 1900;
  return time;
}

inline void SetDate(int year, int month, int day, int hour = 12) {
  setenv("TZ", "UTC", 1);
  tzset();
  std::time_t now = UtcTime(year, month, day, hour);
  platform::SetTimeSource([now] { return now; });
}

inline void SetUptimeMs(std::uint32_t ms) {
  platform::SetTickCountSource([ms] { return ms; });
}

} // namespace testsupport
