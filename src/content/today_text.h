#pragma once

// Today's date as the program shows it: "Sun Jan 5, 1997".

#include <cstdint>
#include <ctime>
#include <string>

extern std::string TodayText;  // empty when the clock gives no usable date
extern std::int16_t DateValid; // 1 when the last BuildTodayText found a usable date
extern std::tm *LocalTimeNow;  // the local time BuildTodayText last took

// Takes the current time and rebuilds TodayText, DateValid and LocalTimeNow.
// A year before 1993, or a weekday or month out of range, leaves TodayText
// empty.
void BuildTodayText();

// Puts TodayText, DateValid and LocalTimeNow back to how a new process
// starts: no date taken yet.
void ResetTodayText();

// The date text of a broken-down time, or "" when it is not usable.
std::string DateText(const std::tm &time);
