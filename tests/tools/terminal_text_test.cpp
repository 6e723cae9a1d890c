#include "qxp/terminal_text.h"

#include <gtest/gtest.h>

namespace {

TEST(TerminalTextTest, WritesWhatATerminalWouldActOnAsAQuestionMark) {
  const struct {
    const char *text;
    const char *shown;
  } cases[] = {
      {"One\r\nTwo\r\n", "One\nTwo\n"},
      {"\xE4\xB8\xAD\xD7\x91\xCE\xBB", "\xE4\xB8\xAD\xD7\x91\xCE\xBB"}, // every script as it is
      {"a\xC2\x9B"
       "31mb",
       "a?31mb"}, // a C1 control sequence introducer
      {"a\xC2\x81"
       "b\x1B"
       "c\x7F",
       "a?b?c?"},                               // what an unassigned byte became, ESC, DEL
      {"caf\xE9 \xB7", "caf\xC3\xA9 \xC2\xB7"}, // code page 1252 bytes, as the program reads them
      {"\x9B", "\xE2\x80\xBA"},                 // the 1252 byte 0x9B is a quotation mark
  };
  for (const auto &[text, shown] : cases)
    EXPECT_EQ(qxp::TerminalUtf8(text), shown) << text;
}

TEST(TerminalTextTest, GivesWideCharactersTwoColumnsAndCombiningMarksNone) {
  const struct {
    char32_t character;
    int columns;
  } cases[] = {
      {U'a', 1},      {U'\u00E9', 1}, {U'\u03BB', 1}, {U'\u0416', 1}, {U'\u05D1', 1},
      {U'\u4E2D', 2}, {U'\u3042', 2}, {U'\uFF21', 2}, {U'\u0301', 0}, {U'\u0085', 1},
  };
  for (const auto &[character, columns] : cases)
    EXPECT_EQ(qxp::TerminalColumns(character), columns) << static_cast<unsigned>(character);
}

} // namespace
