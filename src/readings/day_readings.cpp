#include "readings/day_readings.h"

#include "content/day_entries.h"
#include "content/package_format.h"
#include "scripture/scripture_reference.h"

namespace {

bool IsPlan(std::string_view title) {
  return title.starts_with(package::ReadingPlanPrefix);
}

const TDayEntry *First(const TDayEntry *head, bool (*accepts)(std::string_view)) {
  for (const TDayEntry *entry = head; entry != nullptr; entry = entry->Next.get())
    if (accepts(entry->Title))
      return entry;
  return nullptr;
}

void Add(std::vector<TDayReading> &readings, TReadingKind kind,
         const std::optional<std::string> &reference) {
  if (reference)
    readings.push_back({kind, *reference});
}

} // namespace

std::vector<TDayReading> DayReadings(const TDayEntry *head) {
  std::vector<TDayReading> readings;
  if (const TDayEntry *plan = First(head, IsPlan)) {
    Add(readings, TReadingKind::Morning, CutMorningReading(plan->Text));
    Add(readings, TReadingKind::Evening, CutEveningReading(plan->Text));
  }
  if (const TDayEntry *verse = First(head, IsDailyVerseTitle))
    Add(readings, TReadingKind::DailyVerse, CutVerseReference(verse->Trailer));
  if (const TDayEntry *proverb = First(head, IsProverbTitle))
    Add(readings, TReadingKind::Proverb, CutProverbReference(proverb->Trailer));
  return readings;
}
