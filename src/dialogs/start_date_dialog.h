#pragma once

// The Plan Start Date dialog: the day of the year the reading plan starts,
// chosen as a month and a day of a 365-day year and stored as PlanOffset.

#include <cstdint>

#include "framework/dialog.h"

struct DayState;
struct Settings;

class TSetStartDateDialog : public TDialog {
public:
  TSetStartDateDialog(TWindow *parent, Settings &settings, DayState &dayState);

  void CmOk() override;
  void CmMonthBack(unsigned);
  void CmMonthForward(unsigned);
  void CmDayBack(unsigned);
  void CmDayForward(unsigned);

protected:
  void SetupWindow() override;
  bool Respond(const TMessage &msg) override;

private:
  Settings &settings_;
  DayState &dayState_;
  void ShowMonth();
  void ShowDay();
  void ClampDay();

  int month_ = 1;
  int day_ = 1;
  std::int16_t offsetAtOpening_ = 0;
};

// Makes offset the plan's start (PlanOffset) and stores it, as the dialog's
// OK does for a changed date; a failed write is told in a box owned by
// owner, and the start is used until the program ends.
void StorePlanStart(TWindow *owner, Settings &settings, std::int16_t offset);
