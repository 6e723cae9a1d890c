// The sample packages as the build makes them: every packages/*.qxs compiles
// with qxp and passes qxp check, and each package reads through the
// program's own reader the way the verse window and the Links commands need
// it (a daily verse with a short reference, a reading plan with a morning and
// an evening part, a quiz answer with its verse in parentheses).

#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "content/day_selection.h"
#include "content/day_state.h"
#include "content/package_reader.h"
#include "content/settings.h"
#include "platform/code_page_1252.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

using ::testing::HasSubstr;
using ::testing::StartsWith;
using testsupport::BuiltProgram;
using testsupport::RunProcess;

namespace {

namespace fs = std::filesystem;

// What the Links commands can send: the reference buffer holds 39 characters.
constexpr std::size_t ReferenceLimit = 39;

struct Entry {
  std::string Body;
  char Marker = 0;
  std::string Trailer;
  std::string Title;
  bool HasAnswer = false;
};

std::string Upper(std::string text) {
  for (char &c : text)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::vector<fs::path> Sources() {
  std::vector<fs::path> sources;
  for (const auto &entry : fs::directory_iterator(fs::path(testsupport::SourceTree()) / "packages"))
    if (entry.path().extension() == ".qxs")
      sources.push_back(entry.path());
  std::sort(sources.begin(), sources.end());
  return sources;
}

class SamplePackages : public ::testing::Test {
protected:
  // The packages are built once, as the build's samples target does:
  // packages/name.qxs becomes NAME.QXP.
  static void SetUpTestSuite() {
    dir_ = std::make_unique<testsupport::TempDir>();
    for (const fs::path &source : Sources()) {
      std::string package = Upper(source.stem().string()) + ".QXP";
      auto build = RunProcess(BuiltProgram("qxp"), {"build", source.string(), "-o", package},
                              {dir_->Path().string(), {}, ""});
      buildErrors_ += build.errors;
      if (build.exitStatus == 0)
        built_.push_back(package);
    }
  }
  static void TearDownTestSuite() { dir_.reset(); }

  void SetUp() override { settings.QuoteMethodCode = QuoteMethod::Date; }

  static std::string Package(const std::string &name) { return dir_->File(name); }

  Entry Read(const std::string &name, int slot) {
    dayState.DayIndex = static_cast<std::int16_t>(slot);
    Entry entry;
    TTextPiece first;
    entry.HasAnswer = ReadPackageEntry(Package(name), CurrentDayChoice(settings, dayState), first,
                                       entry.Marker, entry.Trailer, entry.Title, nullptr);
    // The program's UTF-8 as code page 1252, as the exports write it.
    entry.Body = platform::ToCp1252(JoinedText(first));
    entry.Trailer = platform::ToCp1252(entry.Trailer);
    entry.Title = platform::ToCp1252(entry.Title);
    return entry;
  }

  static std::unique_ptr<testsupport::TempDir> dir_;
  Settings settings;
  DayState dayState;
  static std::vector<std::string> built_;
  static std::string buildErrors_;
};

std::unique_ptr<testsupport::TempDir> SamplePackages::dir_;
std::vector<std::string> SamplePackages::built_;
std::string SamplePackages::buildErrors_;

// The reference of a daily-verse trailer ("- John 3:16"), as the Daily Verse
// link cuts it.
std::string VerseReference(const std::string &trailer) {
  std::string reference = trailer.substr(trailer.find('-') + 1);
  reference.erase(0, reference.find_first_not_of(' '));
  return reference;
}

// "John 3:16" -> "3:16": the part two translations share.
std::string ChapterAndVerse(const std::string &reference) {
  return reference.substr(reference.rfind(' ') + 1);
}

TEST_F(SamplePackages, EverySourceBuildsAndChecksSound) {
  EXPECT_EQ(buildErrors_, "");
  for (const char *name : {"PLAN.QXP", "PROVERBS.QXP", "QUIZ.QXP", "RV1909.QXP", "VERSE.QXP"})
    EXPECT_NE(std::find(built_.begin(), built_.end(), name), built_.end()) << name;
  EXPECT_EQ(built_.size(), Sources().size());
  for (const std::string &name : built_) {
    auto check = RunProcess(BuiltProgram("qxp"), {"check", name}, {dir_->Path().string(), {}, ""});
    EXPECT_EQ(check.exitStatus, 0) << name << ": " << check.output << check.errors;
    EXPECT_THAT(check.output, HasSubstr("sound")) << name;
    EXPECT_THAT(ReadPackageDescription(Package(name)), HasSubstr(": ")) << name;
  }
}

TEST_F(SamplePackages, DailyVerseHasADifferentVerseInEverySlot) {
  std::set<std::string> references;
  for (int slot = 0; slot < 366; ++slot) {
    Entry entry = Read("VERSE.QXP", slot);
    SCOPED_TRACE("slot " + std::to_string(slot));
    EXPECT_EQ(entry.Title, "Daily Verse - King James Version");
    EXPECT_EQ(entry.Marker, '-');
    ASSERT_THAT(entry.Trailer, StartsWith("- "));
    EXPECT_GT(entry.Body.size(), 10u);
    EXPECT_EQ(entry.Body.back(), ' '); // the verse ends where the trailer starts
    std::string reference = VerseReference(entry.Trailer);
    EXPECT_LE(reference.size(), ReferenceLimit);
    EXPECT_THAT(reference, ::testing::ContainsRegex("^[1-3A-Z][A-Za-z ]+ [0-9]+:[0-9]+$"));
    references.insert(reference);
  }
  EXPECT_EQ(references.size(), 366u);
  EXPECT_EQ(VerseReference(Read("VERSE.QXP", 358).Trailer), "Luke 2:11"); // 25 December
}

TEST_F(SamplePackages, SpanishVerseKeepsItsAccentsThroughCodePage437) {
  EXPECT_EQ(testsupport::ReadFileBytes(Package("RV1909.QXP")).at(0), '\x01');
  for (int slot = 0; slot < 366; ++slot) {
    Entry spanish = Read("RV1909.QXP", slot);
    Entry english = Read("VERSE.QXP", slot);
    SCOPED_TRACE("slot " + std::to_string(slot));
    ASSERT_THAT(spanish.Trailer, StartsWith("- "));
    // The same verse as the King James package on the same day.
    EXPECT_EQ(ChapterAndVerse(spanish.Trailer), ChapterAndVerse(english.Trailer));
    // A character code page 437 could not carry would read as the currency sign.
    EXPECT_EQ((spanish.Body + spanish.Trailer).find('\xA4'), std::string::npos);
  }
  Entry first = Read("RV1909.QXP", 0);
  EXPECT_EQ(first.Title, "Vers\xED"
                         "culo del d\xED"
                         "a - Reina-Valera 1909");
  EXPECT_THAT(first.Body, StartsWith("He aqu\xED que yo hago cosa nueva"));
  EXPECT_THAT(first.Body, HasSubstr("\xBFno la sabr\xE9is?"));
  EXPECT_EQ(first.Trailer, "- Isa\xED"
                           "as 43:19");
}

// The number of chapters a plan reading names: "Genesis 1-3" is 3,
// "Psalm 119" is 1 and a book of one chapter named alone ("Jude") is 1.
int ChapterCount(const std::string &reading) {
  std::string last = reading.substr(reading.rfind(' ') + 1);
  if (last.empty() || !std::isdigit(static_cast<unsigned char>(last[0])))
    return 1;
  auto dash = last.find('-');
  if (dash == std::string::npos)
    return 1;
  return std::stoi(last.substr(dash + 1)) - std::stoi(last.substr(0, dash)) + 1;
}

TEST_F(SamplePackages, ReadingPlanReadsTheWholeBibleInAYear) {
  int chapters = 0;
  for (int day = 0; day < 365; ++day) {
    Entry entry = Read("PLAN.QXP", day);
    SCOPED_TRACE("plan day " + std::to_string(day + 1));
    EXPECT_THAT(entry.Title, StartsWith("Through the Bible"));
    EXPECT_EQ(entry.Marker, 0);
    EXPECT_EQ(entry.Trailer, "");
    // The Links commands cut the morning part up to the "/" and the evening
    // part to the end of the first piece.
    auto morning = entry.Body.find("Morning: ");
    auto slash = entry.Body.find(" / Evening: ");
    ASSERT_EQ(morning, 0u) << entry.Body;
    ASSERT_NE(slash, std::string::npos) << entry.Body;
    std::string first = entry.Body.substr(9, slash - 9);
    std::string second = entry.Body.substr(slash + 12);
    EXPECT_EQ(first.find('/'), std::string::npos);
    for (const std::string &reading : {first, second}) {
      EXPECT_FALSE(reading.empty());
      EXPECT_LE(reading.size(), ReferenceLimit);
      chapters += ChapterCount(reading);
    }
  }
  EXPECT_EQ(chapters, 1189);
  const std::string dayOne = "Morning: Genesis 1-2 / Evening: Matthew 1";
  EXPECT_EQ(Read("PLAN.QXP", 0).Body, dayOne);
  EXPECT_THAT(Read("PLAN.QXP", 364).Body, ::testing::EndsWith("Revelation 22"));

  settings.PlanOffset = 10; // the plan counts from its own start day
  EXPECT_EQ(Read("PLAN.QXP", 10).Body, dayOne);
  settings.QuoteMethodCode = QuoteMethod::Random;
  EXPECT_EQ(Read("PLAN.QXP", 10).Body, "");
}

TEST_F(SamplePackages, QuizKeepsEachAnswerWithItsVerse) {
  for (int slot = 0; slot < 366; ++slot) {
    Entry entry = Read("QUIZ.QXP", slot);
    SCOPED_TRACE("slot " + std::to_string(slot));
    EXPECT_EQ(entry.Title, "Daily Bible Quiz");
    EXPECT_EQ(entry.Marker, '\\');
    EXPECT_TRUE(entry.HasAnswer);
    EXPECT_THAT(entry.Body, ::testing::ContainsRegex("\\?\"? $"));
    // The Quiz Reference link sends what stands between the parentheses.
    auto open = entry.Trailer.find(" (");
    ASSERT_NE(open, std::string::npos) << entry.Trailer;
    ASSERT_EQ(entry.Trailer.back(), ')') << entry.Trailer;
    EXPECT_GT(open, 0u);
    std::string reference = entry.Trailer.substr(open + 2, entry.Trailer.size() - open - 3);
    EXPECT_LE(reference.size(), ReferenceLimit);
    EXPECT_THAT(reference, ::testing::ContainsRegex(" [0-9]+:[0-9]+(-[0-9]+)?$"));
  }
  Entry christmas = Read("QUIZ.QXP", 358);
  EXPECT_EQ(christmas.Trailer, "In a manger (Luke 2:7)");
}

TEST_F(SamplePackages, ProverbsShowTheirReferenceInItalics) {
  for (int slot = 0; slot < 366; ++slot) {
    Entry entry = Read("PROVERBS.QXP", slot);
    SCOPED_TRACE("slot " + std::to_string(slot));
    EXPECT_EQ(entry.Title, "Proverb of the Day");
    EXPECT_EQ(entry.Marker, '~');
    EXPECT_THAT(entry.Trailer, StartsWith("Proverbs "));
    EXPECT_GT(entry.Body.size(), 10u);
  }
  EXPECT_EQ(Read("PROVERBS.QXP", 0).Trailer, "Proverbs 1:7");
}

} // namespace
