#include "content/day_selection.h"

#include <cstdlib>

#include "content/calendar_facts.h"
#include "content/day_state.h"
#include "content/increment_number.h"
#include "content/package_format.h"
#include "content/settings.h"
#include "platform/clock.h"

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

std::int16_t RandomSlot() {
  if (RandomSeeded == 0) {
    RandomSeeded = static_cast<std::int16_t>(platform::CurrentTime() & 0xFFFF);
    std::srand(static_cast<unsigned>(static_cast<std::uint16_t>(RandomSeeded)));
  }
  return static_cast<std::int16_t>(std::rand() % Slots);
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

void ChooseDayIndex(const std::tm &localTime, bool readOnly) {
  switch (QuoteMethodCode) {
  case MethodRandom:
    DayIndex = RandomSlot();
    return;
  case MethodIncrement:
    if (!DayStepped)
      IncrementCurrent = readOnly ? PeekIncrementNumber() : TakeIncrementNumber();
    DayIndex = DayStepped ? SteppedIncrementSlot(IncrementCurrent, DayOffset)
                          : static_cast<std::int16_t>(IncrementCurrent);
    return;
  default:
    DayIndex = DateSlot(localTime.tm_year + 1900, localTime.tm_yday, DayOffset);
    return;
  }
}

DayChoice CurrentDayChoice() {
  return DayChoice{DayIndex, PlanOffset, QuoteMethodCode};
}
