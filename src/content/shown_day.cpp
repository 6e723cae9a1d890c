#include "content/shown_day.h"

#include "content/today_text.h"

std::optional<std::tm> ShownDay(const std::tm &base, int dayOffset) {
  std::tm day = base;
  // At noon no change of summer time can move the date.
  day.tm_hour = 12;
  day.tm_min = 0;
  day.tm_sec = 0;
  day.tm_isdst = -1;
  day.tm_mday += dayOffset;
  if (std::mktime(&day) == static_cast<std::time_t>(-1))
    return std::nullopt;
  return day;
}

std::string ShownDayText(const std::tm &base, int dayOffset) {
  const std::optional<std::tm> day = ShownDay(base, dayOffset);
  return day ? DateText(*day) : "";
}
