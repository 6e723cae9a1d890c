#pragma once

// The program's state as at a fresh start on Wednesday 1 March 2023 (day
// slot 59): the program-wide variables that remain as a new process has them
// (`reset`: ResetProgramState in the app layer's tests, a layer's reset from
// support/layer_reset.h below it), a new day with today's date text built
// from the fixed clock. The settings and the day are the test's own objects,
// new for each test.

#include "content/day_state.h"
#include "content/today_text.h"
#include "support/fixed_clock.h"

namespace testsupport {

inline void FreshStartOnMarchFirst2023(void (&reset)(), DayState &day) {
  reset();
  day = DayState{};
  SetDate(2023, 3, 1);
  BuildTodayText(day);
}

} // namespace testsupport
