#pragma once

// Which slot of a package the day shows.

#include <cstdint>
#include <optional>

#include "content/package_format.h"
#include "content/quote_method.h"

// The day the packages are read at: what choosing a package's slot depends
// on. The caller builds it (the program from its day state and settings,
// CurrentDayChoice), so that reading a package touches no other state.
struct DayChoice {
  std::int16_t DayIndex = 0;              // the day slot, 0..365
  std::int16_t PlanOffset = 0;            // the day slot a reading plan's first day falls on
  QuoteMethod Method = QuoteMethod::Date; // whether reading plans show (its PlansShow)
};

// The plan day (0..364) that the day slot dayIndex shows of a reading plan
// starting on the slot planOffset: the plan repeats every 365 days, and the
// leap day's slot 365 shows the plan day of 1 January.
int PlanDayOf(int dayIndex, int planOffset);

namespace package {

// The slot to read for the day. A reading plan counts its 365 days from the
// plan offset and has an entry only under a method whose plans show; every other
// package reads the day slot itself. Nothing when the package has no entry
// for the day, or when the day slot is not a slot (0..365).
std::optional<int> ChooseSlot(const Header &header, const DayChoice &day);

} // namespace package
