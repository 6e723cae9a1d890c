#pragma once

// The control ids of the dialog "REMINDER", shared by its template, the
// dialog and its tests.

#include "resources/dialog_ids.h"

namespace reminder {

inline constexpr int RemindCheck = 101;
inline constexpr int TimeEdit = 102;

} // namespace reminder
