#include "dialogs/start_date_dialog.h"

#include <cstdio>

#include "content/calendar_facts.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_store.h"
#include "framework/controls.h"
#include "framework/message_box.h"
#include "framework/response_table.h"
#include "framework/translation.h"
#include "resources/dialog_templates.h"
#include "resources/start_date_ids.h"

using namespace startdate;

namespace {

std::string TwoColumns(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%2i", value);
  return text;
}

int LastDay(int month) {
  return MonthDays[static_cast<std::size_t>(month)];
}

} // namespace

TSetStartDateDialog::TSetStartDateDialog(TWindow *parent, Settings &settings, DayState &dayState)
    : TDialog(parent, StartDateTemplate()), settings_(settings), dayState_(dayState) {}

bool TSetStartDateDialog::Respond(const TMessage &msg) {
  using D = TSetStartDateDialog;
  static const TResponseTable<D> table = {
      EvCommand(MonthBack, &D::CmMonthBack),
      EvCommand(MonthForward, &D::CmMonthForward),
      EvCommand(DayBack, &D::CmDayBack),
      EvCommand(DayForward, &D::CmDayForward),
  };
  return RespondFrom(*this, table, msg) || TDialog::Respond(msg);
}

void TSetStartDateDialog::SetupWindow() {
  offsetAtOpening_ = settings_.PlanOffset;
  dayState_.ReloadPending = false;
  DateOfPlanOffset(settings_.PlanOffset, month_, day_);
  ShowMonth();
  ShowDay();
}

void TSetStartDateDialog::ShowMonth() {
  TEdit(*this, MonthEdit).SetText(TwoColumns(month_));
}

void TSetStartDateDialog::ShowDay() {
  TEdit(*this, DayEdit).SetText(TwoColumns(day_));
}

void TSetStartDateDialog::ClampDay() {
  if (day_ > LastDay(month_)) {
    day_ = LastDay(month_);
    ShowDay();
  }
}

void TSetStartDateDialog::CmMonthBack(unsigned) {
  month_ = month_ < 2 ? 12 : month_ - 1;
  ShowMonth();
  ClampDay();
}

void TSetStartDateDialog::CmMonthForward(unsigned) {
  month_ = month_ > 11 ? 1 : month_ + 1;
  ShowMonth();
  ClampDay();
}

void TSetStartDateDialog::CmDayBack(unsigned) {
  day_ = day_ < 2 ? LastDay(month_) : day_ - 1;
  ShowDay();
}

void TSetStartDateDialog::CmDayForward(unsigned) {
  day_ = day_ < LastDay(month_) ? day_ + 1 : 1;
  ShowDay();
}

void TSetStartDateDialog::CmOk() {
  if (day_ > LastDay(month_)) {
    MessageBox(this, TR_NOOP("Messages", "That is an invalid date. Please try again."),
               TR_NOOP("Messages", "Oops... "), MB_ICONINFORMATION);
    return;
  }
  const auto offset = static_cast<std::int16_t>(PlanOffsetOf(month_, day_));
  settings_.PlanOffset = offset;
  if (offset != offsetAtOpening_) {
    dayState_.ReloadPending = true;
    StorePlanStart(this, settings_, offset);
  }
  CloseDialog(IDOK);
}

void StorePlanStart(TWindow *owner, Settings &settings, std::int16_t offset) {
  settings.PlanOffset = offset;
  if (const platform::Result<void> stored = StoreSettings(settings, {&Settings::PlanOffset});
      !stored)
    MessageBox(owner,
               FormatText(TranslatedText("Messages", "The start date could not be saved.\n%1\nIt "
                                                     "will be used until you exit."),
                          {stored.error()}),
               TR_NOOP("Messages", "Plan Start Date"), MB_ICONEXCLAMATION);
}
