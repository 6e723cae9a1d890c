#include "content/package_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "content/day_selection.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/text_export.h"
#include "support/noted.h"
#include "support/package_bytes.h"
#include "support/temp_dir.h"

using testpackage::BuildPackage;
using testpackage::PackageLayout;

namespace {

struct ReadResult {
  TTextPiece First;
  char Marker = 0;
  std::string Trailer;
  std::string Title;
  bool HasAnswer = false;

  std::vector<std::string> Pieces() const {
    std::vector<std::string> pieces;
    for (const TTextPiece *piece = &First; piece != nullptr; piece = piece->NextPiece.get())
      pieces.push_back(piece->Text);
    return pieces;
  }
  bool IsEmpty() const { return First.Text.empty() && !First.NextPiece; }
};

class PackageReaderTest : public ::testing::Test {
protected:
  ReadResult Read(const std::string &bytes, TextExport *exportFile = nullptr) {
    ReadResult result;
    result.Marker = 'x'; // the reader must set it
    // As the day's load calls it: the day the program holds, and the export
    // only while SaveFile is on.
    result.HasAnswer = ReadPackageEntry(
        dir.Write("TEST.QXP", bytes), CurrentDayChoice(settings, dayState), result.First,
        result.Marker, result.Trailer, result.Title, settings.SaveFile != 0 ? exportFile : nullptr);
    return result;
  }
  ReadResult Read(const PackageLayout &layout, TextExport *exportFile = nullptr) {
    return Read(BuildPackage(layout), exportFile);
  }
  // A package whose slot 0 holds the given pieces.
  static PackageLayout WithEntry(std::vector<std::string> pieces, char marker = 0) {
    PackageLayout layout;
    layout.Marker = marker;
    layout.Entries[0] = std::move(pieces);
    return layout;
  }

  // What the program would own: its settings and its day.
  Settings settings;
  DayState dayState;
  testsupport::TempDir dir;
};

using Pieces = std::vector<std::string>;

TEST_F(PackageReaderTest, ReadsTheAcceptedTypesOnly) {
  dayState.DayIndex = 4;
  for (int type : {0, 1, 2, 10, 11, 12, 20, 21, 22, 30, 31, 32}) {
    PackageLayout layout;
    layout.Type = static_cast<std::uint8_t>(type);
    EXPECT_EQ(Read(layout).First.Text, "Day 4") << "type " << type;
  }
  for (int type : {3, 9, 40, 255}) {
    PackageLayout layout;
    layout.Type = static_cast<std::uint8_t>(type);
    EXPECT_TRUE(Read(layout).IsEmpty()) << "type " << type;
  }
}

// The text comes out in UTF-8: read as code page 437 for type 1 (through
// code page 1252, as the program always has), else as code page 1252.
TEST_F(PackageReaderTest, ConvertsCodePage437ForTypeOneOnly) {
  PackageLayout layout = WithEntry({"caf\x82", " \x81\xE1"});
  layout.Titles = {"T\x81tle"};
  layout.Type = 1;
  ReadResult converted = Read(layout);
  EXPECT_EQ(converted.Pieces(), (Pieces{"caf\xC3\xA9", " \xC3\xBC\xC3\x9F"}));
  EXPECT_EQ(converted.Title, "T\xC2\x81tle"); // titles are code page 1252 in every type

  for (int type : {0, 11, 21, 31}) {
    layout.Type = static_cast<std::uint8_t>(type);
    EXPECT_EQ(Read(layout).Pieces(), (Pieces{"caf\xE2\x80\x9A", " \xC2\x81\xC3\xA1"}))
        << "type " << type;
  }
}

// A UTF-8 package (type 8) is read as it is stored. A character cut between
// two pieces (the file holds bytes) is shown whole, in the later piece, and a
// byte that is no part of a character as the replacement character.
TEST_F(PackageReaderTest, ReadsAUtf8PackageAsStored) {
  PackageLayout layout = WithEntry(
      {"\xCE\x9B\xCF", "\x8C\xCE\xB3\xCE\xBF\xCF\x82 \xE4\xB8", "\xAD\xFF -\xD7\x91"}, '-');
  layout.Titles = {"\xE5\x92\x8C\xE5\x90\x88\xE6\x9C\xAC"};
  layout.Type = 8;
  ReadResult read = Read(layout);
  EXPECT_EQ(read.Pieces(),
            (Pieces{"\xCE\x9B", "\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x82 ", "\xE4\xB8\xAD\xEF\xBF\xBD "}));
  EXPECT_EQ(read.Trailer, "- \xD7\x91");
  EXPECT_EQ(read.Title, "\xE5\x92\x8C\xE5\x90\x88\xE6\x9C\xAC");
}

// The limits are those of the stored bytes: a trailer of the full 255 bytes
// of code page 1252 is sound, though its UTF-8 takes more.
TEST_F(PackageReaderTest, LimitsCountTheStoredBytes) {
  std::string utf8;
  for (int i = 0; i < 253; ++i)
    utf8 += "\xC3\xA9";
  ReadResult read = Read(WithEntry({"Body ", "-" + std::string(253, '\xE9')}, '-'));
  EXPECT_EQ(read.Trailer, "- " + utf8);
}

TEST_F(PackageReaderTest, OrdinaryPackageReadsTheDaySlot) {
  PackageLayout layout;
  dayState.DayIndex = 365;
  settings.PlanOffset = 20;
  EXPECT_EQ(Read(layout).First.Text, "Day 365");
  settings.QuoteMethodCode = QuoteMethod::Random;
  EXPECT_EQ(Read(layout).First.Text, "Day 365");

  // A day index outside the slots would read past the offset table.
  for (std::int16_t day : {-1, 366, 1000}) {
    dayState.DayIndex = day;
    EXPECT_TRUE(Read(layout).IsEmpty()) << day;
  }
}

TEST_F(PackageReaderTest, ReadingPlanCountsFromItsStartDay) {
  PackageLayout layout;
  layout.Titles = {"Through the Bible in a Year"};
  dayState.DayIndex = 10;
  settings.PlanOffset = 20;
  EXPECT_EQ(Read(layout).First.Text, "Day 355");
  dayState.DayIndex = 365;
  settings.PlanOffset = 0;
  EXPECT_EQ(Read(layout).First.Text, "Day 0");
  dayState.DayIndex = 0;
  settings.PlanOffset = 364;
  EXPECT_EQ(Read(layout).First.Text, "Day 1");
}

TEST_F(PackageReaderTest, ReadingPlanGivesNothingUnlessTheMethodIsDate) {
  PackageLayout plan;
  plan.Titles = {"Through the Bible"};
  PackageLayout lowerCase;
  lowerCase.Titles = {"through the Bible in a Year"};
  dayState.DayIndex = 10;
  settings.PlanOffset = 20;
  for (QuoteMethod method : {QuoteMethod::Increment, QuoteMethod::Random}) {
    settings.QuoteMethodCode = method;
    EXPECT_TRUE(Read(plan).IsEmpty());
    EXPECT_EQ(Read(lowerCase).First.Text, "Day 10");
  }
}

TEST_F(PackageReaderTest, JoinsThePiecesOfTheSlotOnly) {
  PackageLayout layout;
  layout.Entries[3] = {"In the beginning ", "God created"};
  layout.Entries[4] = {"the heaven"};
  dayState.DayIndex = 3;
  ReadResult result = Read(layout);
  EXPECT_EQ(result.Pieces(), (Pieces{"In the beginning ", "God created"}));
  EXPECT_EQ(JoinedText(result.First), "In the beginning God created");
}

TEST_F(PackageReaderTest, PieceRunningPastTheNextSlotEndsTheEntry) {
  PackageLayout layout = WithEntry({"abc", "defgh", "ij"});
  std::string bytes = BuildPackage(layout);
  const std::uint32_t start = testpackage::GetOffset(bytes, 1, 0);
  testpackage::SetOffset(bytes, 1, 1, start + 6); // inside "defgh"
  EXPECT_EQ(Read(bytes).Pieces(), (Pieces{"abc", "defgh"}));

  // A next offset below the slot's own: the first piece alone.
  testpackage::SetOffset(bytes, 1, 1, 0);
  EXPECT_EQ(Read(bytes).Pieces(), (Pieces{"abc"}));
}

TEST_F(PackageReaderTest, RemovesControlBytesFromEveryPiece) {
  ReadResult result = Read(WithEntry({"a\tb\r\n", std::string("\x01x\0y\x1F", 5), "\x7F~", "\r"}));
  EXPECT_EQ(result.Pieces(), (Pieces{"ab", "xy", "\x7F~", ""}));
}

TEST_F(PackageReaderTest, FirstPieceOfControlBytesDoesNotHideTheEntry) {
  ReadResult result = Read(WithEntry({"\r\n", "\t", "Love one another. ", "-John 13:34"}, '-'));
  EXPECT_EQ(result.Pieces(), (Pieces{"Love one another. ", ""}));
  EXPECT_EQ(result.Trailer, "- John 13:34");
}

TEST_F(PackageReaderTest, ManyPiecesAreHeldInFiveNodesAndReadTheSame) {
  // Only the first two pieces and the last two keep their own node; what
  // the program shows stays the same.
  const Pieces many = [] {
    Pieces pieces{"\r", "In the beginning "};
    for (int i = 0; i < 1000; ++i)
      pieces.push_back(i % 3 == 0 ? "" : "x");
    return pieces;
  }();
  struct Case {
    const char *Name;
    Pieces Stored;
    char Marker;
    std::string Trailer;
  };
  Pieces trailerInLast = many;
  trailerInLast.push_back("-Ref");
  Pieces trailerBeforeLast = many;
  trailerBeforeLast.insert(trailerBeforeLast.end(), {"y\\Noah, ", "Genesis 6"});
  Pieces emptyLastTwo = many;
  emptyLastTwo.insert(emptyLastTwo.end(), {"z-a", "", ""});
  const Case cases[] = {
      {"trailer in the last piece", trailerInLast, '-', "- Ref"},
      {"trailer before the last piece", trailerBeforeLast, '\\', "Noah, Genesis 6"},
      {"empty last two pieces", emptyLastTwo, '-', ""},
  };
  for (const Case &c : cases) {
    ReadResult result = Read(WithEntry(c.Stored, c.Marker));
    EXPECT_LE(result.Pieces().size(), 5u) << c.Name;
    EXPECT_EQ(result.Trailer, c.Trailer) << c.Name;
    TTextPiece expected(c.Stored.front());
    std::string joined;
    for (const std::string &piece : c.Stored)
      joined += piece;
    joined.erase(0, 1); // the "\r"
    joined.resize(joined.size() - (c.Trailer.empty() ? 0 : c.Stored.back().size()));
    if (c.Marker == '\\')
      joined.resize(joined.size() - std::string("\\Noah, ").size());
    EXPECT_EQ(JoinedText(result.First), joined) << c.Name;
  }
}

TEST_F(PackageReaderTest, TheFirstPieceShownIsStillTheFirstWithTextAfterManyPieces) {
  // The screen saver takes the first piece alone.
  Pieces stored{"\r", "\n", "\t", "\x01", "Shown alone. "};
  for (int i = 0; i < 50; ++i)
    stored.push_back("more ");
  stored.push_back("-Ref");
  ReadResult result = Read(WithEntry(stored, '-'));
  EXPECT_EQ(result.First.Text, "Shown alone. ");
  EXPECT_LE(result.Pieces().size(), 5u);
  EXPECT_EQ(result.Trailer, "- Ref");
}

TEST_F(PackageReaderTest, EntryAboveTheTextLimitGivesNoEntry) {
  Pieces pieces(257, std::string(255, 'a')); // 65535 bytes
  pieces.push_back("b");
  EXPECT_FALSE(Read(WithEntry(pieces)).IsEmpty()); // 65536: the most an entry holds
  pieces.back() = "bc";
  EXPECT_TRUE(Read(WithEntry(pieces)).IsEmpty());
  // Empty pieces add no text, however many.
  Pieces empties(100000, "");
  empties.front() = "Hello";
  EXPECT_EQ(JoinedText(Read(WithEntry(empties)).First), "Hello");
}

TEST_F(PackageReaderTest, TitlesEndAtANulAndLoseControlBytes) {
  PackageLayout layout;
  layout.Titles = {std::string("Ab\0cd\r\nef", 8), "Da\tily\r\nVerse"};
  EXPECT_EQ(Read(layout).Title, "Ab");
  dayState.DayIndex = 1;
  EXPECT_EQ(Read(layout).Title, "DailyVerse");
  EXPECT_EQ(ReadPackageDescription(dir.Write("A.QXP", BuildPackage(layout))), "Ab: Test package");
}

TEST_F(PackageReaderTest, EmptyStoredFirstPieceGivesNoEntry) {
  ReadResult result = Read(WithEntry({"", "more text"}, '-'));
  EXPECT_TRUE(result.IsEmpty());
  EXPECT_EQ(result.Marker, '-');
}

struct TrailerCase {
  const char *Name;
  char Marker;
  Pieces Stored;
  Pieces Body;
  std::string Trailer;
};

TEST_F(PackageReaderTest, SplitsTheTrailer) {
  const TrailerCase cases[] = {
      {"hyphen", '-', {"Love one another. -John 13:34"}, {"Love one another. "}, "- John 13:34"},
      {"hyphen and space", '-', {"Text - John"}, {"Text "}, "-  John"},
      {"last occurrence", '-', {"world. -John 3:16-18"}, {"world. -John 3:16"}, "- 18"},
      {"before the last piece",
       '\\',
       {"Who built the ark? \\Noah, ", "Genesis 6"},
       {"Who built the ark? "},
       "Noah, Genesis 6"},
      {"not in the last two", '\\', {"a\\b", "c", "d"}, {"a\\b", "c", "d"}, ""},
      {"single piece without marker", '-', {"No reference"}, {"No reference"}, ""},
      {"tilde", '~', {"Text ~Psalm 23"}, {"Text "}, "Psalm 23"},
      {"other marker", '|', {"Text ", "|Anonymous"}, {"Text ", ""}, "Anonymous"},
      {"marker at the end", '~', {"Text~"}, {"Text"}, ""},
      {"marker 0", 0, {"a - b \\ c ~ d"}, {"a - b \\ c ~ d"}, ""},
  };
  for (const TrailerCase &c : cases) {
    ReadResult result = Read(WithEntry(c.Stored, c.Marker));
    EXPECT_EQ(result.Pieces(), c.Body) << c.Name;
    EXPECT_EQ(result.Trailer, c.Trailer) << c.Name;
    EXPECT_EQ(result.Marker, c.Marker) << c.Name;
  }
}

TEST_F(PackageReaderTest, BackslashMarkerSetsHasAnswersWithOrWithoutTrailer) {
  EXPECT_FALSE(Read(WithEntry({"Who built the ark?"}, '-')).HasAnswer);
  ReadResult result = Read(WithEntry({"Who built the ark? ", "Noah"}, '\\'));
  EXPECT_TRUE(result.HasAnswer);
  EXPECT_EQ(result.Trailer, "");
}

TEST_F(PackageReaderTest, EntryThatIsOnlyATrailerGivesNoEntry) {
  ReadResult onlyTrailer = Read(WithEntry({"\\Noah, Genesis 6"}, '\\'));
  EXPECT_TRUE(onlyTrailer.IsEmpty());
  EXPECT_FALSE(onlyTrailer.HasAnswer);
}

TEST_F(PackageReaderTest, TitleFollowsTheSlot) {
  PackageLayout layout;
  layout.Titles = {"First", "Second", "Third"};
  dayState.DayIndex = 7;
  EXPECT_EQ(Read(layout).Title, "Second");

  // A reading plan takes the title of its plan day: slot 355, 355 mod 7 = 5.
  layout.Titles = {"Through the Bible 1", "2", "3", "4", "5", "6", "7"};
  dayState.DayIndex = 10;
  settings.PlanOffset = 20;
  EXPECT_EQ(Read(layout).Title, "6");
}

TEST_F(PackageReaderTest, UnopenableFileGivesNoEntry) {
  ReadResult result;
  ReadPackageEntry(dir.File("MISSING.QXP"), CurrentDayChoice(settings, dayState), result.First,
                   result.Marker, result.Trailer, result.Title, nullptr);
  EXPECT_TRUE(result.IsEmpty());
  EXPECT_EQ(ReadPackageDescription(dir.File("MISSING.QXP")), "");
  EXPECT_EQ(ReadPackageDescription(dir.Path().string()), ""); // a folder

  // A FIFO put in a package's place after the folder was listed is passed
  // over at once. Should a read wait for a writer, one comes after ten
  // seconds, so that the test fails instead of hanging.
  const std::string fifo = dir.File("FIFO.QXP");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto read = std::async(std::launch::async, [&] {
    ReadResult fromFifo;
    ReadPackageEntry(fifo, CurrentDayChoice(settings, dayState), fromFifo.First, fromFifo.Marker,
                     fromFifo.Trailer, fromFifo.Title, nullptr);
    return fromFifo.IsEmpty() && ReadPackageDescription(fifo).empty();
  });
  const bool ended = read.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
  EXPECT_TRUE(ended) << "the reader waited on a FIFO";
  while (!ended && read.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0)
      ::close(writer);
  }
  EXPECT_TRUE(read.get());
}

struct Damage {
  const char *Name;
  std::function<void(std::string &)> Apply;
};

TEST_F(PackageReaderTest, DamagedPackageGivesNoEntryAndNoExportLine) {
  const PackageLayout layout = WithEntry({"first ", "second"}, '\\');
  const Damage damages[] = {
      {"empty file", [](std::string &b) { b.clear(); }},
      {"shorter than its header", [](std::string &b) { b.resize(1000); }},
      {"title count 0", [](std::string &b) { b[testpackage::TitleCountPosition] = 0; }},
      {"title count 8", [](std::string &b) { b[testpackage::TitleCountPosition] = 8; }},
      {"negative title count", [](std::string &b) { b[testpackage::TitleCountPosition] = -1; }},
      {"title length 41", [](std::string &b) { b[testpackage::TitlePosition(0)] = 41; }},
      {"slot past the end",
       [](std::string &b) { testpackage::SetOffset(b, 1, 0, b.size() + 100); }},
      {"slot at the end", [](std::string &b) { testpackage::SetOffset(b, 1, 0, b.size()); }},
      {"slot past 4 GiB", [](std::string &b) { testpackage::SetOffset(b, 1, 0, 0xFFFFFFFF); }},
      {"first piece past the end",
       [](std::string &b) {
         b.back() = 100;
         testpackage::SetOffset(b, 1, 0, b.size() - 1);
       }},
      {"next piece past the end",
       [](std::string &b) {
         const std::uint32_t start = testpackage::GetOffset(b, 1, 0);
         testpackage::SetOffset(b, 1, 1, 0xFFFFFFFF);
         b.resize(start + 7 + 3); // inside "second"
       }},
      {"joined trailer above 255",
       [](std::string &b) {
         PackageLayout longTrailer =
             WithEntry({"Q \\" + std::string(200, 'a'), std::string(100, 'b')}, '\\');
         b = BuildPackage(longTrailer);
       }},
      {"hyphen trailer grows above 255",
       [](std::string &b) {
         b = BuildPackage(WithEntry({"Body ", "-" + std::string(254, 'x')}, '-'));
       }},
  };
  settings.SaveFile = 1;
  for (const Damage &damage : damages) {
    std::string bytes = BuildPackage(layout);
    damage.Apply(bytes);
    TextExport exportFile;
    std::string error;
    ASSERT_TRUE(testsupport::Noted(exportFile.Create(dir.File("SELWARTH.TXT")), error));
    ReadResult result = Read(bytes, &exportFile);
    EXPECT_TRUE(testsupport::Noted(exportFile.Close(), error)) << error;
    EXPECT_TRUE(result.IsEmpty()) << damage.Name;
    EXPECT_EQ(dir.Read("SELWARTH.TXT"), "") << damage.Name;
  }
}

TEST_F(PackageReaderTest, LongestTrailersThatFitAreKept) {
  ReadResult joined = Read(WithEntry({"Q \\" + std::string(200, 'a'), std::string(55, 'b')}, '\\'));
  EXPECT_EQ(joined.Trailer, std::string(200, 'a') + std::string(55, 'b'));
  ReadResult hyphen = Read(WithEntry({"Body ", "-" + std::string(253, 'x')}, '-'));
  EXPECT_EQ(hyphen.Trailer, "- " + std::string(253, 'x'));
}

TEST_F(PackageReaderTest, DescriptionTakesTheTitleWhenBothFit) {
  PackageLayout layout;
  layout.Titles = {std::string(40, 'T')};
  layout.Description = std::string(209, 'd');
  EXPECT_EQ(ReadPackageDescription(dir.Write("A.QXP", BuildPackage(layout))),
            layout.Titles[0] + ": " + layout.Description);
  layout.Description = std::string(210, 'd');
  EXPECT_EQ(ReadPackageDescription(dir.Write("A.QXP", BuildPackage(layout))), layout.Description);
}

TEST_F(PackageReaderTest, DescriptionIgnoresTheTypeButNotDamage) {
  PackageLayout layout;
  layout.Type = 40;
  layout.Titles = {"Greek"};
  layout.Description = "Text\twith a tab \x81";
  std::string bytes = BuildPackage(layout);
  EXPECT_EQ(ReadPackageDescription(dir.Write("A.OFF", bytes)), "Greek: Text\twith a tab \xC2\x81");

  std::string cut = bytes.substr(0, bytes.size() - 3);
  EXPECT_EQ(ReadPackageDescription(dir.Write("A.OFF", cut)), "");
  testpackage::SetOffset(bytes, 1, 366, bytes.size());
  EXPECT_EQ(ReadPackageDescription(dir.Write("A.OFF", bytes)), "");
  bytes[testpackage::TitleCountPosition] = 0;
  EXPECT_EQ(ReadPackageDescription(dir.Write("A.OFF", bytes)), "");
}

class TextExportTest : public PackageReaderTest {
protected:
  void SetUp() override {
    PackageReaderTest::SetUp();
    settings.SaveFile = 1;
    ASSERT_TRUE(testsupport::Noted(exportFile.Create(dir.File("SELWARTH.TXT")), error));
  }
  std::string Written() {
    EXPECT_TRUE(testsupport::Noted(exportFile.Close(), error)) << error;
    return dir.Read("SELWARTH.TXT");
  }
  TextExport exportFile;
  std::string error;
};

TEST_F(TextExportTest, WritesTitleAndBodyLinesPerPackage) {
  PackageLayout verse = WithEntry({"Love one another. -John 13:34"}, '-');
  verse.Titles = {"Daily Verse"};
  PackageLayout quiz = WithEntry({"Who built the ark? \\Noah, ", "Genesis 6"}, '\\');
  quiz.Titles = {"Daily Bible Quiz"};
  Read(verse, &exportFile);
  Read(quiz, &exportFile);
  EXPECT_EQ(Written(), "Daily Verse\r\nLove one another.  - John 13:34\r\n"
                       "Daily Bible Quiz\r\nWho built the ark?  Noah, Genesis 6\r\n");
}

TEST_F(TextExportTest, SpaceBeforeTheTrailerOnlyWithAMarker) {
  Read(WithEntry({"Plain ", "text"}, 0), &exportFile);
  Read(WithEntry({"No reference"}, '~'), &exportFile);
  Read(WithEntry({"", "skipped"}, '~'), &exportFile);
  EXPECT_EQ(Written(), "Verse\r\nPlain text\r\nVerse\r\nNo reference \r\n");
}

TEST_F(TextExportTest, WritesTheBytesAsRead) {
  PackageLayout layout = WithEntry({"\x81"});
  Read(layout, &exportFile);
  layout.Type = 1;
  Read(layout, &exportFile);
  EXPECT_EQ(Written(), "Verse\r\n\x81\r\nVerse\r\n\xFC\r\n");
}

TEST_F(TextExportTest, NothingWrittenWhenOffOrNotOpen) {
  settings.SaveFile = 0;
  Read(WithEntry({"text"}), &exportFile);
  EXPECT_EQ(Written(), "");

  settings.SaveFile = 1;
  TextExport unopened;
  EXPECT_FALSE(testsupport::Noted(unopened.Create(dir.File("missing/SELWARTH.TXT")), error));
  EXPECT_EQ(error, "No such file or directory");
  EXPECT_EQ(Read(WithEntry({"text"}), &unopened).First.Text, "text");
}

TEST_F(TextExportTest, CreateTruncatesAnOldFile) {
  Read(WithEntry({"old"}), &exportFile);
  ASSERT_TRUE(testsupport::Noted(exportFile.Close(), error)) << error;
  ASSERT_TRUE(testsupport::Noted(exportFile.Create(dir.File("SELWARTH.TXT")), error));
  EXPECT_EQ(Written(), "");
}

} // namespace
