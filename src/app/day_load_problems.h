#pragma once

// Telling the user what the day's load met.

#include <vector>

#include "content/day_load.h"

struct DayState;
class TWindow;

// Shows each problem in a message box owned by owner. That SELWARTH.TXT or
// the screen saver text could not be saved is told once in a run (each), not
// at every load (the day keeps what was told).
void TellDayLoadProblems(TWindow *owner, DayState &day,
                         const std::vector<DayLoadProblem> &problems);
