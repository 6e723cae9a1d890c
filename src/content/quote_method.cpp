#include "content/quote_method.h"

#include <cstdlib>

#include "content/day_selection.h"
#include "content/day_state.h"
#include "content/increment_number.h"
#include "content/package_format.h"
#include "platform/clock.h"

namespace {

// Any slot, from a generator seeded once per process.
std::int16_t RandomMethodSlot(DayState &day, const std::tm &, bool) {
  if (day.RandomSeeded == 0) {
    day.RandomSeeded = static_cast<std::int16_t>(platform::CurrentTime() & 0xFFFF);
    std::srand(static_cast<unsigned>(static_cast<std::uint16_t>(day.RandomSeeded)));
  }
  return static_cast<std::int16_t>(std::rand() % package::SlotCount);
}

// A fresh load takes IncrementNum (and, unless readOnly, stores the next);
// a day-stepping command moves from the number the last fresh load took.
std::int16_t IncrementMethodSlot(DayState &day, const std::tm &, bool readOnly) {
  if (day.DayStepped)
    return SteppedIncrementSlot(day.IncrementCurrent, day.DayOffset);
  day.IncrementCurrent = readOnly ? PeekIncrementNumber() : TakeIncrementNumber();
  return static_cast<std::int16_t>(day.IncrementCurrent);
}

// The day of the year, moved by the days stepped.
std::int16_t DateMethodSlot(DayState &day, const std::tm &localTime, bool) {
  return DateSlot(localTime.tm_year + 1900, localTime.tm_yday, day.DayOffset);
}

constexpr QuoteMethodTraits Rows[] = {
    {.Method = QuoteMethod::Date,
     .StoredName = "Date",
     .QxpName = "date",
     .DaysStep = true,
     .PlansShow = true,
     .ChooseSlot = DateMethodSlot},
    {.Method = QuoteMethod::Increment,
     .StoredName = "Increment",
     .QxpName = "increment",
     .DaysStep = true,
     .PlansShow = false,
     .ChooseSlot = IncrementMethodSlot},
    {.Method = QuoteMethod::Random,
     .StoredName = "Random",
     .QxpName = "random",
     .DaysStep = false,
     .PlansShow = false,
     .ChooseSlot = RandomMethodSlot},
};

} // namespace

std::span<const QuoteMethodTraits> QuoteMethods() {
  return Rows;
}

// TraitsOf gives a number that is no method's the first row, the default method.
static_assert(Rows[0].Method == QuoteMethod::Date);

const QuoteMethodTraits &TraitsOf(QuoteMethod method) {
  for (const QuoteMethodTraits &row : Rows)
    if (row.Method == method)
      return row;
  return Rows[0];
}

std::string_view QuoteMethodName(QuoteMethod method) {
  return TraitsOf(method).StoredName;
}

std::optional<QuoteMethod> QuoteMethodNamed(std::string_view name) {
  for (const QuoteMethodTraits &row : Rows)
    if (row.StoredName == name)
      return row.Method;
  return std::nullopt;
}
