#pragma once

// What the program keeps while it runs, in one object with an owner: the
// settings, the day (with today's date and the day's entries) and the open
// modeless dialogs. RunApplication owns it for the run (a test, for its
// test), and lends it to the application object, which lends it to the main
// window; the windows and dialogs are given the parts they use. A new object
// holds what a new process starts with.
//
// The few program-wide variables left are the windowing layer's process
// state (framework/framework_state.h) and the main window's handle
// (MainWindowHandle), which the signal handling and the DDE call-back reach
// without an owner; ResetProgramState puts them back.

#include <memory>

#include "content/day_state.h"
#include "content/settings.h"

class TBibleShelf;
class TCalendar;
class TReadingView;
class TReferencesDialog;

struct TProgram {
  TProgram();
  ~TProgram();
  TProgram(const TProgram &) = delete;
  TProgram &operator=(const TProgram &) = delete;

  Settings settings;
  DayState day;
  // The modeless Calendar and References dialog while the main window
  // exists; each is open while it is there and its window is.
  std::unique_ptr<TCalendar> CalendarDialog;
  std::unique_ptr<TReferencesDialog> ReferencesDialog;
  // The modeless window of the day's passages, and the Bibles it has opened
  // (kept for the rest of the run: opening one costs its files' check and a
  // manager of libsword's).
  std::unique_ptr<TReadingView> ReadingView;
  std::unique_ptr<TBibleShelf> Bibles;

  bool CalendarOpen() const;
  bool ReferencesOpen() const;
  bool ReadingViewOpen() const;
};

// Puts the program-wide variables that remain back to how a new process
// starts: no window, no close request or quit waiting. The app layer's tests
// start here, with a new TProgram; those of the layers below, which do not
// link this one, from their layers' resets (tests/support/layer_reset.h).
void ResetProgramState();
