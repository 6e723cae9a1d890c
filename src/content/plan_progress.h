#pragma once

// How far the reader is in a reading plan. The plan days read are kept in
// section [Plan Progress] of SELWARTH.INI, one key a plan package, named
// after the package's file name without its extension (in lower case), so
// that disabling and enabling the package keeps them. The value is a list of
// days and day ranges as the window counts them, from 1 to 365, which a
// person can read and change: "1-28,31". Everything here takes the day and
// the plan's start as arguments; nothing reads the day state.

#include <bitset>
#include <optional>
#include <string>
#include <string_view>

#include "content/day_entries.h"
#include "content/package_format.h"
#include "content/package_slot.h"
#include "platform/result.h"

inline constexpr const char *PlanProgressSection = "Plan Progress";

// Bit d is plan day d (counted from 0; the window says day d + 1).
using PlanMarks = std::bitset<package::PlanDays>;

// The key of a package's marks: its file name in lower case without the
// extension (".qxp" or ".off"); in a name that a key cannot hold as it is
// ('=', ']' or a line break in it, '[', ';' or a blank at its start, a blank
// at its end) each such byte is written "/" and two hex digits.
std::string PlanProgressKey(std::string_view fileName);

// The stored text: ascending days and ranges ("1-28,31"); empty for none.
std::string FormatPlanMarks(const PlanMarks &marks);

// The stored text read as far as it makes sense: items apart from commas,
// each a day or a range "a-b" (blanks around numbers allowed, a reversed
// range read the right way round, a range reaching past 365 cut there);
// anything else, and a day outside 1..365, is passed over.
PlanMarks ParsePlanMarks(std::string_view text);

// Whether an entry of the day is a reading plan's (its kind, as the Links
// commands find it).
bool IsPlanEntry(const TDayEntry &entry);

// The plan day where keeping track began: the first one marked; nothing
// while no day is. Days before it are never behind: the reader read them
// before marking, or chose to begin there.
std::optional<int> FirstMarkedDay(const PlanMarks &marks);

// Where the reader stands: the plan day shown (0..364), the days read, and
// the unread days from the first marked day up to the one before today's
// plan day.
struct PlanStanding {
  int ShownDay = 0;
  int Read = 0;
  int Behind = 0;
  bool Complete() const { return Read == package::PlanDays; }
};
PlanStanding StandingOf(const PlanMarks &marks, int shownDay, int todayDay);

// Writes one part of the progress line: pattern is English (marked for the
// translators, context "Plan"), its %1 and %2 stand for first and second.
// The window passes one that writes the reader's language.
using ProgressWords = std::string (*)(const char *pattern, int first, int second);

// The parts in English, as qxp and every copy made for other programs say them.
std::string EnglishProgressWords(const char *pattern, int first, int second);

// The line under the plan's heading: "Day 28 of 365 · 25 read · 3 behind",
// "… · all caught up", or that the plan is complete; empty while no day is
// marked. In code page 1252.
std::string ProgressLine(const PlanStanding &standing, ProgressWords words = EnglishProgressWords);

// The plan start that makes the first unread plan day after the first marked
// one, and before today's, the reading of today's slot (todayIndex, 0..365),
// so that the reader is never sent back past where they began; nothing when
// no such day is unread, or no day is marked at all. Marked days keep their
// plan days.
std::optional<int> CatchUpOffset(const PlanMarks &marks, int todayIndex, int planOffset);

// The marks stored for a package; none when the key is absent or unreadable.
PlanMarks StoredPlanMarks(std::string_view fileName);

// Marks the plan day read, or unmarks it when it is marked, as the settings
// file holds the marks at the moment of the write (under its lock), so that
// what another running copy marked meanwhile stays. The marks written, or
// why they could not be.
platform::Result<PlanMarks> ToggleStoredPlanDay(std::string_view fileName, int planDay);

// Marks the plan day read (and leaves it so when it is), in the same locked
// write; the reminder's Mark as Read, which must not undo a mark made
// meanwhile.
platform::Result<PlanMarks> MarkStoredPlanDay(std::string_view fileName, int planDay);

// Marks every plan day before planDay read (Mark Earlier Days as Read), in
// the same locked write as ToggleStoredPlanDay; the days marked already stay.
platform::Result<PlanMarks> MarkStoredDaysBefore(std::string_view fileName, int planDay);

// Forgets every mark of the package (Start Over).
platform::Result<void> ClearStoredPlanMarks(std::string_view fileName);

// The progress line of a plan package for the day shown (its slot and the
// plan's start) and today's slot; empty when nothing is marked.
std::string PlanProgressLine(std::string_view fileName, const DayChoice &shown, int todayIndex,
                             ProgressWords words = EnglishProgressWords);

// Gives each reading plan's entry of the day its progress line.
void NotePlanProgress(TDayEntry *first, const DayChoice &shown, int todayIndex,
                      ProgressWords words = EnglishProgressWords);
