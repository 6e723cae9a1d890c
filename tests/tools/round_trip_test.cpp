// qxp dump gives a source that builds the same package, and what qxp builds
// is what the program's own reader shows.

#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "content/day_selection.h"
#include "content/day_state.h"
#include "content/package_reader.h"
#include "content/settings.h"
#include "platform/code_page_1252.h"
#include "platform/utf8.h"
#include "qxp/package_checker.h"
#include "qxp/package_writer.h"
#include "qxp/source_dumper.h"
#include "qxp_helpers.h"
#include "support/temp_dir.h"

using qxptest::Build;
using qxptest::VerseHeader;
using ::testing::HasSubstr;

namespace {

std::string Dump(const std::string &bytes) {
  auto report = qxp::CheckPackage(qxp::PackageImage::FromBytes(bytes));
  EXPECT_TRUE(report.Sound()) << qxptest::Joined(report.faults);
  return report.content ? qxp::DumpSource(*report.content) : "";
}

void ExpectRoundTrip(const std::string &source) {
  std::string bytes = Build(source);
  std::string dumped = Dump(bytes);
  EXPECT_EQ(Build(dumped), bytes) << dumped;
}

TEST(RoundTrip, SourcesBuildBackToTheSameBytes) {
  std::string longText;
  for (int i = 0; i < 80; ++i)
    longText += "and the evening and the morning were the first day ";
  ExpectRoundTrip(std::string(VerseHeader) +
                  "Description: All kinds\n"
                  "[Jan 1]\nIn the beginning -Genesis 1:1\n"
                  "[Jan 2]\n" +
                  longText +
                  "-Genesis 1:5\n"
                  "[Jan 3]\nno trailer here\n"
                  "[Jan 4]\n{x5B}bracket and #hash at line starts] -x\n"
                  "[Jan 5]\n{x20}spaces  at  the edges{x20}\n"
                  "[Jan 6]\nbraces {x7B}x41} and {|} a break\n"
                  "[Jan 7]\nthe marker-twice -a{x2D}b\n"
                  "[Jan 8]\nundefined {x7F}{x81} and control {x09} bytes\n"
                  "[Feb 29]\nthe extra slot\n");
  ExpectRoundTrip("Type: 1\nTitle: Caf\xC3\xA9\nTitle: {x20}two{x20}\nMarker: \\\n"
                  "[Mar 1]\n{xB3} box {xCD} answer? \\\xC3\xBC\n");
  ExpectRoundTrip("Type: 0\nTitle: Through the Bible in a Year\nMarker: none\n"
                  "[day 1]\nGenesis 1-3\n[day 365]\nRevelation 19-22\n[slot 365]\nspare\n");
}

TEST(RoundTrip, DumpWritesReadableSource) {
  std::string dumped =
      Dump(Build(std::string(VerseHeader) + "[Jan 1]\nIn the beginning God created the heaven "
                                            "and the earth. -Genesis 1:1\n[Dec 31]\nEnd\n"));
  EXPECT_EQ(dumped, "# Package source: build it with  qxp build SOURCE -o FILE.QXP\n"
                    "Type: 0\nTitle: Verse\nMarker: -\n"
                    "\n[Jan 1]\nIn the beginning God created the heaven and the earth.\n"
                    "-Genesis 1:1\n"
                    "\n[Dec 31]\nEnd\n");
  EXPECT_THAT(Dump(Build("Type: 0\nTitle: Through the Bible\n[day 2]\nx\n")),
              HasSubstr("\n[Day 2]\nx\n"));
}

TEST(RoundTrip, PiecesQxpWouldCutDifferentlyAreKept) {
  // A package made by other means: the trailer marker sits further back than
  // qxp's layout would allow, so the program shows no trailer for it.
  qxp::PackageContent content = qxptest::Compile(VerseHeader);
  content.Entries[4] = {"Wash me -", std::string(255, 'w'), std::string(10, 'z')};
  std::string error;
  auto bytes = qxp::SerializePackage(content, error);
  ASSERT_TRUE(bytes) << error;
  std::string dumped = Dump(*bytes);
  EXPECT_THAT(dumped, HasSubstr("Wash me\n-{|}www"));
  EXPECT_EQ(Build(dumped), *bytes);
}

class ProgramReader : public ::testing::Test {
protected:
  void SetUp() override { settings.QuoteMethodCode = QuoteMethod::Date; }

  struct Shown {
    std::string body;
    std::string trailer;
    std::string title;
  };
  // What the program shows, in its own UTF-8.
  Shown ReadText(const std::string &bytes, int dayIndex) {
    std::string path = dir_.Write("TEST.QXP", bytes);
    dayState.DayIndex = static_cast<std::int16_t>(dayIndex);
    TTextPiece first;
    char marker = 0;
    Shown shown;
    ReadPackageEntry(path, CurrentDayChoice(settings, dayState), first, marker, shown.trailer,
                     shown.title, nullptr);
    shown.body = JoinedText(first);
    return shown;
  }
  // The same in code page 1252, as the exports write it.
  Shown Read(const std::string &bytes, int dayIndex) {
    Shown shown = ReadText(bytes, dayIndex);
    shown.body = platform::ToCp1252(shown.body);
    shown.trailer = platform::ToCp1252(shown.trailer);
    shown.title = platform::ToCp1252(shown.title);
    return shown;
  }
  Settings settings;
  DayState dayState;
  testsupport::TempDir dir_;
};

TEST_F(ProgramReader, ShowsWhatTheSourceSays) {
  std::string longBody;
  for (int i = 0; i < 70; ++i)
    longBody += "Love one another. ";
  std::string bytes = Build(std::string(VerseHeader) +
                            "Title: Second\n"
                            "[Jan 1]\n" +
                            longBody +
                            "\n-John 13:34\n"
                            "[Jan 2]\nthe marker-inside the text -1 John 4:8\n"
                            "[Feb 29]\nLeap\n");
  Shown day = Read(bytes, 0);
  EXPECT_EQ(day.body, longBody);
  EXPECT_EQ(day.trailer, "- John 13:34");
  EXPECT_EQ(day.title, "Verse");
  day = Read(bytes, 1);
  EXPECT_EQ(day.body, "the marker-inside the text ");
  EXPECT_EQ(day.trailer, "- 1 John 4:8");
  EXPECT_EQ(day.title, "Second");
  EXPECT_EQ(Read(bytes, 365).body, "Leap");
  EXPECT_EQ(Read(bytes, 2).body, "");
}

TEST_F(ProgramReader, TypeOneTextIsShownInCodePage1252) {
  std::string bytes = Build("Type: 1\nTitle: Caf\xC3\xA9\nMarker: ~\nDescription: d\n"
                            "[Jan 1]\nna\xC3\xAFve \xC3\x9F ~Ref \xC3\xBC\n");
  Shown day = Read(bytes, 0);
  EXPECT_EQ(day.body, "na\xEFve \xDF ");
  EXPECT_EQ(day.trailer, "Ref \xFC");
  EXPECT_EQ(day.title, "Caf\xE9");
  EXPECT_EQ(platform::ToCp1252(ReadPackageDescription(dir_.File("TEST.QXP"))), "Caf\xE9: d");
}

// A UTF-8 package holds every script: what its source says is what qxp
// check finds sound, what qxp dump writes back and what the program shows.
TEST_F(ProgramReader, EveryScriptBuildsChecksDumpsAndReadsBackInUtf8) {
  struct Script {
    const char *name, *title, *body, *reference, *description;
  };
  const Script scripts[] = {
      {"Greek with polytonic marks", "Κατὰ Ἰωάννην",
       "Ἐν ἀρχῇ ἦν ὁ λόγος, καὶ ὁ λόγος ἦν πρὸς τὸν θεόν, καὶ θεὸς ἦν ὁ λόγος.", "Ἰωάννης 1:1",
       "Ἡ Καινὴ Διαθήκη"},
      {"Russian", "Синодальный перевод",
       "В начале было Слово, и Слово было у Бога, и Слово было Бог.", "Иоанна 1:1",
       "Библия на русском языке"},
      {"Chinese", "和合本", "太初有道，道与神同在，道就是神。", "约翰福音 1:1", "中文圣经"},
      {"Hebrew", "תנ״ך", "בְּרֵאשִׁית בָּרָא אֱלֹהִים אֵת הַשָּׁמַיִם וְאֵת הָאָרֶץ׃", "בראשית א:א", "התורה"},
      {"a combining mark", "Cafe\u0301", "Nai\u0308ve cafe\u0301s, written decomposed.",
       "Ref\u0327", "Combining marks after their letters"},
  };
  for (const Script &script : scripts) {
    SCOPED_TRACE(script.name);
    const std::string source = std::string("Type: utf-8\nTitle: ") + script.title +
                               "\nMarker: -\nDescription: " + script.description + "\n[Jan 1]\n" +
                               script.body + "\n-" + script.reference + "\n";
    const std::string bytes = Build(source);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes[0], '\x08');
    const std::string dumped = Dump(bytes);
    EXPECT_THAT(dumped, HasSubstr("Type: utf-8\n"));
    EXPECT_THAT(dumped, HasSubstr(std::string("\n") + script.body + "\n-" + script.reference));
    EXPECT_EQ(Build(dumped), bytes);
    const Shown day = ReadText(bytes, 0);
    EXPECT_EQ(day.body, std::string(script.body) + " ");
    EXPECT_EQ(day.trailer, std::string("- ") + script.reference);
    EXPECT_EQ(day.title, script.title);
    EXPECT_EQ(ReadPackageDescription(dir_.File("TEST.QXP")),
              std::string(script.title) + ": " + script.description);
  }
}

// Chinese has no spaces to cut a long entry at: qxp cuts it between
// characters, so that every piece holds whole ones.
TEST_F(ProgramReader, AnEntryWithoutSpacesIsCutBetweenCharacters) {
  std::string chinese;
  for (int i = 0; i < 40; ++i)
    chinese += "太初有道，道与神同在。"; // 11 characters of 3 bytes
  const std::string bytes =
      Build("Type: utf-8\nTitle: 和合本\nMarker: none\n[Jan 1]\n" + chinese + "\n");
  const qxp::CheckReport report = qxp::CheckPackage(qxp::PackageImage::FromBytes(bytes));
  ASSERT_TRUE(report.Sound()) << qxptest::Joined(report.faults);
  const std::vector<std::string> &pieces = report.content->Entries[0];
  EXPECT_GT(pieces.size(), 5u);
  for (const std::string &piece : pieces)
    EXPECT_TRUE(platform::IsUtf8(piece)) << piece.size();
  EXPECT_EQ(ReadText(bytes, 0).body, chinese);
}

} // namespace
