#include "readings/day_readings.h"

#include "content/day_entries.h"
#include "scripture/scripture_reference.h"

namespace {

void Add(std::vector<TDayReading> &readings, TReadingKind kind,
         const std::optional<std::string> &reference) {
  if (reference)
    readings.push_back({kind, *reference});
}

} // namespace

std::vector<TDayReading> DayReadings(const TDayEntry *head) {
  std::vector<TDayReading> readings;
  if (const TDayEntry *plan = FirstEntryOf(head, EntryReadingPlan)) {
    Add(readings, TReadingKind::Morning, CutMorningReading(plan->Text));
    Add(readings, TReadingKind::Evening, CutEveningReading(plan->Text));
  }
  if (const TDayEntry *verse = FirstEntryOf(head, EntryDailyVerse))
    Add(readings, TReadingKind::DailyVerse, CutVerseReference(verse->Trailer));
  if (const TDayEntry *proverb = FirstEntryOf(head, EntryProverb))
    Add(readings, TReadingKind::Proverb, CutProverbReference(proverb->Trailer));
  return readings;
}
