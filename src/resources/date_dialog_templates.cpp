#include "platform/translatable.h"
#include "resources/dialog_templates.h"

#include <string>

#include "resources/calendar_ids.h"
#include "resources/start_date_ids.h"

namespace {

constexpr std::uint32_t DisplayEdit = ES_CENTER | WS_BORDER | WS_DISABLED;
constexpr std::uint32_t DayCellStyle =
    ES_CENTER | WS_BORDER | ES_MULTILINE | ES_READONLY | ES_CHOOSABLE | WS_TABSTOP;

} // namespace

const TDialogTemplate &StartDateTemplate() {
  using K = TControlKind;
  using namespace startdate;
  static const TDialogTemplate dialog{
      "STARTDATE",
      TR_NOOP("STARTDATE", "Plan Start Date"),
      ModalDialogStyle,
      40,
      40,
      72,
      57,
      "System",
      8,
      {
          {-1, K::GroupBox, "", 0, 3, 2, 66, 34},
          {-1, K::Static, TR_NOOP("STARTDATE", "Month:"), 0, 7, 9, 24, 8},
          {MonthBack, K::PushButton, "<", WS_TABSTOP, 31, 8, 8, 10,
           TR_NOOP("STARTDATE", "Previous month")},
          {MonthEdit, K::Edit, "", DisplayEdit, 40, 8, 14, 10, TR_NOOP("STARTDATE", "Month")},
          {MonthForward, K::PushButton, ">", WS_TABSTOP, 55, 8, 8, 10,
           TR_NOOP("STARTDATE", "Next month")},
          {-1, K::Static, TR_NOOP("STARTDATE", "Day:"), 0, 7, 22, 24, 8},
          {DayBack, K::PushButton, "<", WS_TABSTOP, 31, 21, 8, 10,
           TR_NOOP("STARTDATE", "Previous day")},
          {DayEdit, K::Edit, "", DisplayEdit, 40, 21, 14, 10, TR_NOOP("STARTDATE", "Day")},
          {DayForward, K::PushButton, ">", WS_TABSTOP, 55, 21, 8, 10,
           TR_NOOP("STARTDATE", "Next day")},
          {IDOK, K::PushButton, TR_NOOP("STARTDATE", "&Ok"), WS_TABSTOP, 6, 40, 28, 12},
          {IDCANCEL, K::PushButton, TR_NOOP("STARTDATE", "&Cancel"), WS_TABSTOP, 38, 40, 28, 12},
      }};
  return dialog;
}

const TDialogTemplate &CalendarTemplate() {
  static const TDialogTemplate dialog = [] {
    using K = TControlKind;
    using namespace calendar;
    TDialogTemplate t{
        "CALENDAR", TR_NOOP("CALENDAR", "Calendar     "), 0x80C80080, 0, 0, 101, 111, "System", 8,
        {}};
    t.Controls.push_back({PreviousButton, K::PushButton, "<", WS_TABSTOP, 4, 4, 12, 12,
                          TR_NOOP("CALENDAR", "Previous month")});
    t.Controls.push_back(
        {TitleEdit, K::Edit, "", DisplayEdit, 18, 4, 65, 12, TR_NOOP("CALENDAR", "Month")});
    t.Controls.push_back({NextButton, K::PushButton, ">", WS_TABSTOP, 85, 4, 12, 12,
                          TR_NOOP("CALENDAR", "Next month")});
    struct Weekday {
      const char *letter, *day;
    };
    const Weekday weekdays[] = {
        TR_NOOP3("CALENDAR", "S", "Sunday"),   TR_NOOP3("CALENDAR", "M", "Monday"),
        TR_NOOP3("CALENDAR", "T", "Tuesday"),  TR_NOOP3("CALENDAR", "W", "Wednesday"),
        TR_NOOP3("CALENDAR", "T", "Thursday"), TR_NOOP3("CALENDAR", "F", "Friday"),
        TR_NOOP3("CALENDAR", "S", "Saturday")};
    for (int column = 0; column < 7; ++column)
      t.Controls.push_back({-1, K::Static, weekdays[column].letter, SS_CENTER, 4 + column * 13, 20,
                            12, 8, "", weekdays[column].day});
    for (int row = 0; row < 6; ++row)
      for (int column = 0; column < 7; ++column) {
        int position = 7 * row + column + 1;
        int id = position <= CellCount ? DayCell(position) : -1;
        // A day is chosen with Enter, Space or a double click (it is shown
        // in the main window); a cell without a day is disabled.
        t.Controls.push_back({id, K::Edit, "", id > 0 ? DayCellStyle : DisplayEdit | ES_MULTILINE,
                              4 + column * 13, 30 + row * 13, 12, 12});
      }
    return t;
  }();
  return dialog;
}
