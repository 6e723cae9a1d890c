#pragma once

// Where the main window opens: the rectangle saved when it last closed, if it
// still makes sense on the current screen, else the whole screen.

#include <cstdint>
#include <vector>

#include "platform/profile.h"

struct TWindowPlacement {
  std::int16_t x = 0;
  std::int16_t y = 0;
  std::int16_t cx = 0;
  std::int16_t cy = 0;
  bool operator==(const TWindowPlacement &) const = default;
};

// The saved values as they are when each lies on a screen of width by
// height (x, y at least 0 and at most the screen's size; cx, cy at least 40
// and at most the screen's size); otherwise 0, 0, width, height. Each value
// is judged alone, not their sums. A frame that passes but would show less
// than the top-left 40 x 40 of itself (where its title bar is) is moved
// onto the screen, keeping its size.
TWindowPlacement CheckedPlacement(TWindowPlacement saved, int screenWidth, int screenHeight);

// Reads x, y, cx, cy (defaults 0, 0, width, height) and checks them.
TWindowPlacement ReadWindowPlacement(int screenWidth, int screenHeight);

// The frame's screen rectangle as the settings x, y, cx, cy, to be written
// with the others saved on close.
std::vector<platform::ProfileSetting> WindowPlacementValues(int left, int top, int right,
                                                            int bottom);

// A first window of two thirds of the screen, centred, as the settings x, y,
// cx, cy; none when any of them is stored already.
std::vector<platform::ProfileSetting> FirstWindowPlacementValues(int screenWidth, int screenHeight);
