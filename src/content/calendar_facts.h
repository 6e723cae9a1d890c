#pragma once

// The facts of the Gregorian calendar that day selection, the date texts, the
// date dialogs and the package tool share, so that each is written once.

#include <array>
#include <cstdint>
#include <string_view>

// Months are numbered 1 (January) to 12 (December); index 0 of the tables is
// unused so that a month's number is its index.
inline constexpr std::array<std::string_view, 13> MonthNames = {
    "",     "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "September", "October", "November", "December"};

// Days of the months of a common year.
inline constexpr std::array<std::int8_t, 13> MonthDays = {0,  31, 28, 31, 30, 31, 30,
                                                          31, 31, 30, 31, 30, 31};

// The Gregorian rule: every fourth year, but not the centuries other than
// every fourth one (1900 and 2100 are common years, 2000 is a leap year).
constexpr bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
