#pragma once

// The state of the day being shown, with today's date and the day's entries:
// one object of it (DayState) owned by the program and lent to the code that
// reads or changes it. A new object holds what a new process starts with.

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

#include "content/day_entries.h"

struct DayState {
  std::int16_t DayIndex = 0;          // slot chosen at the last load, 0..365
  std::int16_t DayOffset = 0;         // days stepped away from the method's own choice
  bool DayStepped = false;            // the last load came from a day-stepping command
  std::uint16_t IncrementCurrent = 0; // IncrementNum taken at the last fresh incremental load
  std::int16_t RandomSeeded = 0;      // the random method's seed; 0 = not yet seeded
  bool HasAnswers = false;            // some entry of the day has a quiz answer
  bool ShowAnswers = false;           // quiz answers are shown
  bool ReloadPending = false;         // a dialog accepted a change that needs a reload
  bool TextExportFailureTold = false; // the user heard SELWARTH.TXT could not be made
  bool MarqueeFailureTold = false;    // the user heard CONTROL.INI could not be written

  // The list of the day's entries; null when nothing is loaded.
  std::unique_ptr<TDayEntry> DayEntries;

  // Today's date (content/today_text.h): the text, empty when the clock gives
  // no usable date; 1 in DateValid when the last BuildTodayText found a usable
  // date; the local time BuildTodayText last took, a copy of its own (the
  // clock's broken-down time is one shared object that the next reading
  // overwrites), nothing before the first BuildTodayText.
  std::string TodayText;
  std::int16_t DateValid = 0;
  std::optional<std::tm> LocalTimeNow;
};
