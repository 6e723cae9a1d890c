#include "qxp/slot_names.h"

#include <array>

#include "content/calendar_facts.h"
#include "platform/ascii.h"
#include "platform/whole_number.h"

namespace qxp {

namespace {

// The month (1..12) a word names: its full name or its first three letters.
std::optional<int> ParseMonth(std::string_view word) {
  for (int m = 1; m <= 12; ++m) {
    std::string_view full = MonthNames[m];
    if (platform::SameAscii(word, full) || platform::SameAscii(word, full.substr(0, 3)))
      return m;
  }
  return std::nullopt;
}

std::optional<int> ParseNumber(std::string_view word) {
  if (word.empty() || word.size() > 4)
    return std::nullopt;
  return platform::WholeNumber(word);
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Splits "Jan  1" into its two words; nothing unless there are exactly two.
std::optional<std::pair<std::string_view, std::string_view>> TwoWords(std::string_view text) {
  std::array<std::string_view, 2> words;
  int count = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && IsBlank(text[pos]))
      ++pos;
    if (pos == text.size())
      break;
    std::size_t start = pos;
    while (pos < text.size() && !IsBlank(text[pos]))
      ++pos;
    if (count == 2)
      return std::nullopt;
    words[count++] = text.substr(start, pos - start);
  }
  if (count != 2)
    return std::nullopt;
  return std::pair{words[0], words[1]};
}

} // namespace

std::optional<int> ParseSlotName(std::string_view name) {
  auto words = TwoWords(name);
  if (!words)
    return std::nullopt;
  auto [first, second] = *words;
  auto number = ParseNumber(second);
  if (!number)
    return std::nullopt;
  if (platform::SameAscii(first, "slot"))
    return *number >= 0 && *number <= ExtraSlot ? std::optional<int>(*number) : std::nullopt;
  if (platform::SameAscii(first, "day"))
    return *number >= 1 && *number <= 365 ? std::optional<int>(*number - 1) : std::nullopt;
  auto month = ParseMonth(first);
  if (!month)
    return std::nullopt;
  if (*month == 2 && *number == 29)
    return ExtraSlot;
  if (*number < 1 || *number > MonthDays[*month])
    return std::nullopt;
  return PlanOffsetOf(*month, *number);
}

std::string SlotDate(int slot) {
  if (slot == ExtraSlot)
    return "Feb 29";
  if (slot < 0 || slot >= ExtraSlot)
    return "slot " + std::to_string(slot);
  int month = 0;
  int day = 0;
  DateOfPlanOffset(slot, month, day);
  return std::string(MonthNames[static_cast<std::size_t>(month)].substr(0, 3)) + " " +
         std::to_string(day);
}

std::string DescribeSlot(int slot) {
  return "slot " + std::to_string(slot) + " (" + SlotDate(slot) + ")";
}

} // namespace qxp
