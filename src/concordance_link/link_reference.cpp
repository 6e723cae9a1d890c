#include "concordance_link/link_reference.h"

#include "content/day_entries.h"
#include "content/package_format.h"
#include "resources/main_menu.h"
#include "scripture/scripture_reference.h"

using Cut = std::optional<std::string>;

bool IsReadingPlanTitle(std::string_view title) {
  return title.starts_with(package::ReadingPlanPrefix);
}

const TDayEntry *LinkEntry(const TDayEntry *head, unsigned commandId) {
  bool (*accepts)(std::string_view) = nullptr;
  switch (commandId) {
  case CM_LINKMORNING:
  case CM_LINKEVENING:
    accepts = IsReadingPlanTitle;
    break;
  case CM_LINKQUIZ:
    accepts = IsQuizTitle;
    break;
  case CM_LINKVERSE:
    accepts = IsDailyVerseTitle;
    break;
  default:
    return nullptr;
  }
  for (const TDayEntry *entry = head; entry != nullptr; entry = entry->Next.get())
    if (accepts(entry->Title))
      return entry;
  return nullptr;
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
