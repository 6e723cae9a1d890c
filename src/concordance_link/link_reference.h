#pragma once

// Which of the day's entries each Links command reads, and the reference it
// cuts out of it (the cuts themselves are scripture/scripture_reference.h).

#include <optional>
#include <string>
#include <string_view>

struct TDayEntry;

// The first entry from head of the kind the command reads (a plan, the
// quiz, the daily verse); null when none is or the id is not a link.
const TDayEntry *LinkEntry(const TDayEntry *head, unsigned commandId);
// The command's reference cut from its entry.
std::optional<std::string> LinkReference(const TDayEntry &entry, unsigned commandId);
