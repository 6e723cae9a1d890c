#pragma once

// The program's state as at a fresh start on Wednesday 1 March 2023 (day
// slot 59): every setting at its default, no day loaded, today's date text
// built from the fixed clock.

#include "content/day_state.h"
#include "content/settings.h"
#include "content/today_text.h"
#include "support/fixed_clock.h"

namespace testsupport {

inline void FreshStartOnMarchFirst2023() {
  ResetSettingsToDefaults();
  ResetDayState();
  SetDate(2023, 3, 1);
  BuildTodayText();
}

} // namespace testsupport
