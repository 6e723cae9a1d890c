#include "concordance_link/link_reference.h"

#include "content/day_entries.h"
#include "resources/main_menu.h"
#include "scripture/scripture_reference.h"

using Cut = std::optional<std::string>;

const TDayEntry *LinkEntry(const TDayEntry *head, unsigned commandId) {
  switch (commandId) {
  case CM_LINKMORNING:
  case CM_LINKEVENING:
    return FirstEntryOf(head, EntryReadingPlan);
  case CM_LINKQUIZ:
    return FirstEntryOf(head, EntryQuiz);
  case CM_LINKVERSE:
    return FirstEntryOf(head, EntryDailyVerse);
  default:
    return nullptr;
  }
}

Cut LinkReference(const TDayEntry &entry, unsigned commandId) {
  switch (commandId) {
  case CM_LINKMORNING:
    return CutMorningReading(entry.Text);
  case CM_LINKEVENING:
    return CutEveningReading(entry.Text);
  case CM_LINKQUIZ:
    return CutQuizReference(entry.Trailer);
  case CM_LINKVERSE:
    return CutVerseReference(entry.Trailer);
  default:
    return std::nullopt;
  }
}
