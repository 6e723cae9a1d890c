#include "content/today_text.h"

#include "content/calendar_facts.h"
#include "platform/clock.h"

namespace {

constexpr const char *DayNames[] = {"Sun ", "Mon ", "Tue ", "Wed ", "Thu ", "Fri ", "Sat "};
constexpr int FirstUsableYear = 93; // years since 1900: 1993

} // namespace

std::string DateText(const std::tm &time) {
  bool valid = time.tm_year >= FirstUsableYear;
  std::string text;
  if (time.tm_wday >= 0 && time.tm_wday <= 6)
    text = DayNames[time.tm_wday];
  else
    valid = false;
  if (time.tm_mon >= 0 && time.tm_mon <= 11) {
    text += MonthNames[static_cast<std::size_t>(time.tm_mon + 1)].substr(0, 3);
    text += ' ';
  } else {
    valid = false;
  }
  if (!valid)
    return {};
  text += std::to_string(time.tm_mday) + ", " + std::to_string(time.tm_year + 1900);
  return text;
}

void BuildTodayText(DayState &day) {
  day.LocalTimeNow = *platform::LocalTime(platform::CurrentTime());
  day.TodayText = DateText(*day.LocalTimeNow);
  day.DateValid = day.TodayText.empty() ? 0 : 1;
}

const std::tm &TodayLocalTime(DayState &day) {
  if (!day.LocalTimeNow)
    BuildTodayText(day);
  return *day.LocalTimeNow;
}
