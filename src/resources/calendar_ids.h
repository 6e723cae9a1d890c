#pragma once

// The control ids of the dialog "CALENDAR", shared by its template, the
// Calendar and its tests.

namespace calendar {

inline constexpr int PreviousButton = 37;
inline constexpr int NextButton = 38;
inline constexpr int TitleEdit = 250;

// The day cells fill a grid of 6 rows of 7, counted row by row from the top
// left as places 1 to 42; only the first 37 places can hold a day of a month
// and have an id.
inline constexpr int CellCount = 37;
constexpr int DayCell(int place) {
  return 200 + place;
}

} // namespace calendar
