#pragma once

// The About Packages box (every source of the day's entries, enabled or
// not, with its description) and the About box (the program's name, version
// and platform).

#include <vector>

#include "content/day_sources.h"
#include "framework/dialog.h"
#include "platform/translatable.h"

inline constexpr const char *ProgramVersion = "2.20";
inline constexpr const char *ProgramPlatform = TR_NOOP("ABOUTSELWARTH", "for Linux");

class TAboutPackagesDialog : public TDialog {
public:
  explicit TAboutPackagesDialog(TWindow *parent);
  void EvSelChange();

protected:
  void SetupWindow() override;
  bool Respond(const TMessage &msg) override;

private:
  void ShowDescription();
  std::vector<TDaySource> sources_;
};

class TAboutSelwarthDialog : public TDialog {
public:
  explicit TAboutSelwarthDialog(TWindow *parent);

protected:
  void SetupWindow() override;
};
