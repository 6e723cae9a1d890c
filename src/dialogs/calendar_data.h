#pragma once

// The month tables and date arithmetic of the date dialogs.

#include <array>
#include <cstdint>

// Days of the months 1..12 of a common year; index 0 is unused.
inline constexpr std::array<std::int8_t, 13> MonthDays = {0,  31, 28, 31, 30, 31, 30,
                                                          31, 31, 30, 31, 30, 31};
// "January " .. "December ", each with one trailing blank; index 0 is empty.
extern const std::array<const char *, 13> MonthNames;

// The weekday of a date of the Gregorian calendar: 0 = Sunday .. 6 = Saturday.
int DayOfWeek(int day, int month, int year);

// Days in the month of the year, by the Gregorian rule (1900 and 2100 have a
// 28-day February).
int DaysInMonth(int month, int year);

// The reading plan's start as a day of a 365-day year (1 January = 0), and
// back.
int PlanOffsetOf(int month, int day);
void DateOfPlanOffset(int offset, int &month, int &day);
