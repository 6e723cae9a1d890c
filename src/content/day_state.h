#pragma once

// The program-wide state of the day being shown.

#include <cstdint>

extern std::int16_t DayIndex;          // slot chosen at the last load, 0..365
extern std::int16_t DayOffset;         // days stepped away from the method's own choice
extern bool DayStepped;                // the last load came from a day-stepping command
extern std::uint16_t IncrementCurrent; // IncrementNum taken at the last fresh incremental load
extern std::int16_t RandomSeeded;      // the random method's seed; 0 = not yet seeded
extern bool HasAnswers;                // some entry of the day has a quiz answer
extern bool ShowAnswers;               // quiz answers are shown
extern bool ReloadPending;             // a dialog accepted a change that needs a reload
extern bool TextExportFailureTold;     // the user heard SELWARTH.TXT could not be made
extern bool MarqueeFailureTold;        // the user heard CONTROL.INI could not be written

// Puts the day state back to how a new process starts (tests start here).
void ResetDayState();
