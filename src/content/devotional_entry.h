#pragma once

// A SWORD devotional's entry for the day shown, as one of the day's entries:
// the module's Description as its heading, its text with its paragraphs.

#include <ctime>
#include <memory>
#include <string>

#include "content/day_entries.h"
#include "content/package_slot.h"
#include "platform/result.h"

struct TDaySource;

// The month and day whose entry a devotional gives.
struct DevotionalDay {
  int month = 1;
  int day = 1;
};

// The day a devotional shows: under the Date method the date shown (the
// load's date moved by the days stepped), so that the leap day gives
// "02.29"; under the others the date of the slot chosen in a common year,
// the extra slot 365 being the leap day's.
DevotionalDay DevotionalDayOf(const DayChoice &choice, const std::tm &loadTime, int dayOffset);

// The longest heading, in characters, as a package's title; a longer
// description ends at a word with an ellipsis.
inline constexpr std::size_t DevotionalHeadingLength = 40;

// The devotional's entry for the day, without font (the load gives it);
// null when the module has nothing for that day. A failure names the module
// and what is wrong with its files.
platform::Result<std::unique_ptr<TDayEntry>> ReadDevotionalDay(const TDaySource &source,
                                                               DevotionalDay day);
