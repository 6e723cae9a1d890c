// Compiling package sources: the header, the slots, the text and its errors.

#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "qxp/entry_layout.h"
#include "qxp_helpers.h"

using qxptest::Compile;
using qxptest::Errors;
using qxptest::Joined;
using qxptest::VerseHeader;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

std::string WithVerseHeader(std::string_view body) {
  return std::string(VerseHeader) + std::string(body);
}

TEST(SourceCompiler, ReadsTheHeader) {
  auto content = Compile("\xEF\xBB\xBF# a comment\r\n"
                         "type: 12\r\n"
                         "  Title:   First  \n"
                         "TITLE: Second: with a colon\n"
                         "Marker: \\\n"
                         "Description: About {x20}it{x20}\n");
  EXPECT_EQ(content.Type, 12);
  EXPECT_THAT(content.Titles, ElementsAre("First", "Second: with a colon"));
  EXPECT_EQ(content.TrailerMarker, '\\');
  EXPECT_EQ(content.Description, "About  it ");
  for (const auto &entry : content.Entries)
    EXPECT_TRUE(entry.empty());
  EXPECT_EQ(Compile("Type: 0\nTitle: T\nMarker: none\n").TrailerMarker, 0);
  EXPECT_EQ(Compile("Type: 0\nTitle: T\n").TrailerMarker, 0);
  EXPECT_EQ(Compile("Type: 0\nTitle: T\nMarker: |\n").TrailerMarker, '|');
}

TEST(SourceCompiler, HeaderErrorsNameTheirLines) {
  std::string title41(41, 'x');
  std::string description256(256, 'd');
  auto errors = Errors("Type: 40\n"
                       "Title: " +
                       title41 +
                       "\n"
                       "Colour: blue\n"
                       "Marker: ab\n"
                       "Description: " +
                       description256 +
                       "\n"
                       "Type: 0\n"
                       "just words\n");
  EXPECT_THAT(errors,
              ElementsAre("test.qxs:1: type '40' is not one of 0, 1, 2, 10, 11, 12, 20, 21, 22, "
                          "30, 31, 32",
                          "test.qxs:2: the title is 41 bytes; a title holds at most 40",
                          "test.qxs:3: unknown key 'Colour'; the header knows Type, Title, "
                          "Marker and Description",
                          "test.qxs:4: the marker is one character (such as - \\ ~ |) or 'none'",
                          "test.qxs:5: the description is 256 bytes; it holds at most 255",
                          "test.qxs:6: 'Type' is already given at line 1",
                          HasSubstr("test.qxs:7: expected 'Key: value'")));
  EXPECT_THAT(Errors("Marker: -\n"),
              ElementsAre("test.qxs: no 'Type:' line; the header gives the package type (0 for "
                          "most)",
                          "test.qxs: no 'Title:' line; a package has 1 to 7 titles"));
  EXPECT_THAT(Errors("Type: 0\nTitle: 1\nTitle: 2\nTitle: 3\nTitle: 4\nTitle: 5\nTitle: 6\n"
                     "Title: 7\nTitle: 8\n"),
              ElementsAre("test.qxs:9: a package has at most 7 titles"));
  // A title is measured in code page 1252 bytes, not in UTF-8.
  EXPECT_EQ(Compile("Type: 0\nTitle: " + std::string("\xC3\xA9", 2) + std::string(39, 'e') + "\n")
                .Titles.front()
                .size(),
            40u);
}

// A UTF-8 package is named by its word; its limits count UTF-8 bytes, its
// marker is one byte, and what it stores stays UTF-8.
TEST(SourceCompiler, AUtf8PackageIsNamedByItsWordAndHoldsUtf8) {
  EXPECT_EQ(Compile("Type: UTF-8\nTitle: x\n").Type, 8);
  const std::string chinese14 = "一二三四五六七八九十一二三四";
  EXPECT_THAT(Errors("Type: utf8\nTitle: x\n"),
              ElementsAre("test.qxs:1: type 'utf8' is not one of 0, 1, 2, 10, 11, 12, 20, 21, 22, "
                          "30, 31, 32 or utf-8"));
  EXPECT_THAT(Errors("Type: 8\nTitle: x\n"), ElementsAre(HasSubstr("type '8' is not one of")));
  EXPECT_THAT(Errors("Type: utf-8\nTitle: " + chinese14 +
                     "\nMarker: \xE2\x80\x93\n[Jan 1]\nbad {xE4}{xB8} end\n"),
              ElementsAre("test.qxs:2: the title is 42 bytes; a title holds at most 40",
                          "test.qxs:3: the marker of a UTF-8 package is an ASCII character (such "
                          "as - \\ ~ |) or 'none'",
                          "test.qxs:5: slot 0 (Jan 1): the bytes written {xHH} are not UTF-8, "
                          "which a UTF-8 package holds"));
  // Thirteen Chinese characters are 39 bytes, a title's worth; escapes that
  // make a character are UTF-8 too.
  EXPECT_EQ(
      Compile("Type: utf-8\nTitle: " + chinese14.substr(0, 39) + "\n[Jan 1]\n{xE4}{xB8}{xAD}\n")
          .Entries[0],
      std::vector<std::string>{"\xE4\xB8\xAD"});
}

TEST(SourceCompiler, SlotLinesByDateNumberAndPlanDay) {
  auto content = Compile(WithVerseHeader("[Jan 1]\none\n[Feb 28]\ntwo\n[Mar 1]\nthree\n"
                                         "[Feb 29]\nleap\n[slot 364]\nlast\n[day 3]\nthird\n"));
  EXPECT_THAT(content.Entries[0], ElementsAre("one"));
  EXPECT_THAT(content.Entries[58], ElementsAre("two"));
  EXPECT_THAT(content.Entries[59], ElementsAre("three"));
  EXPECT_THAT(content.Entries[365], ElementsAre("leap"));
  EXPECT_THAT(content.Entries[364], ElementsAre("last"));
  EXPECT_THAT(content.Entries[2], ElementsAre("third"));
  EXPECT_TRUE(content.Entries[1].empty());
}

TEST(SourceCompiler, SlotErrorsSkipTheirBlocks) {
  auto errors = Errors(WithVerseHeader("[Jan 1]\nfirst\n"
                                       "[Jan 32]\nlost\n"
                                       "[slot 0]\nagain\n"
                                       "[Jan 2\n"
                                       "[Jan 3]\nfine\n"));
  EXPECT_THAT(errors, ElementsAre(HasSubstr("test.qxs:6: 'Jan 32' names no slot"),
                                  "test.qxs:8: slot 0 (Jan 1) is already given at line 4",
                                  "test.qxs:10: a slot line ends with ']', as in [Jan 1]"));
}

TEST(SourceCompiler, BodyLinesJoinWithSingleSpaces) {
  auto content = Compile(WithVerseHeader("[Jan 1]\n"
                                         "  In the   beginning\t\n"
                                         "\n"
                                         "# not text\n"
                                         "God created\n"
                                         "-Genesis 1:1\n"
                                         "[Jan 2]\n"
                                         "Key: value is text here\n"));
  EXPECT_THAT(content.Entries[0], ElementsAre("In the   beginning God created -Genesis 1:1"));
  EXPECT_THAT(content.Entries[1], ElementsAre("Key: value is text here"));
}

TEST(SourceCompiler, TextErrorsNameLineSlotAndCharacter) {
  auto errors = Errors(WithVerseHeader("[Jan 6]\n"
                                       "fine\n"
                                       "the middle \xE4\xB8\xAD here\n"
                                       "[Dec 31]\n"
                                       "tab\there\n"
                                       "[Jan 7]\n"
                                       "-Only a trailer\n"));
  EXPECT_THAT(errors,
              ElementsAre("test.qxs:6: slot 5 (Jan 6): U+4E2D '\xE4\xB8\xAD' is not in code page "
                          "1252",
                          "test.qxs:8: slot 364 (Dec 31): a tab is not allowed in text (use "
                          "spaces)",
                          HasSubstr("test.qxs:9: slot 6 (Jan 7): the entry holds nothing but its "
                                    "trailer")));
}

TEST(SourceCompiler, TypeOneStoresEntriesInCodePage437AndTitlesIn1252) {
  auto content = Compile("Type: 1\nTitle: Caf\xC3\xA9\nDescription: \xC3\xA9\n"
                         "[Jan 1]\nCaf\xC3\xA9 \xC6\x92 \xC3\xBC\n");
  EXPECT_EQ(content.Titles.front(), "Caf\xE9");
  EXPECT_EQ(content.Description, "\xE9");
  EXPECT_THAT(content.Entries[0], ElementsAre("Caf\x82 \x9F \x81"));
  // The euro sign exists in code page 1252 only.
  EXPECT_THAT(Joined(Errors("Type: 1\nTitle: \xE2\x82\xAC\n[Jan 1]\n\xE2\x82\xAC\n")),
              HasSubstr("test.qxs:4: slot 0 (Jan 1): U+20AC '\xE2\x82\xAC' is not in code page "
                        "437"));
}

TEST(SourceCompiler, TrailersTheProgramWouldCutElsewhereAreRefused) {
  struct Case {
    const char *body;
    const char *error; // empty: builds
  };
  const Case cases[] = {
      {"I will lift up mine eyes.\n-Psalm 121:1-2",
       "test.qxs:6: slot 0 (Jan 1): the trailer line '-Psalm 121:1-2' holds another '-', where "
       "the program begins the trailer, showing \"- 2\"; write an en dash '\xE2\x80\x93' instead "
       "of that hyphen"},
      {"The Lord is long-suffering.",
       "test.qxs:5: slot 0 (Jan 1): the '-' in 'long-suffering.' would begin a trailer, showing "
       "\"- suffering.\"; write an en dash '\xE2\x80\x93' instead of that hyphen, or end the "
       "entry with a trailer line"},
      {"I will lift up mine eyes.\n-Psalm 121:1\xE2\x80\x93"
       "2",
       ""},
      {"The Lord is long-suffering.\n-Numbers 14:18", ""},
      {"Inline trailer after a blank -John 3:16", ""},
      {"Meant as written -a{x2D}b", ""},
  };
  for (const Case &c : cases) {
    std::string source = WithVerseHeader(std::string("[Jan 1]\n") + c.body + "\n");
    if (*c.error == '\0')
      Compile(source);
    else
      EXPECT_THAT(Errors(source), ElementsAre(c.error)) << c.body;
  }
  EXPECT_THAT(Errors("Type: 0\nTitle: Quiz\nMarker: \\\n[Jan 1]\nWho?\n\\Noah\\Shem\n"),
              ElementsAre(HasSubstr("holds another '\\', where the program begins the trailer, "
                                    "showing \"Shem\"; leave that '\\' out")));
}

TEST(SourceCompiler, ExplicitPiecesAreKeptAndChecked) {
  auto content = Compile(WithVerseHeader("[Jan 1]\nIn the beginning {|}God created\n"));
  EXPECT_THAT(content.Entries[0], ElementsAre("In the beginning ", "God created"));
  EXPECT_THAT(Joined(Errors(WithVerseHeader("[Jan 1]\n{|}hidden\n"))),
              HasSubstr("test.qxs:4: slot 0 (Jan 1): the first piece is empty"));
  EXPECT_THAT(Joined(Errors(WithVerseHeader("[Jan 1]\n" + std::string(256, 'a') + "{|}b\n"))),
              HasSubstr("piece 1 is 256 bytes; a piece holds at most 255"));
  // Two empty pieces in a row may move the trailer; a third changes nothing.
  EXPECT_THAT(Compile(WithVerseHeader("[Jan 1]\na{|}{|}{|}b\n")).Entries[0],
              ElementsAre("a", "", "", "b"));
  EXPECT_THAT(Joined(Errors(WithVerseHeader("[Jan 1]\na{|}{|}{|}{|}b\n"))),
              HasSubstr("piece 4 is the third empty piece in a row, which changes nothing"));
  // A trailer that starts in the piece before the last takes the whole last
  // piece with it; together they must fit the reader's 255 bytes.
  std::string longTail = "a -" + std::string(200, 'b') + "{|}" + std::string(60, 'c');
  EXPECT_THAT(Joined(Errors(WithVerseHeader("[Jan 1]\n" + longTail + "\n"))),
              HasSubstr("the trailer is 262 bytes as shown"));
}

} // namespace
