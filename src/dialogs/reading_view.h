#pragma once

// The day's passages to read, in the reader's own Bible (Links > Read
// Passages): the plan's morning and evening readings and the references of
// the daily verse and the proverb, as a document a screen reader reads.
// Modeless, at most one; Escape closes it, Ctrl+C copies its text, Ctrl+M
// marks the plan's day read (the main window's command), Ctrl+Plus,
// Ctrl+Minus and Ctrl+0 change the size of its text.

#include <string>

#include "framework/dialog.h"

struct DayState;
struct Settings;
class TBibleShelf;

class TReadingView : public TDialog {
public:
  // commands: the window Ctrl+M is sent to; shelf keeps the Bibles opened.
  TReadingView(TWindow *commands, Settings &settings, DayState &day, TBibleShelf &shelf);

  // Reads the day's passages again: another day, another Bible.
  void Refresh();

  // The size of its text, in percent, and its steps.
  static constexpr int MinZoom = 50, MaxZoom = 400, ZoomStep = 10;

protected:
  void SetupWindow() override;
  bool Respond(const TMessage &msg) override;
  const TAcceleratorTable *Accelerators() const override;

private:
  void CmCopy(unsigned);
  void CmMarkRead(unsigned);
  void OnZoom(unsigned id);

  TWindow *commands_;
  Settings &settings_;
  DayState &day_;
  TBibleShelf &shelf_;
};
