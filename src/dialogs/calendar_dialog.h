#pragma once

// The Calendar: a month as a grid of day numbers, opening on the current
// month, with buttons a month back and forward. Modeless; at most one.

#include "framework/dialog.h"

// Set while a calendar window exists.
extern bool CalendarOpen;

class TCalendar : public TDialog {
public:
  explicit TCalendar(TWindow *parent);

  // Fills the title and the grid for the shown month and year.
  void FillMonth();
  void CmPrevious(unsigned);
  void CmNext(unsigned);

  int Month() const { return month_; }
  int Year() const { return year_; }

protected:
  void SetupWindow() override;
  void CleanupWindow() override;
  bool Respond(const TMessage &msg) override;

private:
  int day_ = 1;
  int month_ = 1;
  int year_ = 2000;
};
