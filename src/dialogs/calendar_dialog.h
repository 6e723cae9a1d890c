#pragma once

// The Calendar: a month as a grid of day numbers, opening on the current
// month, with buttons a month back and forward. Modeless; at most one.

#include "framework/dialog.h"

struct DayState;
struct Settings;

class TCalendar : public TDialog {
public:
  TCalendar(TWindow *parent, Settings &settings, DayState &dayState);

  // Fills the title and the grid for the shown month and year.
  void FillMonth();
  void CmPrevious(unsigned);
  void CmNext(unsigned);

  int Month() const { return month_; }
  int Year() const { return year_; }

protected:
  void SetupWindow() override;
  bool Respond(const TMessage &msg) override;

private:
  Settings &settings_;
  DayState &dayState_;
  int day_ = 1;
  int month_ = 1;
  int year_ = 2000;
};
