#pragma once

// The control ids of the dialog "STARTDATE", shared by its template, the
// Plan Start Date dialog and its tests.

#include "resources/dialog_ids.h"

namespace startdate {

inline constexpr int MonthEdit = 101;
inline constexpr int MonthBack = 102;
inline constexpr int MonthForward = 103;
inline constexpr int DayEdit = 104;
inline constexpr int DayBack = 105;
inline constexpr int DayForward = 106;

} // namespace startdate
