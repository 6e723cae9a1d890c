#pragma once

// Today's date as the program shows it: "Sun Jan 5, 1997".

#include <ctime>
#include <string>

#include "content/day_state.h"

// Takes the current time and rebuilds the day's TodayText, DateValid and
// LocalTimeNow. A year before 1993, or a weekday or month out of range, leaves
// TodayText empty.
void BuildTodayText(DayState &day);

// The day's LocalTimeNow, taken first when there is none yet (a load before
// the date text was built).
const std::tm &TodayLocalTime(DayState &day);

// The date text of a broken-down time, or "" when it is not usable.
std::string DateText(const std::tm &time);
