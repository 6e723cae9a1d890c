#pragma once

// The Calendar: a month as a grid of day numbers, opening on the current
// month, with buttons a month back and forward, today's date marked. Enter,
// Space or a double click on a date shows that day. Modeless; at most one.

#include <functional>
#include <optional>

#include "content/plan_progress.h"
#include "framework/dialog.h"

struct DayState;
struct Settings;

class TCalendar : public TDialog {
public:
  TCalendar(TWindow *parent, Settings &settings, DayState &dayState);

  // Fills the title and the grid for the shown month and year.
  void FillMonth();
  // Marks the dates whose reading of the plan starting on the slot
  // planOffset is read (none without marks), and fills the grid again when
  // it is shown.
  void MarkPlanReadings(const std::optional<PlanMarks> &marks, int planOffset);
  void CmPrevious(unsigned);
  void CmNext(unsigned);
  // Called with the date (year, month, day) the user chose.
  std::function<void(int, int, int)> ShowDate;

  int Month() const { return month_; }
  int Year() const { return year_; }

protected:
  void SetupWindow() override;
  bool Respond(const TMessage &msg) override;

private:
  // Whether the plan reading of the shown month's day is marked read.
  bool ReadingRead(int day) const;

  Settings &settings_;
  DayState &dayState_;
  int day_ = 1;
  int month_ = 1;
  int year_ = 2000;
  // Today's date, as the calendar opened.
  int todayDay_ = 0, todayMonth_ = 0, todayYear_ = 0;
  std::optional<PlanMarks> planMarks_;
  int planOffset_ = 0;
};
