#pragma once

// The References dialog: lists the reference pictures (.QXR) of the working
// directory and shows the one the user picks. Modeless; at most one.

#include <string>

#include "framework/dialog.h"

// Where the block of a picture the dialog shows (ShownPictureSide pixels
// square) sits in the picture control: its top-left corner at
// (w / 2 - 163, h / 2 - 163).
inline constexpr int ReferenceInset = 163;

struct Settings;

class TReferencesDialog : public TDialog {
public:
  TReferencesDialog(TWindow *parent, const Settings &settings);

  void CmShow(unsigned);
  void EvSelChange();
  void EvDoubleClick();

  const std::string &ShownName() const { return shown_; }

protected:
  void SetupWindow() override;
  void CleanupWindow() override;
  bool Respond(const TMessage &msg) override;

private:
  const Settings &settings_;
  std::string selected_;
  std::string shown_;
};
