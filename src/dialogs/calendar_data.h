#pragma once

// The date arithmetic of the date dialogs.

#include "content/calendar_facts.h"

// The weekday of a date of the Gregorian calendar: 0 = Sunday .. 6 = Saturday.
int DayOfWeek(int day, int month, int year);

// Days in the month of the year, by the Gregorian rule (1900 and 2100 have a
// 28-day February).
int DaysInMonth(int month, int year);

// The reading plan's start as a day of a 365-day year (1 January = 0), and
// back.
int PlanOffsetOf(int month, int day);
void DateOfPlanOffset(int offset, int &month, int &day);
