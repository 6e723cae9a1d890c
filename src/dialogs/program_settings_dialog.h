#pragma once

// The Program Settings dialog: the quote method and the on/off options.
// OK changes the settings for this run; Save also writes them to the
// settings file.

#include "framework/dialog.h"

class TProgramSettingsDialog : public TDialog {
public:
  explicit TProgramSettingsDialog(TWindow *parent);

  void CmOk() override;
  void CmSave(unsigned);
  void CmHelp(unsigned);
  void CmScreenSaver(unsigned);

protected:
  void SetupWindow() override;
  bool Respond(const TMessage &msg) override;

private:
  void ReadControls();
};
