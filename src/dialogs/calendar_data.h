#pragma once

// The date arithmetic of the date dialogs.

#include "content/calendar_facts.h"

// The weekday of a date of the Gregorian calendar: 0 = Sunday .. 6 = Saturday.
int DayOfWeek(int day, int month, int year);

// Days in the month of the year, by the Gregorian rule (1900 and 2100 have a
// 28-day February).
int DaysInMonth(int month, int year);
