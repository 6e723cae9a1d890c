#pragma once

// The facts of the Gregorian calendar that day selection, the date texts, the
// date dialogs and the package tool share, so that each is written once:
// months, leap years, weekdays and a date's place in the year.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/translatable.h"

// Months are numbered 1 (January) to 12 (December); index 0 of the tables is
// unused so that a month's number is its index.
inline constexpr std::array<std::string_view, 13> MonthNames = {"",
                                                                TR_NOOP("CALENDAR", "January"),
                                                                TR_NOOP("CALENDAR", "February"),
                                                                TR_NOOP("CALENDAR", "March"),
                                                                TR_NOOP("CALENDAR", "April"),
                                                                TR_NOOP("CALENDAR", "May"),
                                                                TR_NOOP("CALENDAR", "June"),
                                                                TR_NOOP("CALENDAR", "July"),
                                                                TR_NOOP("CALENDAR", "August"),
                                                                TR_NOOP("CALENDAR", "September"),
                                                                TR_NOOP("CALENDAR", "October"),
                                                                TR_NOOP("CALENDAR", "November"),
                                                                TR_NOOP("CALENDAR", "December")};

// Days of the months of a common year.
inline constexpr std::array<std::int8_t, 13> MonthDays = {0,  31, 28, 31, 30, 31, 30,
                                                          31, 31, 30, 31, 30, 31};

// The Gregorian rule: every fourth year, but not the centuries other than
// every fourth one (1900 and 2100 are common years, 2000 is a leap year).
constexpr bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days in the month of the year (1900 and 2100 have a 28-day February); 0
// for a number that is no month.
constexpr int DaysInMonth(int month, int year) {
  if (month < 1 || month > 12)
    return 0;
  return MonthDays[static_cast<std::size_t>(month)] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

// The days from 1 January 1970 to a Gregorian date (negative before it), so
// that two dates' difference is the days between them.
constexpr long DayNumber(int year, int month, int day) {
  const long y = year - (month <= 2 ? 1 : 0);
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yearOfEra = y - era * 400;
  const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// The weekday of a date: 0 = Sunday .. 6 = Saturday.
constexpr int DayOfWeek(int day, int month, int year) {
  int m = month >= 3 ? month - 2 : month + 10;
  if (month < 3)
    --year;
  int c = year / 100;
  int y = year % 100;
  int w = ((26 * m - 2) / 10 + day + y + y / 4 + c / 4 - 2 * c) % 7;
  return w < 0 ? w + 7 : w;
}

// A date's place in a common year, counted from 0 on January 1 (the reading
// plan's start day, a package's day slot), and back: an offset past the year
// gives its last day.
constexpr int PlanOffsetOf(int month, int day) {
  int offset = day - 1;
  for (int m = 1; m < month && m <= 12; ++m)
    offset += MonthDays[static_cast<std::size_t>(m)];
  return offset;
}

constexpr void DateOfPlanOffset(int offset, int &month, int &day) {
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
