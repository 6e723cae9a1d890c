#include "dialogs/calendar_dialog.h"

#include <array>
#include <string_view>

#include "content/calendar_facts.h"
#include "content/settings.h"
#include "content/today_text.h"
#include "framework/controls.h"
#include "framework/response_table.h"
#include "framework/translation.h"
#include "resources/calendar_ids.h"
#include "resources/dialog_templates.h"

bool CalendarOpen = false;

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

} // namespace

TCalendar::TCalendar(TWindow *parent) : TDialog(parent, CalendarTemplate()) {}

bool TCalendar::Respond(const TMessage &msg) {
  static const TResponseTable<TCalendar> table = {
      EvCommand(PreviousButton, &TCalendar::CmPrevious),
      EvCommand(NextButton, &TCalendar::CmNext),
  };
  return RespondFrom(*this, table, msg) || TDialog::Respond(msg);
}

void TCalendar::SetupWindow() {
  const std::tm &today = TodayLocalTime();
  year_ = today.tm_year + 1900;
  month_ = today.tm_mon + 1;
  day_ = today.tm_mday;
  FillMonth();
  CalendarOpen = true;
  if (Topmost != 0)
    SetTopmost(true);
}

void TCalendar::CleanupWindow() {
  CalendarOpen = false;
}

void TCalendar::FillMonth() {
  int first = DayOfWeek(1, month_, year_);
  int length = DaysInMonth(month_, year_);
  TEdit(*this, TitleEdit).SetText(MonthName(month_) + ' ' + std::to_string(year_));
  for (int place = 1; place <= CellCount; ++place) {
    int day = place - first;
    bool blank = day < 1 || day > length;
    TEdit cell(*this, DayCell(place));
    cell.SetText(blank ? "" : std::to_string(day));
    // A screen reader says the date a number stands for, and nothing for a
    // blank cell.
    cell.SetName(blank ? "" : DateName(day, month_, year_));
  }
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
