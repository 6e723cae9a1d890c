#pragma once

// Names of the 366 day slots in package sources and messages. Slots 0-364 are
// the days of a common year (slot 0 is 1 January, slot 364 is 31 December);
// slot 365 is the extra slot, which the program shows on 29 February.

#include <optional>
#include <string>
#include <string_view>

#include "content/package_format.h"

namespace qxp {

using package::ExtraSlot;

// The slot a name stands for, without regard to case or spacing:
//   "Jan 1", "January 1" ... "Dec 31"   the day of a common year
//   "Feb 29"                             the extra slot 365
//   "slot N"                             slot N, 0-365
//   "day N"                              plan day N, 1-365 (slot N - 1)
// Nothing for any other text.
std::optional<int> ParseSlotName(std::string_view name);

// The date name of a slot: "Jan 1" ... "Dec 31", "Feb 29" for slot 365.
std::string SlotDate(int slot);

// How messages name a slot: "slot 5 (Jan 6)".
std::string DescribeSlot(int slot);

} // namespace qxp
