#pragma once

// The Package Settings dialog: switching the day's sources on and off (a
// package by renaming it between .QXP and .OFF, a devotional in the
// settings file), and giving each enabled one a font face and size, or the
// default font for every source without a font of its own.

#include <string>
#include <vector>

#include "content/day_sources.h"

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
  // The source the lists show as selected_; null when none.
  const TDaySource *SelectedSource() const;
  bool EnabledPackageSelected() const;
  // Switches the selected source; false, after saying why, when it could
  // not be.
  bool SwitchPackage(const TDaySource &source);
  bool SwitchDevotional(const TDaySource &source);
  // Stores the default font (an empty face: none) and shows the packages
  // it is for in it.
  void StoreDefaultFont(const std::string &face, int size, int action);
  void ShowDefaultFont();
  // The window lays the day out again in the fonts now in the entries, and
  // the day is loaded again when the dialog closes.
  void ShowNewFonts(int action);

  // The sources as the lists show them, read when the lists are filled.
  std::vector<TDaySource> sources_;
  std::string selected_;
};
