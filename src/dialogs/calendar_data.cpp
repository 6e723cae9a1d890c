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
