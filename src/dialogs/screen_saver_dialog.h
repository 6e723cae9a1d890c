#pragma once

// The Screen Saver dialog: the user picks the enabled source (a package or
// a devotional) whose daily text goes to the screen saver. Accepting stores the choice at once, in
// the settings file and in memory, and sets ReloadPending.

#include <string>

#include "framework/dialog.h"

struct DayState;
struct Settings;

class TScreenSaverDialog : public TDialog {
public:
  TScreenSaverDialog(TWindow *parent, Settings &settings, DayState &dayState);

  void CmOk() override;
  void CmHelp(unsigned);
  void EvSelChange();

protected:
  void SetupWindow() override;
  bool Respond(const TMessage &msg) override;

private:
  Settings &settings_;
  DayState &dayState_;
  std::string selection_;
};
