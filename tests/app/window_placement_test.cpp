#include "app/window_placement.h"

#include <gtest/gtest.h>

#include "content/settings_file.h"
#include "support/config_sandbox.h"

namespace {

constexpr int W = 1920, H = 1080;
const TWindowPlacement FullScreen{0, 0, W, H};

TEST(CheckedPlacementTest, KeepsARectangleOnTheScreen) {
  EXPECT_EQ(CheckedPlacement({10, 20, 800, 600}, W, H), (TWindowPlacement{10, 20, 800, 600}));
  EXPECT_EQ(CheckedPlacement({0, 0, 40, 40}, W, H), (TWindowPlacement{0, 0, 40, 40}));
  EXPECT_EQ(CheckedPlacement({W, H, W, H}, W, H), (TWindowPlacement{W, H, W, H}));
}

TEST(CheckedPlacementTest, JudgesEachValueAloneNotTheirSums) {
  // The frame then reaches beyond the right edge; that is accepted.
  EXPECT_EQ(CheckedPlacement({W - 10, 0, W, H}, W, H), (TWindowPlacement{W - 10, 0, W, H}));
}

TEST(CheckedPlacementTest, ReplacesAllFourWhenAnyFails) {
  EXPECT_EQ(CheckedPlacement({10, 20, 39, 600}, W, H), FullScreen);
  EXPECT_EQ(CheckedPlacement({10, 20, 800, 39}, W, H), FullScreen);
  EXPECT_EQ(CheckedPlacement({-1, 20, 800, 600}, W, H), FullScreen);
  EXPECT_EQ(CheckedPlacement({10, -4, 800, 600}, W, H), FullScreen);
  EXPECT_EQ(CheckedPlacement({W + 1, 0, 800, 600}, W, H), FullScreen);
  EXPECT_EQ(CheckedPlacement({0, H + 1, 800, 600}, W, H), FullScreen);
  EXPECT_EQ(CheckedPlacement({0, 0, W + 1, 600}, W, H), FullScreen);
  EXPECT_EQ(CheckedPlacement({0, 0, 800, H + 1}, W, H), FullScreen);
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
  ASSERT_TRUE(WriteSettings(WindowPlacementValues(-30, 10, 770, 610), error)) << error;
  EXPECT_EQ(ReadSettingInt("x", 0), -30);
  EXPECT_EQ(ReadSettingInt("cx", 0), 800);
  EXPECT_EQ(ReadSettingInt("cy", 0), 600);
  EXPECT_EQ(ReadWindowPlacement(W, H), FullScreen);
}

} // namespace
