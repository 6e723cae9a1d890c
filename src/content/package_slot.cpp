#include "content/package_slot.h"

namespace package {

std::optional<int> ChooseSlot(const Header &header, const DayChoice &day) {
  const int dayIndex = day.DayIndex;
  if (dayIndex < 0 || dayIndex >= SlotCount)
    return std::nullopt;
  if (!IsReadingPlan(header))
    return dayIndex;
  if (!TraitsOf(day.Method).PlansShow)
    return std::nullopt;
  return PlanDayOf(dayIndex, day.PlanOffset);
}

} // namespace package

int PlanDayOf(int dayIndex, int planOffset) {
  // The plan's first day is the day planOffset; slot 365 is never a plan day.
  const int planDay = (dayIndex - planOffset) % package::PlanDays;
  return planDay < 0 ? planDay + package::PlanDays : planDay;
}
