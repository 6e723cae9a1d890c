#include "content/day_entries.h"

TDayEntry::~TDayEntry() {
  std::unique_ptr<TDayEntry> next = std::move(Next);
  while (next)
    next = std::move(next->Next);
}

void FreeDayEntries(std::unique_ptr<TDayEntry> &head) {
  head.reset();
}
