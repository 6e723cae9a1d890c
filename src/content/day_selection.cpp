#include "content/day_selection.h"

#include "content/calendar_facts.h"
#include "content/day_state.h"
#include "content/package_format.h"
#include "content/settings.h"

namespace {

constexpr int Slots = package::SlotCount;
constexpr int LeapDay = 59; // 29 February as a day of a leap year
using package::ExtraSlot;

std::int16_t WrapSlot(int slot) {
  slot %= Slots;
  if (slot < 0)
    slot += Slots;
  return static_cast<std::int16_t>(slot);
}

} // namespace

std::int16_t DateSlot(int year, int dayOfYear, int offset) {
  int day = dayOfYear;
  if (IsLeapYear(year)) {
    if (day == LeapDay)
      day = ExtraSlot;
    else if (day > LeapDay)
      --day;
  }
  return WrapSlot(day + offset);
}

std::int16_t SteppedIncrementSlot(std::uint16_t current, int offset) {
  return WrapSlot(static_cast<int>(current) + offset);
}

void ChooseDayIndex(const Settings &settings, DayState &day, const std::tm &localTime,
                    bool readOnly) {
  day.DayIndex = TraitsOf(settings.QuoteMethodCode).ChooseSlot(day, localTime, readOnly);
}

DayChoice CurrentDayChoice(const Settings &settings, const DayState &day) {
  return DayChoice{day.DayIndex, settings.PlanOffset, settings.QuoteMethodCode};
}
