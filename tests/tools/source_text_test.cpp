// The code pages, UTF-8 and the escapes of source text.

#include <gtest/gtest.h>

#include "qxp/codepage.h"
#include "qxp/slot_names.h"
#include "qxp/source_text.h"

using qxp::CodePage;

namespace {

std::string Decode(std::string_view text, CodePage codePage = CodePage::Windows1252) {
  std::string error;
  auto decoded = qxp::DecodeSourceText(text, codePage, true, error);
  EXPECT_TRUE(decoded.has_value()) << error;
  return decoded ? decoded->bytes : "";
}

std::string DecodeError(std::string_view text, CodePage codePage = CodePage::Windows1252,
                        bool pieceBreaks = true) {
  std::string error;
  EXPECT_FALSE(qxp::DecodeSourceText(text, codePage, pieceBreaks, error).has_value());
  return error;
}

TEST(CodePages, MapCharactersFromTheRealCharts) {
  EXPECT_EQ(Decode("\xE2\x82\xAC"), "\x80"); // euro sign
  EXPECT_EQ(Decode("\xE2\x80\x9C"
                   "a\xE2\x80\x9D"),
            "\x93"
            "a\x94");                    // curly quotes
  EXPECT_EQ(Decode("\xC3\xA9"), "\xE9"); // é
  EXPECT_EQ(Decode("\xC3\xA9", CodePage::Ibm437), "\x82");
  EXPECT_EQ(Decode("\xC3\x9F", CodePage::Ibm437), "\xE1"); // ß
  EXPECT_EQ(Decode("\xC6\x92", CodePage::Ibm437), "\x9F"); // ƒ
}

TEST(CodePages, RefuseWhatTheCodePageLacksNamingTheCharacter) {
  EXPECT_EQ(DecodeError("x\xE4\xB8\xAD"), "U+4E2D '\xE4\xB8\xAD' is not in code page 1252");
  EXPECT_EQ(DecodeError("\xE2\x82\xAC", CodePage::Ibm437), // no euro sign in code page 437
            "U+20AC '\xE2\x82\xAC' is not in code page 437");
  EXPECT_EQ(DecodeError("\xE2\x94\x82"), "U+2502 '\xE2\x94\x82' is not in code page 1252");
}

TEST(CodePages, RefuseCodePage437CharactersTheProgramShowsAsOthers) {
  // The reader converts code page 437 to 1252; these do not come through.
  const std::pair<const char *, const char *> cases[] = {
      {"\xC2\xAC", "U+00AC '\xC2\xAC' is in code page 437, but the program shows it as U+00A4 "
                   "'\xC2\xA4'"},
      {"\xE2\x94\x82", "U+2502 '\xE2\x94\x82' is in code page 437, but the program shows it as "
                       "U+00A4 '\xC2\xA4'"},
      {"\xE2\x89\xA1", "U+2261 '\xE2\x89\xA1' is in code page 437, but the program shows it as "
                       "U+00A4 '\xC2\xA4'"},
      {"\xE2\x94\x80", "U+2500 '\xE2\x94\x80' is in code page 437, but the program shows it as "
                       "U+00AD '\xC2\xAD'"},
  };
  for (const auto &[text, error] : cases)
    EXPECT_EQ(DecodeError(text, CodePage::Ibm437), error) << text;
  // As bytes they may still be stored, and a dump writes them so.
  EXPECT_EQ(Decode("{xAA}", CodePage::Ibm437), "\xAA");
  EXPECT_EQ(qxp::EncodeSourceText("\xAA\xB3\x82", CodePage::Ibm437), "{xAA}{xB3}\xC3\xA9");
}

TEST(CodePages, EveryDefinedByteDecodesAndEncodesBack) {
  for (CodePage codePage : {CodePage::Windows1252, CodePage::Ibm437}) {
    int undefined = 0;
    for (int byte = 0x20; byte < 0x100; ++byte) {
      auto character = qxp::DecodeByte(codePage, static_cast<unsigned char>(byte));
      if (!character) {
        ++undefined;
        continue;
      }
      EXPECT_EQ(qxp::EncodeChar(codePage, *character), byte) << byte;
    }
    EXPECT_EQ(undefined, codePage == CodePage::Windows1252 ? 5 : 0);
  }
}

TEST(SourceText, RefusesControlCharactersAndBrokenUtf8) {
  EXPECT_EQ(DecodeError("a\tb"), "a tab is not allowed in text (use spaces)");
  EXPECT_EQ(DecodeError("a\rb"), "control character U+000D is not allowed in text");
  EXPECT_EQ(DecodeError("\xC2\x85"), "control character U+0085 is not allowed in text");
  EXPECT_EQ(DecodeError("ab\xFF"), "the text is not valid UTF-8 (byte 0xFF)");
  EXPECT_EQ(DecodeError("\xC0\xAF"), "the text is not valid UTF-8 (byte 0xC0)");     // overlong
  EXPECT_EQ(DecodeError("\xED\xA0\x80"), "the text is not valid UTF-8 (byte 0xED)"); // surrogate
  EXPECT_EQ(DecodeError("\xE2\x82"), "the text is not valid UTF-8 (byte 0xE2)");     // cut short
}

TEST(SourceText, EscapesGiveBytesAndPieceBreaks) {
  EXPECT_EQ(Decode("{x20}a{x7b}{x81}{x09}"), " a{\x81\t");
  EXPECT_EQ(Decode("{x}{x4}{xZZ}{|"), "{x}{x4}{xZZ}{|"); // not escapes: ordinary text
  std::string error;
  auto decoded = qxp::DecodeSourceText("ab{|}c{|}", CodePage::Windows1252, true, error);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->bytes, "abc");
  EXPECT_EQ(decoded->pieceBreaks, (std::vector<std::size_t>{2, 3}));
  EXPECT_EQ(DecodeError("a{|}b", CodePage::Windows1252, false),
            "a piece break {|} belongs in an entry");
}

TEST(SourceText, EncodingAnyBytesDecodesBackToThem) {
  std::string all;
  for (int byte = 0; byte < 0x100; ++byte)
    all.push_back(static_cast<char>(byte));
  for (CodePage codePage : {CodePage::Windows1252, CodePage::Ibm437}) {
    for (std::string bytes :
         {all, std::string(" a  b "), std::string("{x41}{|}{"), std::string("{\x01|}")}) {
      std::string text = qxp::EncodeSourceText(bytes, codePage);
      EXPECT_EQ(Decode(text, codePage), bytes) << text;
    }
  }
  EXPECT_EQ(qxp::EncodeSourceText(" caf\xE9 ", CodePage::Windows1252), "{x20}caf\xC3\xA9{x20}");
  EXPECT_EQ(qxp::EncodeSourcePieces({"ab", "", "c"}, CodePage::Windows1252), "ab{|}{|}c");
}

TEST(SlotNames, DatesOfACommonYearAndTheExtraSlot) {
  EXPECT_EQ(qxp::ParseSlotName("Jan 1"), 0);
  EXPECT_EQ(qxp::ParseSlotName("february 28"), 58);
  EXPECT_EQ(qxp::ParseSlotName("MAR  1"), 59);
  EXPECT_EQ(qxp::ParseSlotName("Dec 31"), 364);
  EXPECT_EQ(qxp::ParseSlotName("Feb 29"), 365);
  EXPECT_EQ(qxp::ParseSlotName("slot 365"), 365);
  EXPECT_EQ(qxp::ParseSlotName("Slot 0"), 0);
  EXPECT_EQ(qxp::ParseSlotName("day 1"), 0);
  EXPECT_EQ(qxp::ParseSlotName("day 365"), 364);
  for (const char *bad : {"Jan 0", "Jan 32", "Apr 31", "Feb 30", "slot 366", "slot -1", "day 0",
                          "day 366", "Janu 1", "Jan", "Jan 1 2000", "", "1 Jan", "Jan +1"})
    EXPECT_FALSE(qxp::ParseSlotName(bad).has_value()) << bad;
  for (int slot = 0; slot <= 365; ++slot)
    EXPECT_EQ(qxp::ParseSlotName(qxp::SlotDate(slot)), slot);
}

} // namespace
