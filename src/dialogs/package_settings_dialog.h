#pragma once

// The Package Settings dialog: switching packages on (.QXP) and off (.OFF)
// by renaming them, and giving each enabled package a font face and size.

#include <string>

#include "framework/dialog.h"

class TPackageSettingsDialog : public TDialog {
public:
  explicit TPackageSettingsDialog(TWindow *parent);

  // What the user did last: 0 nothing yet, 101/102 selected an enabled or a
  // disabled package, 103/104 picked a font or a size, 11 switched a package,
  // 159 assigned a font.
  int LastAction = 0;

  void CmOk() override;
  void CmOnOff(unsigned);
  void CmAssign(unsigned);
  void CmHelp(unsigned);
  void EvEnabledSelected();
  void EvDisabledSelected();
  void EvFontPicked();
  void EvSizePicked();
  void EvDoubleClick();

protected:
  void SetupWindow() override;
  bool Respond(const TMessage &msg) override;

private:
  void FillPackageLists();
  // Whether the selected package is an enabled one (its extension starts
  // with anything but "o").
  bool EnabledPackageSelected() const;

  std::string selected_;
};
