#include "content/increment_number.h"

#include <gtest/gtest.h>

#include "content/settings_file.h"
#include "support/config_sandbox.h"
#include "support/prepared_settings.h"

namespace {

TEST(IncrementNumberTest, WrapsIntoTheDaySlots) {
  EXPECT_EQ(WrapIncrementNumber(0), 0);
  EXPECT_EQ(WrapIncrementNumber(365), 365);
  EXPECT_EQ(WrapIncrementNumber(366), 0);
  EXPECT_EQ(WrapIncrementNumber(731), 365);
  // A negative stored value, as an unsigned 16-bit number, also lands in range.
  EXPECT_EQ(WrapIncrementNumber(static_cast<std::uint16_t>(-1)), 65535 % 366);
  for (unsigned n = 0; n <= 0xFFFF; ++n)
    ASSERT_LE(WrapIncrementNumber(static_cast<std::uint16_t>(n)), 365);
}

TEST(IncrementNumberTest, TakesTheStoredSlotAndStoresTheNext) {
  testsupport::ConfigSandbox sandbox;
  EXPECT_EQ(TakeIncrementNumber(), 0); // absent key
  EXPECT_EQ(ReadSettingInt("IncrementNum", -1), 1);
  EXPECT_EQ(TakeIncrementNumber(), 1);
  EXPECT_EQ(ReadSettingInt("IncrementNum", -1), 2);

  WriteSettingInt("IncrementNum", 365);
  EXPECT_EQ(TakeIncrementNumber(), 365);
  EXPECT_EQ(ReadSettingInt("IncrementNum", -1), 0);

  WriteSettingInt("IncrementNum", -1);
  EXPECT_EQ(TakeIncrementNumber(), 65535 % 366);
  EXPECT_EQ(ReadSettingInt("IncrementNum", -1), 0); // 65536 as 16 bits is 0
}

} // namespace
