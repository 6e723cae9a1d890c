#include "qxp/line_wrap.h"

#include <gtest/gtest.h>

namespace {

TEST(LineWrapTest, BreaksAtTheLastSpaceThatFits) {
  struct Case {
    const char *text;
    std::size_t width;
    const char *wrapped;
  };
  const Case cases[] = {
      {"short\r\n", 10, "short\r\n"},
      {"one two three four\r\n", 10, "one two\r\nthree four\r\n"},
      {"exactly10!\r\n", 10, "exactly10!\r\n"},
      // The spaces at a break go; those inside a line stay.
      {"aaaa  bbbb   cccc\r\n", 10, "aaaa  bbbb\r\ncccc\r\n"},
      // A word longer than the width is cut.
      {"abcdefghijklmnop xy\r\n", 10, "abcdefghij\r\nklmnop xy\r\n"},
      // A leading indent is no place to break.
      {"   abcdefghijkl\r\n", 10, "   abcdefg\r\nhijkl\r\n"},
      // Empty lines and a last line without its end are kept.
      {"a\r\n\r\nb c d e f g h i j k", 10, "a\r\n\r\nb c d e f\r\ng h i j k"},
      {"", 10, ""},
  };
  for (const Case &c : cases)
    EXPECT_EQ(qxp::WrapLines(c.text, c.width), c.wrapped) << c.text;
}

} // namespace
