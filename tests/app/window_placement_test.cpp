#include "app/window_placement.h"

#include <gtest/gtest.h>

#include "content/settings_file.h"
#include "support/config_sandbox.h"
#include "support/noted.h"
#include "support/prepared_settings.h"

namespace {

constexpr int W = 1920, H = 1080;
const TWindowPlacement FullScreen{0, 0, W, H};

// Each saved value is judged alone, not their sums; when any one fails, all
// four give way to the full screen. A frame whose title bar would be off the
// screen comes on, keeping its size.
TEST(CheckedPlacementTest, KeepsARectangleOnTheScreenAndReplacesAllFourWhenAnyFails) {
  const struct {
    const char *What;
    TWindowPlacement Saved;
    TWindowPlacement Opened;
  } cases[] = {
      {"inside", {10, 20, 800, 600}, {10, 20, 800, 600}},
      {"the smallest", {0, 0, 40, 40}, {0, 0, 40, 40}},
      {"the largest, moved on", {W, H, W, H}, {0, 0, W, H}},
      {"reaching beyond the right edge", {W - 40, 0, W, H}, {W - 40, 0, W, H}},
      {"a corner on the screen", {W - 20, H - 20, 400, 300}, {W - 400, H - 300, 400, 300}},
      {"the title bar below the screen", {10, H - 39, 800, 600}, {10, H - 600, 800, 600}},
      {"the title bar right of the screen", {W - 39, 20, 800, 600}, {W - 800, 20, 800, 600}},
      {"too narrow", {10, 20, 39, 600}, FullScreen},
      {"too low", {10, 20, 800, 39}, FullScreen},
      {"left of the screen", {-1, 20, 800, 600}, FullScreen},
      {"above the screen", {10, -4, 800, 600}, FullScreen},
      {"right of the screen", {W + 1, 0, 800, 600}, FullScreen},
      {"below the screen", {0, H + 1, 800, 600}, FullScreen},
      {"wider than the screen", {0, 0, W + 1, 600}, FullScreen},
      {"taller than the screen", {0, 0, 800, H + 1}, FullScreen},
  };
  for (const auto &c : cases)
    EXPECT_EQ(CheckedPlacement(c.Saved, W, H), c.Opened) << c.What;
}

TEST(WindowPlacementTest, ReadsTheSavedRectangleAs16BitNumbers) {
  testsupport::ConfigSandbox sandbox;
  EXPECT_EQ(ReadWindowPlacement(W, H), FullScreen);

  WriteSettingInt("x", 100);
  WriteSettingInt("y", 50);
  WriteSettingInt("cx", 800);
  WriteSettingInt("cy", 65536 + 600); // kept as a 16-bit number: 600
  EXPECT_EQ(ReadWindowPlacement(W, H), (TWindowPlacement{100, 50, 800, 600}));

  // A smaller display than last time: the saved place no longer fits.
  EXPECT_EQ(ReadWindowPlacement(90, 1000), (TWindowPlacement{0, 0, 90, 1000}));
}

TEST(WindowPlacementTest, AFrameClosedBeyondTheLeftEdgeOpensFullScreenNextTime) {
  testsupport::ConfigSandbox sandbox;
  std::string error;
  ASSERT_TRUE(testsupport::Noted(WriteSettings(WindowPlacementValues(-30, 10, 770, 610)), error))
      << error;
  EXPECT_EQ(ReadSettingInt("x", 0), -30);
  EXPECT_EQ(ReadSettingInt("cx", 0), 800);
  EXPECT_EQ(ReadSettingInt("cy", 0), 600);
  EXPECT_EQ(ReadWindowPlacement(W, H), FullScreen);
}

} // namespace
