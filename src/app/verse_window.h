#pragma once

// The main text window: it shows the day's entries of every enabled package.

#include "framework/window.h"

class TVerseWindow : public TWindow {
public:
  TVerseWindow();
};

// The one verse window, published when it is set up.
extern TVerseWindow *MainWindowHandle;
