#pragma once

// Today's date as the program shows it: "Sun Jan 5, 1997".

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

extern std::string TodayText;  // empty when the clock gives no usable date
extern std::int16_t DateValid; // 1 when the last BuildTodayText found a usable date
// The local time BuildTodayText last took, a copy of its own (the clock's
// broken-down time is one shared object that the next reading overwrites);
// nothing before the first BuildTodayText.
extern std::optional<std::tm> LocalTimeNow;

// Takes the current time and rebuilds TodayText, DateValid and LocalTimeNow.
// A year before 1993, or a weekday or month out of range, leaves TodayText
// empty.
void BuildTodayText();

// LocalTimeNow, taken first when there is none yet (a load before the date
// text was built).
const std::tm &TodayLocalTime();

// Puts TodayText, DateValid and LocalTimeNow back to how a new process
// starts: no date taken yet.
void ResetTodayText();

// The date text of a broken-down time, or "" when it is not usable.
std::string DateText(const std::tm &time);
