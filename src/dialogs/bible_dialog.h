#pragma once

// Settings > Bible: the installed SWORD Bibles by abbreviation (or name,
// where two share one), each with its full name for a screen reader; OK
// stores the chosen module's name as ReadingBible, the Bible the day's
// passages are read in.

#include <vector>

#include "framework/dialog.h"
#include "scripture/sword_modules.h"

struct Settings;

class TBibleDialog : public TDialog {
public:
  TBibleDialog(TWindow *parent, Settings &settings);

  void CmOk() override;

protected:
  void SetupWindow() override;
  bool Respond(const TMessage &msg) override;

private:
  void CmChosen() { CmOk(); }

  Settings &settings_;
  std::vector<TSwordModule> bibles_;
};
