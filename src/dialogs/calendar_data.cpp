#include "dialogs/calendar_data.h"

int DayOfWeek(int day, int month, int year) {
  int m = month >= 3 ? month - 2 : month + 10;
  if (month < 3)
    --year;
  int c = year / 100;
  int y = year % 100;
  int w = ((26 * m - 2) / 10 + day + y + y / 4 + c / 4 - 2 * c) % 7;
  return w < 0 ? w + 7 : w;
}

int DaysInMonth(int month, int year) {
  if (month < 1 || month > 12)
    return 0;
  return MonthDays[static_cast<std::size_t>(month)] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

int PlanOffsetOf(int month, int day) {
  int offset = day - 1;
  for (int m = 1; m < month && m <= 12; ++m)
    offset += MonthDays[static_cast<std::size_t>(m)];
  return offset;
}

void DateOfPlanOffset(int offset, int &month, int &day) {
  month = 1;
  day = 1;
  int n = offset + 1;
  while (n > 0 && month <= 12) {
    int length = MonthDays[static_cast<std::size_t>(month)];
    if (length < n) {
      n -= length;
      ++month;
    } else {
      day = n;
      n = 0;
    }
  }
  if (month > 12) { // an offset past the year: its last day
    month = 12;
    day = 31;
  }
}
