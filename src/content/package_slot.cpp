#include "content/package_slot.h"

#include "content/settings.h"

namespace package {

std::optional<int> ChooseSlot(const Header &header, std::int32_t dayIndex, std::int32_t planOffset,
                              std::int32_t quoteMethod) {
  if (dayIndex < 0 || dayIndex >= SlotCount)
    return std::nullopt;
  if (!IsReadingPlan(header))
    return dayIndex;
  if (quoteMethod != MethodDate)
    return std::nullopt;
  // The plan's first day is the day planOffset; slot 365 is never a plan day.
  const int planDay = (dayIndex - planOffset) % PlanDays;
  return planDay < 0 ? planDay + PlanDays : planDay;
}

} // namespace package
