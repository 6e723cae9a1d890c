#include "content/day_state.h"

std::int16_t DayIndex = 0;
std::int16_t DayOffset = 0;
bool DayStepped = false;
std::uint16_t IncrementCurrent = 0;
std::int16_t RandomSeeded = 0;
bool HasAnswers = false;
bool ShowAnswers = false;
bool ReloadPending = false;
bool TextExportFailureTold = false;
bool MarqueeFailureTold = false;

void ResetDayState() {
  DayIndex = 0;
  DayOffset = 0;
  DayStepped = false;
  IncrementCurrent = 0;
  RandomSeeded = 0;
  HasAnswers = false;
  ShowAnswers = false;
  ReloadPending = false;
  TextExportFailureTold = false;
  MarqueeFailureTold = false;
}
