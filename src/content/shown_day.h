#pragma once

// The date of the day a load shows: the load's date moved by the days the
// user stepped (DayOffset), as the window title names it and a devotional
// reads its entry.

#include <ctime>
#include <optional>
#include <string>

// base moved by dayOffset days, at noon; nothing when the date is not usable.
std::optional<std::tm> ShownDay(const std::tm &base, int dayOffset);

// DateText of base moved by dayOffset days, or "" when not usable.
std::string ShownDayText(const std::tm &base, int dayOffset);
