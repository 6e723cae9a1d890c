#include "app/window_placement.h"

#include "content/settings_file.h"

#include <string>

namespace {
// The smallest side a window keeps; also the part of its frame's top-left
// corner (its title bar) that must lie on the screen for it to be grabbed.
constexpr int SmallestSide = 40;
} // namespace

TWindowPlacement CheckedPlacement(TWindowPlacement saved, int screenWidth, int screenHeight) {
  bool fits = saved.x >= 0 && saved.y >= 0 && saved.cx >= SmallestSide &&
              saved.cy >= SmallestSide && saved.x <= screenWidth && saved.y <= screenHeight &&
              saved.cx <= screenWidth && saved.cy <= screenHeight;
  if (!fits)
    return {0, 0, static_cast<std::int16_t>(screenWidth), static_cast<std::int16_t>(screenHeight)};
  // A frame saved on a larger screen may hang off this one with only a corner
  // showing: it comes on as far as it must, keeping its size.
  if (saved.x > screenWidth - SmallestSide)
    saved.x = static_cast<std::int16_t>(screenWidth - saved.cx);
  if (saved.y > screenHeight - SmallestSide)
    saved.y = static_cast<std::int16_t>(screenHeight - saved.cy);
  return saved;
}

TWindowPlacement ReadWindowPlacement(int screenWidth, int screenHeight) {
  TWindowPlacement saved;
  saved.x = static_cast<std::int16_t>(ReadSettingInt("x", 0));
  saved.y = static_cast<std::int16_t>(ReadSettingInt("y", 0));
  saved.cx = static_cast<std::int16_t>(ReadSettingInt("cx", screenWidth));
  saved.cy = static_cast<std::int16_t>(ReadSettingInt("cy", screenHeight));
  return CheckedPlacement(saved, screenWidth, screenHeight);
}

std::vector<platform::ProfileSetting> WindowPlacementValues(int left, int top, int right,
                                                            int bottom) {
  auto number = [](int value) { return std::to_string(value); };
  // The sizes are kept in 16 bits, as they are read back.
  return {{"x", number(left)},
          {"y", number(top)},
          {"cx", number(static_cast<std::int16_t>(right - left))},
          {"cy", number(static_cast<std::int16_t>(bottom - top))}};
}

std::vector<platform::ProfileSetting> FirstWindowPlacementValues(int screenWidth,
                                                                 int screenHeight) {
  for (const char *key : {"x", "y", "cx", "cy"})
    if (!ReadSettingText(key, "", 2).empty())
      return {};
  const int left = screenWidth / 6, top = screenHeight / 6;
  return WindowPlacementValues(left, top, left + screenWidth * 2 / 3, top + screenHeight * 2 / 3);
}
