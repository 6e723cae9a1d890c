#pragma once

// The passages the day's entries name, to be read: the reading plan's
// morning and evening readings, and the references of the daily verse and
// of the proverb, each taken from the first entry whose title names its
// kind, as the Links commands take them.

#include <string>
#include <vector>

struct TDayEntry;

enum class TReadingKind { Morning, Evening, DailyVerse, Proverb };

struct TDayReading {
  TReadingKind kind;
  std::string reference; // as the entry writes it: "Genesis 1-2", "Ps 23; Jude 3"
};

// The day's readings from the entries from head on, in the kinds' order; a
// kind whose entry is missing or whose reference cannot be cut is left out.
std::vector<TDayReading> DayReadings(const TDayEntry *head);
