#pragma once

// The Package Settings dialog: switching packages on (.QXP) and off (.OFF)
// by renaming them, and giving each enabled package a font face and size,
// or the default font for every package without a font of its own.

#include <string>

#include "framework/dialog.h"

struct DayState;
struct Settings;

class TPackageSettingsDialog : public TDialog {
public:
  TPackageSettingsDialog(TWindow *parent, Settings &settings, DayState &dayState);

  // What the user did last: 0 nothing yet, 101/102 selected an enabled or a
  // disabled package, 103/104 picked a font or a size, 11 switched a package,
  // 159 assigned a font, 160/161 set or cleared the default font.
  int LastAction = 0;

  void CmOk() override;
  void CmOnOff(unsigned);
  void CmAssign(unsigned);
  void CmSetDefault(unsigned);
  void CmClearDefault(unsigned);
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
  Settings &settings_;
  DayState &dayState_;
  void FillPackageLists();
  // Whether the selected package is an enabled one (its extension starts
  // with anything but "o").
  bool EnabledPackageSelected() const;
  // Stores the default font (an empty face: none) and shows the packages
  // it is for in it.
  void StoreDefaultFont(const std::string &face, int size, int action);
  void ShowDefaultFont();
  // The window lays the day out again in the fonts now in the entries, and
  // the day is loaded again when the dialog closes.
  void ShowNewFonts(int action);

  std::string selected_;
};
