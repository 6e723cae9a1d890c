#pragma once

// The Program Settings dialog: the quote method and the on/off options.
// OK changes the settings for this run; Save also writes them to the
// settings file.

#include "framework/dialog.h"

struct DayState;
struct Settings;

class TProgramSettingsDialog : public TDialog {
public:
  TProgramSettingsDialog(TWindow *parent, Settings &settings, DayState &dayState);

  void CmOk() override;
  void CmSave(unsigned);
  void CmHelp(unsigned);
  void CmScreenSaver(unsigned);

protected:
  void SetupWindow() override;
  bool Respond(const TMessage &msg) override;

private:
  Settings &settings_;
  DayState &dayState_;
  void ReadControls();
};
