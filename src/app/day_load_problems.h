#pragma once

// Telling the user what the day's load met.

#include <vector>

#include "content/day_load.h"

class TWindow;

// Shows each problem in a message box owned by owner. That SELWARTH.TXT or
// the screen saver text could not be saved is told once in a run (each), not
// at every load.
void TellDayLoadProblems(TWindow *owner, const std::vector<DayLoadProblem> &problems);
