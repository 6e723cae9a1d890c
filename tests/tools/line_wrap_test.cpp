#include "qxp/line_wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "qxp/line_stream.h"

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

// The day's text goes out through a line stream as stdio hands it on, in
// pieces that end anywhere, a line end's CR in one and its LF in the next
// among them: each line is wrapped whole, as if the text were wrapped at
// once, and the text after the last line end goes out at the close.
TEST(LineWrapTest, TextWrappedOnItsWayOutIsWrappedAsAWhole) {
  std::string text = "Title\r\n";
  while (text.size() < 9000)
    text += "word and words ";
  text += "\r\n\r\nthe last line, with no end of its own";
  const std::string wrapped = qxp::WrapLines(text, 40);
  for (std::size_t pieceSize : {1u, 7u, 4096u, 100'000u}) {
    SCOPED_TRACE(pieceSize);
    char *buffer = nullptr;
    std::size_t size = 0;
    std::FILE *out = open_memstream(&buffer, &size);
    ASSERT_NE(out, nullptr);
    qxp::LineStream lines(out, [](std::string_view line) { return qxp::WrapLines(line, 40); });
    ASSERT_NE(lines.Stream(), nullptr);
    for (std::size_t at = 0; at < text.size(); at += pieceSize) {
      const std::string_view piece = std::string_view(text).substr(at, pieceSize);
      std::fwrite(piece.data(), 1, piece.size(), lines.Stream());
      std::fflush(lines.Stream());
    }
    EXPECT_EQ(lines.Close(), 0);
    std::fclose(out);
    std::unique_ptr<char, decltype(&std::free)> owned(buffer, &std::free);
    EXPECT_EQ(std::string(buffer, size), wrapped);
  }

  // A full disk is told at the close, however little was written.
  std::FILE *full = std::fopen("/dev/full", "w");
  ASSERT_NE(full, nullptr);
  qxp::LineStream lines(full, nullptr);
  std::fputs("a line\r\n", lines.Stream());
  EXPECT_EQ(lines.Close(), ENOSPC);
  std::fclose(full);
}

} // namespace
