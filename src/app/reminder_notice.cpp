#include "app/reminder_notice.h"

#include "content/day_entries.h"
#include "content/day_load.h"
#include "content/day_selection.h"
#include "content/day_state.h"
#include "content/package_format.h"
#include "content/package_slot.h"
#include "content/plan_progress.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "platform/code_page_1252.h"
#include "platform/translatable.h"

namespace {

// The body of an entry and its trailer, as one paragraph; a quiz answer is
// not given away.
std::string EntryBody(const TDayEntry &entry) {
  std::string text;
  for (const TTextPiece *piece = &entry; piece != nullptr; piece = piece->NextPiece.get())
    text += piece->Text;
  if (!entry.Trailer.empty() && entry.Marker != package::AnswerMarker)
    text += (text.empty() || text.back() == ' ' ? "" : " ") + entry.Trailer;
  return platform::ToUtf8(text);
}

bool ShownToday(const DayState &day) {
  if (day.TodayText.empty())
    return false;
  return ReadSettingText(LastShownKey, "", LastStartupBuffer) == day.TodayText ||
         ReadSettingText(LastStartupKey, "", LastStartupBuffer) == day.TodayText;
}

std::string Filled(std::string pattern, int first, int second) {
  for (const auto &[mark, number] : {std::pair{"%1", first}, std::pair{"%2", second}})
    if (const std::size_t at = pattern.find(mark); at != std::string::npos)
      pattern.replace(at, 2, std::to_string(number));
  return pattern;
}

} // namespace

std::optional<TReminderNotice> TodaysReminder(const Settings &settings, DayState &day,
                                              const std::tm &now, ReminderWords words) {
  if (ShownToday(day))
    return std::nullopt;
  TDayLoadOptions options;
  options.ReadOnly = true;
  LoadedDay loaded = LoadDay(settings, day, now, options);
  const TDayEntry *plan = nullptr;
  const TDayEntry *verse = nullptr; // the first that is no quiz, else the first
  for (const TDayEntry *entry = loaded.Entries.get(); entry != nullptr; entry = entry->Next.get()) {
    if (IsPlanEntry(*entry))
      plan = plan != nullptr ? plan : entry;
    else if (verse == nullptr ||
             (verse->Marker == package::AnswerMarker && entry->Marker != package::AnswerMarker))
      verse = entry;
  }
  TReminderNotice notice;
  notice.Summary = words("Reminder", TR_NOOP("Reminder", "Today's verse"));
  if (verse != nullptr)
    notice.Body = EntryBody(*verse);
  if (plan != nullptr) {
    const int planDay =
        PlanDayOf(DateSlot(now.tm_year + 1900, now.tm_yday, 0), settings.PlanOffset);
    if (StoredPlanMarks(plan->FileName).test(static_cast<std::size_t>(planDay)))
      return std::nullopt; // read already
    notice.PlanFile = plan->FileName;
    notice.PlanDay = planDay;
    notice.Summary = Filled(words("Reminder", TR_NOOP("Reminder", "Today's reading: day %1 of %2")),
                            planDay + 1, package::PlanDays);
    const std::string readings = EntryBody(*plan);
    notice.Body = notice.Body.empty() ? readings : readings + "\n\n" + notice.Body;
  }
  if (notice.Body.empty() && plan == nullptr)
    return std::nullopt; // no package has a text for today
  return notice;
}
