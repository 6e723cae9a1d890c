#pragma once

// Choosing the day slot (0..365) that the packages are read at.

#include <cstdint>
#include <ctime>

#include "content/package_slot.h"

// The Date method: the slot of the day of the year d (1 January = 0) of year,
// counted as in a common year so that 1 March is always slot 59 and
// 31 December slot 364. The leap day takes the extra slot 365. The offset is
// then added, wrapping around the 366 slots.
std::int16_t DateSlot(int year, int dayOfYear, int offset);

// The Increment method after a day-stepping command: the remembered number
// moved by the offset, wrapping around the 366 slots.
std::int16_t SteppedIncrementSlot(std::uint16_t current, int offset);

struct DayState;
struct Settings;

// Chooses the day's DayIndex by the slot rule of the settings'
// QuoteMethodCode for a load at localTime (content/quote_method.cpp). A fresh
// Increment load takes IncrementNum and, unless readOnly, stores the next.
void ChooseDayIndex(const Settings &settings, DayState &day, const std::tm &localTime,
                    bool readOnly);

// The day as the program holds it: DayIndex as the last choice left it, with
// the reading plan's offset and the quote method of the settings.
DayChoice CurrentDayChoice(const Settings &settings, const DayState &day);
