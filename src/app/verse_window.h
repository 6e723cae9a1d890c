#pragma once

// The main text window: it shows the day's entries of every enabled package.

#include "framework/window.h"

class TVerseWindow : public TWindow {
public:
  // Loads the day's content at once, before the window exists.
  TVerseWindow();

protected:
  void SetupWindow() override;
  void CleanupWindow() override;
};

// The one verse window, published when it is set up.
extern TVerseWindow *MainWindowHandle;
