#pragma once

// The main text window: it shows the day's entries of every enabled package,
// keeps the date on the menu bar current, notices the change of date, and
// answers every menu command and accelerator of the main window.

#include <cstdint>
#include <memory>
#include <string>

#include "concordance_link/conversation_slot.h"
#include "content/plan_progress.h"
#include "framework/response_table.h"
#include "framework/window.h"
#include "view/verse_picture.h"

struct DayState;
struct Settings;
struct TProgram;
class TFrameWindow;

// A part of a reading plan's progress line in the interface's language
// (ProgressWords).
std::string LocalProgressWords(const char *pattern, int first, int second);

// The window also holds the program's one DDE conversation (HConv,
// HszService, HszTopic, ConnectServer, EndConversation), which the links and
// the DDE Settings dialog share.
class TVerseWindow : public TWindow, public TConversationSlot {
public:
  // Loads the day's content at once, before the window exists. The window
  // works on program, which outlives it.
  explicit TVerseWindow(TProgram &program);
  ~TVerseWindow() override;

  // Writes the day's TodayText into the menu bar's date item.
  void UpdateDateItem();
  // The frame's title: "Selwarth", followed by the shown day's date while
  // that is not today (after Day Backward or Forward, or past midnight
  // without a reload).
  void UpdateTitle();

  // Recompute the vertical scroll range at the end of the next paint.
  bool ScrollRangeStale = true;
  // The day's drawing, kept while nothing it was laid out with changed.
  TVersePicture Picture;

  bool EnableCommand(TCommandEnabler &enabler) override;
  // The day's text as Copy Text builds it, one part an entry, the quiz
  // answers only while they are shown.
  std::optional<std::vector<std::string>> ReadableParts() const override;
  // Where the last paint drew them.
  std::vector<TRect> ReadablePartCells(std::size_t part) const override;

  // Runs the command's row of the command table.
  void OnCommand(unsigned id);
  // Day Backward, Forward and Reset.
  void OnDayCommand(unsigned id);
  // Enables and checks the command as its row says.
  void OnCommandEnable(TCommandEnabler &enabler);
  // The Links commands, 3051 to 3054.
  void CmLink(unsigned id);
  void EvSize(const TMessage &msg);
  void EvTimer(const TMessage &msg);
  void EvLButtonDblClk(const TMessage &msg);
  void EvSysCommand(const TMessage &msg);
  // Zoom In, Zoom Out and Normal Size, and the wheel turned with Ctrl held.
  void OnZoomCommand(unsigned id);
  void EvMouseWheel(const TMessage &msg);

protected:
  void SetupWindow() override;
  void CleanupWindow() override;
  void Paint(TDC &dc, bool erase, const TRect &rect) override;
  bool Respond(const TMessage &msg) override;

private:
  static const TResponseTable<TVerseWindow> &Responses();
  // Every command of the menu and the accelerators, one row each.
  static const TCommandTable<TVerseWindow> &Commands();
  TFrameWindow *Frame() const;
  void NewDay();
  // Runs Program Settings, then lays out, repaints or reloads as the changes
  // need, and applies Topmost.
  void RunProgramSettings();
  // Runs a dialog that may accept a change needing a reload, and reloads.
  template <class Dialog> void RunReloadingDialog();
  void ToggleAnswers();
  void OpenCalendar();
  // The Calendar's chosen date: its day shown, as a day step.
  void ShowDate(int year, int month, int day);
  void OpenReferences();
  // Links > Read Passages, and Settings > Bible.
  void OpenReadingView();
  void RunBibleSettings();
  void ToggleMenu();
  // Loads the day and notes which date it shows.
  void Load();
  // The reading plan's entry of the day shown (the first, if several show),
  // or null.
  const TDayEntry *ShownPlan() const;
  // Today's day slot, as the Date method chooses it without a day offset.
  int TodaySlot() const;
  // Reads the shown plan's marks again and gives every plan entry its
  // progress line, the window and an open calendar showing them.
  void ShowPlanProgress();
  // Mark Reading as Read: marks or unmarks the plan day shown.
  void ToggleReadMark();
  // Mark Earlier Days as Read: every plan day before the one shown.
  void MarkEarlierDays();
  // Whether a plan day before the one shown is unread.
  bool EarlierDayUnread() const;
  // Catch Up Reading Plan: moves the plan's start, after asking, so that the
  // first unread day is today's reading.
  void CatchUp();
  // Start Over: forgets the marks of a completed plan, after asking.
  void StartOverPlan();
  void SetZoom(std::int16_t percent);

  TProgram &program_;
  Settings &settings_;                 // the program's
  DayState &day_;                      // the program's
  std::string shownDay_;               // the date of the day shown, "" when unknown
  std::optional<PlanMarks> planMarks_; // the shown plan's marks; none without a plan
  int wheelTurn_ = 0;                  // the part of a wheel notch not yet zoomed by
  bool biblesInstalled_ = false;       // a SWORD Bible was installed at the last load
  bool zoomFailureTold_ = false;       // a zoom that could not be kept is told once
};

// The main window's title.
inline constexpr const char *ProgramTitle = "Selwarth";

// The one verse window, published when it is set up.
extern TVerseWindow *MainWindowHandle;

// The id and period of the day timer.
inline constexpr unsigned DayTimer = 1;
inline constexpr unsigned DayTimerPeriodMs = 10000;
