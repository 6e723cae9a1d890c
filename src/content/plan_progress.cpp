#include "content/plan_progress.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "content/settings.h"
#include "platform/file_search.h"
#include "platform/profile.h"
#include "platform/translatable.h"

namespace {

constexpr int Days = package::PlanDays;
// What a stored day may be: the window's days 1..365. A longer number is
// read up to this, so that "99999999999" is one day too many, never a wrap.
constexpr int NumberCap = 100000;
// The middle dot of code page 1252 between the parts of the line.
constexpr std::string_view Between = " \xB7 ";

// The number at text's start, blanks around it dropped; nothing when there
// are no digits.
std::optional<int> ReadNumber(std::string_view &text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  int number = 0;
  bool digits = false;
  while (!text.empty() && std::isdigit(static_cast<unsigned char>(text.front())) != 0) {
    number = std::min(number * 10 + (text.front() - '0'), NumberCap);
    digits = true;
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  if (!digits)
    return std::nullopt;
  return number;
}

// One item of the list: a day or a range of days.
void ReadItem(std::string_view item, PlanMarks &marks) {
  std::optional<int> first = ReadNumber(item);
  if (!first)
    return;
  int last = *first;
  if (!item.empty() && item.front() == '-') {
    item.remove_prefix(1);
    std::optional<int> end = ReadNumber(item);
    if (!end)
      return;
    last = *end;
  }
  if (!item.empty())
    return; // more than a day or a range
  if (first == last && (last < 1 || last > Days))
    return;
  const int from = std::max(std::min(*first, last), 1);
  const int to = std::min(std::max(*first, last), Days);
  for (int day = from; day <= to; ++day)
    marks.set(static_cast<std::size_t>(day - 1));
}

bool Marked(const PlanMarks &marks, int day) {
  return marks.test(static_cast<std::size_t>(day));
}

// Whether the byte at of name cannot stand there in a key of the settings
// file: it would end the key or the section, start a section or a comment,
// or be dropped with the blanks around a key.
bool KeyCannotHold(std::string_view name, std::size_t at) {
  const char c = name[at];
  if (c == '=' || c == ']' || c == '\r' || c == '\n')
    return true;
  const bool blank = c == ' ' || c == '\t';
  return (at == 0 && (blank || c == '[' || c == ';')) || (at + 1 == name.size() && blank);
}

} // namespace

std::string PlanProgressKey(std::string_view fileName) {
  const std::string lower = platform::LowerCaseName(fileName);
  const std::size_t dot = lower.rfind('.');
  const std::string name = dot == std::string::npos || dot == 0 ? lower : lower.substr(0, dot);
  bool ordinary = !name.empty();
  for (std::size_t at = 0; ordinary && at < name.size(); ++at)
    ordinary = !KeyCannotHold(name, at);
  if (ordinary)
    return name;
  // Each byte that cannot stand where it is becomes '/' and its two hex
  // digits. No file name holds a '/', so such a key is never an ordinary
  // name's, and no two names share one.
  static const char hex[] = "0123456789abcdef";
  std::string key;
  for (std::size_t at = 0; at < name.size(); ++at) {
    if (!KeyCannotHold(name, at)) {
      key += name[at];
      continue;
    }
    const auto byte = static_cast<unsigned char>(name[at]);
    key += '/';
    key += hex[byte >> 4];
    key += hex[byte & 0xF];
  }
  return key;
}

std::string FormatPlanMarks(const PlanMarks &marks) {
  std::string text;
  for (int day = 0; day < Days; ++day) {
    if (!Marked(marks, day))
      continue;
    int last = day;
    while (last + 1 < Days && Marked(marks, last + 1))
      ++last;
    if (!text.empty())
      text += ',';
    text += std::to_string(day + 1);
    if (last > day)
      text += '-' + std::to_string(last + 1);
    day = last;
  }
  return text;
}

PlanMarks ParsePlanMarks(std::string_view text) {
  PlanMarks marks;
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    ReadItem(text.substr(0, comma), marks);
    if (comma == std::string_view::npos)
      break;
    text.remove_prefix(comma + 1);
  }
  return marks;
}

bool IsPlanEntry(const TDayEntry &entry) {
  return entry.Is(EntryReadingPlan);
}

std::optional<int> FirstMarkedDay(const PlanMarks &marks) {
  for (int day = 0; day < Days; ++day)
    if (Marked(marks, day))
      return day;
  return std::nullopt;
}

PlanStanding StandingOf(const PlanMarks &marks, int shownDay, int todayDay) {
  PlanStanding standing;
  standing.ShownDay = shownDay;
  standing.Read = static_cast<int>(marks.count());
  for (int day = FirstMarkedDay(marks).value_or(Days); day < todayDay && day < Days; ++day)
    standing.Behind += Marked(marks, day) ? 0 : 1;
  return standing;
}

std::string EnglishProgressWords(const char *pattern, int first, int second) {
  std::string text = pattern;
  for (const auto &[mark, number] : {std::pair{"%1", first}, std::pair{"%2", second}})
    if (const std::size_t at = text.find(mark); at != std::string::npos)
      text.replace(at, 2, std::to_string(number));
  return text;
}

std::string ProgressLine(const PlanStanding &standing, ProgressWords words) {
  if (standing.Read == 0)
    return {};
  const std::string between(Between);
  if (standing.Complete())
    return words(TR_NOOP("Plan", "Plan complete: all %1 days read"), Days, 0) + between +
           words(TR_NOOP("Plan", "Start Over is on the Settings menu"), 0, 0);
  return words(TR_NOOP("Plan", "Day %1 of %2"), standing.ShownDay + 1, Days) + between +
         words(TR_NOOP("Plan", "%1 read"), standing.Read, 0) + between +
         (standing.Behind == 0 ? words(TR_NOOP("Plan", "all caught up"), 0, 0)
                               : words(TR_NOOP("Plan", "%1 behind"), standing.Behind, 0));
}

std::optional<int> CatchUpOffset(const PlanMarks &marks, int todayIndex, int planOffset) {
  const std::optional<int> began = FirstMarkedDay(marks);
  if (!began)
    return std::nullopt; // a plan nobody keeps track of is never behind
  const int todayDay = PlanDayOf(todayIndex, planOffset);
  for (int day = *began + 1; day < todayDay; ++day)
    if (!Marked(marks, day)) {
      const int offset = (todayIndex - day) % Days;
      return offset < 0 ? offset + Days : offset;
    }
  return std::nullopt;
}

PlanMarks StoredPlanMarks(std::string_view fileName) {
  // Far more than the longest list of 365 days (every other day, 1,000
  // characters); a longer value is damaged and read as far as it goes.
  constexpr std::size_t Buffer = 4096;
  return ParsePlanMarks(platform::GetPrivateProfileString(
      PlanProgressSection, PlanProgressKey(fileName), "", Buffer, SettingsFile));
}

namespace {

// Changes the stored marks as they are at the moment of the write, under the
// settings file's lock.
template <class Change>
platform::Result<PlanMarks> ChangeStoredMarks(std::string_view fileName, Change change) {
  PlanMarks marks;
  const platform::Result<std::string> written = platform::UpdatePrivateProfileString(
      PlanProgressSection, PlanProgressKey(fileName),
      [&](std::optional<std::string_view> stored) {
        marks = ParsePlanMarks(stored.value_or(""));
        change(marks);
        return FormatPlanMarks(marks);
      },
      SettingsFile);
  if (!written)
    return platform::Failure(written.error());
  return marks;
}

} // namespace

platform::Result<PlanMarks> ToggleStoredPlanDay(std::string_view fileName, int planDay) {
  return ChangeStoredMarks(fileName, [planDay](PlanMarks &marks) {
    if (planDay >= 0 && planDay < Days)
      marks.flip(static_cast<std::size_t>(planDay));
  });
}

platform::Result<PlanMarks> MarkStoredPlanDay(std::string_view fileName, int planDay) {
  return ChangeStoredMarks(fileName, [planDay](PlanMarks &marks) {
    if (planDay >= 0 && planDay < Days)
      marks.set(static_cast<std::size_t>(planDay));
  });
}

platform::Result<PlanMarks> MarkStoredDaysBefore(std::string_view fileName, int planDay) {
  return ChangeStoredMarks(fileName, [planDay](PlanMarks &marks) {
    for (int day = 0; day < std::min(planDay, Days); ++day)
      marks.set(static_cast<std::size_t>(day));
  });
}

platform::Result<void> ClearStoredPlanMarks(std::string_view fileName) {
  return platform::WritePrivateProfileString(PlanProgressSection, PlanProgressKey(fileName), "",
                                             SettingsFile);
}

std::string PlanProgressLine(std::string_view fileName, const DayChoice &shown, int todayIndex,
                             ProgressWords words) {
  return ProgressLine(StandingOf(StoredPlanMarks(fileName),
                                 PlanDayOf(shown.DayIndex, shown.PlanOffset),
                                 PlanDayOf(todayIndex, shown.PlanOffset)),
                      words);
}

void NotePlanProgress(TDayEntry *first, const DayChoice &shown, int todayIndex,
                      ProgressWords words) {
  for (TDayEntry *entry = first; entry != nullptr; entry = entry->Next.get())
    entry->Progress = IsPlanEntry(*entry)
                          ? PlanProgressLine(entry->FileName, shown, todayIndex, words)
                          : std::string();
}
