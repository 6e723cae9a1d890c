#include "view/zoom.h"

#include <gtest/gtest.h>

#include "content/settings.h"

namespace {

TEST(ZoomTest, StepsGoToTheNeighbouringUsualStepWithinTheRange) {
  struct Case {
    int from, in, out;
  };
  for (const Case &c : {Case{100, 110, 90}, Case{50, 67, 50}, Case{400, 400, 300},
                        Case{130, 150, 125}, Case{67, 75, 50}, Case{399, 400, 300}})
    EXPECT_EQ(std::pair(int{ZoomStepIn(c.from)}, int{ZoomStepOut(c.from)}), std::pair(c.in, c.out))
        << "from " << c.from;
}

TEST(ZoomTest, SizesAreScaledAndRoundedButNeverVanish) {
  struct Case {
    std::int16_t zoom;
    int size, zoomed;
  };
  for (const Case &c : {Case{100, 10, 10}, Case{150, 10, 15}, Case{150, 7, 11}, Case{50, 1, 1},
                        Case{50, 3, 2}, Case{400, 30, 120}, Case{67, 10, 7}}) {
    EXPECT_EQ(ZoomedSize(c.size, c.zoom), c.zoomed) << c.size << " at " << c.zoom << "%";
  }
}

} // namespace
