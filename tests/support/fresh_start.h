#pragma once

// The program's state as at a fresh start on Wednesday 1 March 2023 (day
// slot 59): the program-wide state as a new process has it (every setting at
// its default, no day loaded, no window or dialog open), and today's date
// text built from the fixed clock. `reset` puts back the state of the layers
// the test program links: ResetProgramState in the app layer's tests,
// ResetContentState in the content layer's (support/layer_reset.h).

#include "content/today_text.h"
#include "support/fixed_clock.h"

namespace testsupport {

inline void FreshStartOnMarchFirst2023(void (&reset)()) {
  reset();
  SetDate(2023, 3, 1);
  BuildTodayText();
}

} // namespace testsupport
