#include "platform/code_page_1252.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/utf8.h"

namespace {

using platform::Cp1252BestFit;
using platform::Cp1252ToUtf8;
using platform::ToCp1252;
using platform::ToUtf8;

TEST(CodePage1252Test, EveryByteComesBackThroughUtf8) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte)
    all.push_back(static_cast<char>(byte));
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_TRUE(platform::IsUtf8(utf8));
  EXPECT_EQ(ToCp1252(utf8), all);
  // A byte alone, as the program reads what is not UTF-8, is itself too.
  EXPECT_EQ(ToCp1252(all), all);
  EXPECT_EQ(ToUtf8(all), utf8);
  for (int byte = 0; byte < 256; ++byte) {
    const auto b = static_cast<unsigned char>(byte);
    EXPECT_EQ(Cp1252BestFit(platform::Cp1252Character(b)), b) << byte;
  }
}

TEST(CodePage1252Test, TheUnassignedBytesAreTheC1ControlsOfTheirNumber) {
  int unassigned = 0;
  for (int byte = 0; byte < 256; ++byte)
    if (!platform::Cp1252Assigned(static_cast<unsigned char>(byte))) {
      ++unassigned;
      EXPECT_EQ(platform::Cp1252Character(static_cast<unsigned char>(byte)),
                static_cast<char32_t>(byte));
    }
  EXPECT_EQ(unassigned, 5);
  EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
  EXPECT_EQ(Cp1252ToUtf8("\x80\x97\xE9"), "\xE2\x82\xAC\xE2\x80\x94\xC3\xA9");
}

TEST(CodePage1252Test, ACharacterTheCodePageLacksIsWrittenAsWindowsWritesIt) {
  const struct {
    const char *utf8;
    const char *written;
  } cases[] = {
      {"\xC4\x80\xC4\x81\xC5\x82", "Aal"},    // Latin letters: their bare letter
      {"\xC4\x90", "\xD0"},                   // D with stroke: Eth
      {"\xCE\xB1\xCE\xB2\xCE\xA9", "a\xDFO"}, // the few Greek letters it fits
      {"\xCE\xB3\xD0\x96", "??"},             // and the rest of Greek, Cyrillic
      {"\xE4\xB8\xAD\xD7\x91", "??"},         // Chinese, Hebrew
      {"e\xCC\x81", "e\xB4"},                 // a combining acute: the accent
      {"\xE2\x88\x9E \xE2\x80\x90", "8 -"},   // infinity, hyphen
      {"\xEF\xBC\xA1\xEF\xBD\x9E", "A~"},     // fullwidth forms: ASCII
      {"\xE3\x80\x80\xE3\x83\xBB", " \xB7"},  // ideographic space, katakana dot
      {"\xF0\x9F\x98\x80", "?"},              // beyond the basic plane
      {"\xEF\xBF\xBD", "?"},                  // the replacement character
  };
  for (const auto &[utf8, written] : cases)
    EXPECT_EQ(ToCp1252(utf8), written) << utf8;
}

TEST(CodePage1252Test, BytesThatAreNotUtf8StandForTheirCodePage1252Character) {
  const struct {
    std::string text;
    std::string utf8;
  } cases[] = {
      {"Caf\xE9", "Caf\xC3\xA9"},                       // a lone high byte
      {"\xC3\xA9", "\xC3\xA9"},                         // well-formed: one character
      {"\xC3", "\xC3\x83"},                             // a cut sequence
      {"\xE4\xB8", "\xC3\xA4\xC2\xB8"},                 // cut after two of three
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                 // overlong
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"}, // a surrogate
      {"\xA9\xC3\xA9", "\xC2\xA9\xC3\xA9"},             // stray, then well-formed
  };
  for (const auto &[text, utf8] : cases) {
    EXPECT_EQ(ToUtf8(text), utf8) << text;
    EXPECT_TRUE(platform::IsUtf8(ToUtf8(text)));
  }
}

} // namespace
