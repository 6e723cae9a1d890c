#include "content/day_entries.h"

#include "content/package_format.h"
#include "scripture/scripture_reference.h"

TDayEntry::~TDayEntry() {
  std::unique_ptr<TDayEntry> next = std::move(Next);
  while (next)
    next = std::move(next->Next);
}

void FreeDayEntries(std::unique_ptr<TDayEntry> &head) {
  head.reset();
}

unsigned PackageEntryKinds(std::string_view title) {
  unsigned kinds = 0;
  if (title.starts_with(package::ReadingPlanPrefix))
    kinds |= EntryReadingPlan;
  if (IsQuizTitle(title))
    kinds |= EntryQuiz;
  if (IsDailyVerseTitle(title))
    kinds |= EntryDailyVerse;
  if (IsProverbTitle(title))
    kinds |= EntryProverb;
  return kinds;
}

const TDayEntry *FirstEntryOf(const TDayEntry *head, TEntryKind kind) {
  for (const TDayEntry *entry = head; entry != nullptr; entry = entry->Next.get())
    if (entry->Is(kind))
      return entry;
  return nullptr;
}
