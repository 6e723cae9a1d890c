#include "content/oem_to_ansi.h"

#include <gtest/gtest.h>

namespace {

TEST(OemToAnsiTest, KeepsTheLowerHalf) {
  for (int b = 0; b < 0x80; ++b)
    EXPECT_EQ(OemToAnsi(static_cast<unsigned char>(b)), b);
}

TEST(OemToAnsiTest, MapsCharactersBothCodePagesHave) {
  const std::pair<unsigned char, unsigned char> same[] = {
      {0x80, 0xC7}, {0x81, 0xFC}, {0x82, 0xE9}, {0x9B, 0xA2}, {0x9F, 0x83},
      {0xA8, 0xBF}, {0xE1, 0xDF}, {0xE6, 0xB5}, {0xF8, 0xB0}, {0xFA, 0xB7},
  };
  for (const auto &[oem, ansi] : same)
    EXPECT_EQ(OemToAnsi(oem), ansi) << std::hex << int(oem);
}

TEST(OemToAnsiTest, MissingCharactersAndExceptions) {
  const std::pair<unsigned char, unsigned char> special[] = {
      {0xB3, 0xA4}, {0xE0, 0xA4}, {0x9E, 0xA4}, // not in code page 1252
      {0xC4, 0xAD}, {0xCD, 0x3D}, {0xF9, 0xB7}, // lines and bullet
      {0xAA, 0xA4}, {0xFF, 0xA4},               // present, but still 0xA4
  };
  for (const auto &[oem, ansi] : special)
    EXPECT_EQ(OemToAnsi(oem), ansi) << std::hex << int(oem);
}

TEST(OemToAnsiTest, ConvertsAWholeText) {
  std::string text = "Caf\x82 \x81"
                     "ber \xC4\xC4";
  ConvertOemToAnsi(text);
  EXPECT_EQ(text, "Caf\xE9 \xFC"
                  "ber \xAD\xAD");
}

} // namespace
