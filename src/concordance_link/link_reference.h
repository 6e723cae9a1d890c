#pragma once

// Which of the day's entries each Links command reads, and the reference it
// cuts out of it (the cuts themselves are scripture/scripture_reference.h).

#include <optional>
#include <string>
#include <string_view>

struct TDayEntry;

// The reading plan's title test, the package reader's and the plan
// progress's own (titles compare with regard to case).
bool IsReadingPlanTitle(std::string_view title);

// The first entry from head whose title the command's rule accepts; null
// when none does or the id is not a link.
const TDayEntry *LinkEntry(const TDayEntry *head, unsigned commandId);
// The command's reference cut from its entry.
std::optional<std::string> LinkReference(const TDayEntry &entry, unsigned commandId);
