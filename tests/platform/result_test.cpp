#include "platform/result.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using platform::Failure;
using platform::Result;

enum class Kind { First, Second };

Result<void, platform::Fault<Kind>> Check(bool sound) {
  if (!sound)
    return Failure(Kind::Second, "why");
  return {};
}

// A value or a failure passed on to a caller's own Result, as the readers do.
Result<std::unique_ptr<int>, platform::Fault<Kind>> Make(bool sound) {
  if (Result<void, platform::Fault<Kind>> checked = Check(sound); !checked)
    return platform::Unexpected(std::move(checked).error());
  return std::make_unique<int>(7);
}

TEST(ResultTest, CarriesAMoveOnlyValueOrTheKindAndMessageThroughACaller) {
  EXPECT_TRUE(Check(true));
  Result<std::unique_ptr<int>, platform::Fault<Kind>> made = Make(true);
  ASSERT_TRUE(made.has_value());
  EXPECT_EQ(**made, 7);
  std::unique_ptr<int> taken = std::move(made).value();
  EXPECT_EQ(*taken, 7);

  made = Make(false);
  ASSERT_FALSE(made);
  EXPECT_EQ(made.error().kind, Kind::Second);
  EXPECT_EQ(made.error().message, "why");
  Result<void> plain = Failure("words");
  EXPECT_FALSE(plain.has_value());
  EXPECT_EQ(plain.error(), "words");
}

} // namespace
