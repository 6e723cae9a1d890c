#pragma once

// The date of the day a load shows: the load's date moved by the days the
// user stepped (DayOffset), as the window title names it.

#include <ctime>
#include <string>

// DateText of base moved by dayOffset days, or "" when not usable.
std::string ShownDayText(const std::tm &base, int dayOffset);
