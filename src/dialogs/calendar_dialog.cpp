#include "dialogs/calendar_dialog.h"

#include <array>
#include <string_view>

#include "content/calendar_facts.h"
#include "content/day_selection.h"
#include "content/settings.h"
#include "content/today_text.h"
#include "framework/controls.h"
#include "framework/response_table.h"
#include "framework/translation.h"
#include "resources/calendar_ids.h"
#include "resources/dialog_templates.h"

using namespace calendar;

namespace {

constexpr std::array<const char *, 7> WeekdayNames = {
    TR_NOOP("CALENDAR", "Sunday"),   TR_NOOP("CALENDAR", "Monday"),
    TR_NOOP("CALENDAR", "Tuesday"),  TR_NOOP("CALENDAR", "Wednesday"),
    TR_NOOP("CALENDAR", "Thursday"), TR_NOOP("CALENDAR", "Friday"),
    TR_NOOP("CALENDAR", "Saturday")};

std::string MonthName(int month) {
  return TranslatedText("CALENDAR", MonthNames[static_cast<std::size_t>(month)].data());
}

// "Tuesday, 8 December".
std::string DateName(int day, int month, int year) {
  return FormatText(
      TranslatedText("CALENDAR", "%1, %2 %3"),
      {TranslatedText("CALENDAR",
                      WeekdayNames[static_cast<std::size_t>(DayOfWeek(day, month, year))]),
       std::to_string(day), MonthName(month)});
}

// A read date's number carries a bullet of code page 1252.
constexpr std::string_view ReadMark = "\x95";

} // namespace

TCalendar::TCalendar(TWindow *parent, Settings &settings, DayState &dayState)
    : TDialog(parent, CalendarTemplate()), settings_(settings), dayState_(dayState) {}

bool TCalendar::Respond(const TMessage &msg) {
  if (msg.Id == WM_COMMAND && NotifyCode(msg) == EN_CHOSEN) {
    const int day = static_cast<int>(CommandId(msg)) - DayCell(1) + 1 - DayOfWeek(1, month_, year_);
    if (day >= 1 && day <= DaysInMonth(month_, year_) && ShowDate)
      ShowDate(year_, month_, day);
    return true;
  }
  static const TResponseTable<TCalendar> table = {
      EvCommand(PreviousButton, &TCalendar::CmPrevious),
      EvCommand(NextButton, &TCalendar::CmNext),
  };
  return RespondFrom(*this, table, msg) || TDialog::Respond(msg);
}

void TCalendar::SetupWindow() {
  const std::tm &today = TodayLocalTime(dayState_);
  year_ = today.tm_year + 1900;
  month_ = today.tm_mon + 1;
  day_ = today.tm_mday;
  todayDay_ = day_;
  todayMonth_ = month_;
  todayYear_ = year_;
  FillMonth();
  if (settings_.Topmost != 0)
    SetTopmost(true);
}

void TCalendar::FillMonth() {
  int first = DayOfWeek(1, month_, year_);
  int length = DaysInMonth(month_, year_);
  // The month and year, "December 2026"; a language may join the two its own
  // way ("diciembre de 2026").
  TEdit(*this, TitleEdit)
      .SetText(FormatText(TranslatedText("CALENDAR", "%1 %2"),
                          {MonthName(month_), std::to_string(year_)}));
  for (int place = 1; place <= CellCount; ++place) {
    int day = place - first;
    bool blank = day < 1 || day > length;
    TEdit cell(*this, DayCell(place));
    const bool read = !blank && ReadingRead(day);
    cell.SetText(blank ? "" : std::to_string(day) + (read ? std::string(ReadMark) : ""));
    // A blank cell can be neither reached nor chosen.
    cell.Enable(!blank);
    // Today stands out, and a screen reader says so.
    const bool today = !blank && day == todayDay_ && month_ == todayMonth_ && year_ == todayYear_;
    cell.Emphasise(today);
    // A screen reader says the date a number stands for, and nothing for a
    // blank cell.
    std::string name = blank ? "" : DateName(day, month_, year_);
    if (read)
      name = FormatText(TranslatedText("CALENDAR", "%1, read"), {name});
    if (today)
      name = FormatText(TranslatedText("CALENDAR", "%1, today"), {name});
    cell.SetName(name);
  }
}

bool TCalendar::ReadingRead(int day) const {
  if (!planMarks_)
    return false;
  const int dayOfYear = PlanOffsetOf(month_, day) + (IsLeapYear(year_) && month_ > 2 ? 1 : 0);
  const int planDay = PlanDayOf(DateSlot(year_, dayOfYear, 0), planOffset_);
  return planMarks_->test(static_cast<std::size_t>(planDay));
}

void TCalendar::MarkPlanReadings(const std::optional<PlanMarks> &marks, int planOffset) {
  planMarks_ = marks;
  planOffset_ = planOffset;
  if (IsCreated())
    FillMonth();
}

void TCalendar::CmPrevious(unsigned) {
  if (--month_ < 1) {
    month_ = 12;
    --year_;
  }
  FillMonth();
}

void TCalendar::CmNext(unsigned) {
  if (++month_ > 12) {
    month_ = 1;
    ++year_;
  }
  FillMonth();
}
