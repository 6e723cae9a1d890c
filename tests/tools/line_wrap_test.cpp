#include "qxp/line_wrap.h"

#include <gtest/gtest.h>

#include <string>

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

// In UTF-8, a line's width is the columns a terminal gives it: two for a
// Chinese character, none for a combining mark.
TEST(LineWrapTest, CountsTheColumnsOfATerminalInUtf8) {
  struct Case {
    const char *text;
    const char *wrapped;
  };
  const Case cases[] = {
      // Greek letters of two bytes each take a column each.
      {"\xCE\xB1\xCE\xB2\xCE\xB3\xCE\xB4 \xCE\xB5\xCE\xB6\xCE\xB7\xCE\xB8\xCE\xB9",
       "\xCE\xB1\xCE\xB2\xCE\xB3\xCE\xB4 \xCE\xB5\xCE\xB6\xCE\xB7\xCE\xB8\xCE\xB9"},
      // Six Chinese characters take twelve columns: cut between two of them.
      {"\xE4\xB8\x80\xE4\xBA\x8C\xE4\xB8\x89\xE5\x9B\x9B\xE4\xBA\x94\xE5\x85\xAD",
       "\xE4\xB8\x80\xE4\xBA\x8C\xE4\xB8\x89\xE5\x9B\x9B\xE4\xBA\x94\r\n\xE5\x85\xAD"},
      {"one two three four", "one two\r\nthree four"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(qxp::WrapLines(c.text, 10, qxp::WrapMeasure::Columns), c.wrapped) << c.text;
  // A combining acute takes no column and stays with its letter.
  std::string accented;
  for (int i = 0; i < 10; ++i)
    accented += "e\xCC\x81";
  EXPECT_EQ(qxp::WrapLines(accented + " x", 10, qxp::WrapMeasure::Columns), accented + "\r\nx");
  // Counted as bytes, the Greek would break at its space.
  EXPECT_EQ(qxp::WrapLines(cases[0].text, 10), "\xCE\xB1\xCE\xB2\xCE\xB3\xCE\xB4\r\n"
                                               "\xCE\xB5\xCE\xB6\xCE\xB7\xCE\xB8\xCE\xB9");
}

} // namespace
