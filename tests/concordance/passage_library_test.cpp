// Passages read from the SWORD Bible modules installed on the machine
// (Debian's sword-text-kjv; the tests are skipped where it is missing).

#include "passage_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace {

using concordance::Passage;
using concordance::PassageLibrary;

class PassageLibraryTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!PassageLibrary::Available())
      GTEST_SKIP() << "built without the SWORD library";
    if (!library.LookUp("KJV", *concordance::ParseReference("John 1:1")))
      GTEST_SKIP() << "no King James Version module installed (sword-text-kjv)";
  }
  std::optional<Passage> LookUp(const char *translation, const char *reference) {
    std::optional<concordance::Reference> parsed = concordance::ParseReference(reference);
    EXPECT_TRUE(parsed) << reference;
    return parsed ? library.LookUp(translation, *parsed) : std::nullopt;
  }

  PassageLibrary library;
};

TEST_F(PassageLibraryTest, ReadsTheVersesOfARangeWithNumbersAndParagraphs) {
  std::optional<Passage> passage = LookUp("kjv", "John 3:16-18");
  ASSERT_TRUE(passage);
  EXPECT_EQ(passage->reference, "John 3:16-18");
  EXPECT_EQ(passage->translation, "kjv");
  EXPECT_EQ(passage->description, "King James Version");
  ASSERT_EQ(passage->verses.size(), 3u);
  EXPECT_EQ(passage->verses[0].book, "John");
  EXPECT_EQ(passage->verses[0].chapter, 3);
  EXPECT_EQ(passage->verses[0].verse, 16);
  EXPECT_EQ(passage->verses[2].verse, 18);
  // The module's paragraph mark becomes a flag, not text.
  EXPECT_TRUE(passage->verses[0].text.starts_with("For God so loved the world"))
      << passage->verses[0].text;
  EXPECT_TRUE(passage->verses[0].paragraph);
  EXPECT_FALSE(passage->verses[1].paragraph);
  EXPECT_FALSE(passage->verses[1].text.ends_with(" "));
  EXPECT_FALSE(passage->cut);
}

TEST_F(PassageLibraryTest, WholeChaptersAndBooksAreExpandedUpToTheLimit) {
  std::optional<Passage> chapters = LookUp("KJV", "Genesis 1-2");
  ASSERT_TRUE(chapters);
  ASSERT_EQ(chapters->verses.size(), 31u + 25u);
  EXPECT_EQ(chapters->verses.front().chapter, 1);
  EXPECT_EQ(chapters->verses.back().chapter, 2);
  EXPECT_EQ(chapters->verses.back().verse, 25);

  std::optional<Passage> book = LookUp("KJV", "Jude");
  ASSERT_TRUE(book);
  EXPECT_EQ(book->verses.size(), 25u);

  std::optional<Passage> psalms = LookUp("KJV", "Psalms");
  ASSERT_TRUE(psalms);
  EXPECT_EQ(psalms->verses.size(), PassageLibrary::MaxVerses);
  EXPECT_TRUE(psalms->cut);
}

TEST_F(PassageLibraryTest, UnknownTranslationsAndBooksGiveNoPassage) {
  EXPECT_FALSE(LookUp("NOSUCH", "John 3:16"));
  EXPECT_FALSE(LookUp("", "John 3:16"));
  EXPECT_FALSE(LookUp("KJV", "Hezekiah 3:4"));
}

TEST_F(PassageLibraryTest, PlainTextHasAHeadingPerChapterAndAVerseALine) {
  std::optional<Passage> passage = LookUp("KJV", "Genesis 1-2");
  ASSERT_TRUE(passage);
  std::string text = concordance::PlainText(*passage);
  EXPECT_TRUE(text.starts_with("Genesis 1\n1 In the beginning God")) << text;
  EXPECT_NE(text.find("the earth.\n2 And the earth was"), std::string::npos);
  EXPECT_NE(text.find("\n\nGenesis 2\n1 Thus the heavens"), std::string::npos) << text;
}

// A module is found by its name first, and by an abbreviation only where no
// other module shares it: a module in the user's folder that claims
// another's abbreviation takes its place for neither.
TEST_F(PassageLibraryTest, AModuleIsFoundByItsNameBeforeAnyAbbreviation) {
  std::ifstream system("/usr/share/sword/mods.d/engKJV2006eb.conf");
  std::string kjv((std::istreambuf_iterator<char>(system)), std::istreambuf_iterator<char>());
  // The same text under another name, abbreviation and description.
  auto copy = [&kjv](const std::string &name, const std::string &abbreviation) {
    std::string conf = std::regex_replace(kjv, std::regex("\\[engKJV2006eb\\]"), "[" + name + "]");
    conf = std::regex_replace(conf, std::regex("Abbreviation=.*"), "Abbreviation=" + abbreviation);
    return std::regex_replace(conf, std::regex("Description=.*"), "Description=" + name);
  };
  const struct {
    const char *name, *abbreviation, *translation, *found;
  } rows[] = {
      {"AAShadow", "KJV", "KJV", "King James Version"}, // KJV is contained in engKJV2006eb
      {"AAShadow", "KJV", "AAShadow", "AAShadow"},
      {"KJV", "KJV1769", "KJV", "KJV"},
      {"KJV", "KJV1769", "kjv1769", "KJV"},
      {"KJV", "KJV1769", "engKJV2006eb", "King James Version"},
  };
  for (const auto &row : rows) {
    testsupport::TempDir home;
    std::filesystem::create_directories(home.Path() / ".sword/mods.d");
    std::filesystem::create_directory_symlink("/usr/share/sword/modules",
                                              home.Path() / ".sword/modules");
    home.Write(".sword/mods.d/other.conf", copy(row.name, row.abbreviation));
    testsupport::ScopedEnvironment homeIsTemp("HOME", home.Path().string());
    PassageLibrary fresh;
    std::optional<Passage> passage =
        fresh.LookUp(row.translation, *concordance::ParseReference("John 3:16"));
    ASSERT_TRUE(passage) << row.name << " " << row.translation;
    EXPECT_EQ(passage->description, row.found) << row.name << " " << row.translation;
  }
}

} // namespace
