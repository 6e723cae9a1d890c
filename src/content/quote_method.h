#pragma once

// The quote methods: how the day slot the packages are read at is chosen.
// Each method is one row of the table in quote_method.cpp, with everything
// the program asks of it; code that depends on the method asks its row and
// never names a method itself. A new method is an enumerator here, its row
// with its slot rule beside it (quote_method.cpp) and its radio button in
// Program Settings.

#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <string_view>

// The numbers are the program's own, never stored (the file keeps the name).
enum class QuoteMethod : std::int32_t {
  Random = 1,
  Increment = 2,
  Date = 3,
};

struct DayState;

// The day slot a method gives for a load at localTime, from and into the
// day's state; readOnly leaves the stored Increment counter as it is.
using SlotRule = std::int16_t (*)(DayState &day, const std::tm &localTime, bool readOnly);

struct QuoteMethodTraits {
  QuoteMethod Method;
  std::string_view StoredName; // the text of the key QuoteMethod
  std::string_view QxpName;    // the word of qxp today --method
  bool DaysStep;               // Day Backward and Forward move away from its choice
  bool PlansShow;              // reading plans have entries (and Start Date applies)
  SlotRule ChooseSlot;
};

// Every method, in the order the dialogs and qxp list them.
std::span<const QuoteMethodTraits> QuoteMethods();

// The row of method; a number that is no method's gets Date's row.
const QuoteMethodTraits &TraitsOf(QuoteMethod method);

// The text stored for a method: "Random", "Increment" or "Date".
std::string_view QuoteMethodName(QuoteMethod method);

// The method whose stored text is name exactly, with case; nothing for any
// other text.
std::optional<QuoteMethod> QuoteMethodNamed(std::string_view name);
