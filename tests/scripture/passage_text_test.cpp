// Passages read from real Bible modules: Debian's KJV, WEB and Reina-Valera
// (sword-text-kjv, sword-text-web, sword-text-sparv) where installed, and
// small Bibles made here with imp2vs.

#include "scripture/passage_text.h"

#include <gtest/gtest.h>

#include "scripture/sword_library.h"
#include "support/scoped_environment.h"
#include "support/sword_module_builder.h"
#include "support/sword_system_library.h"
#include "support/temp_dir.h"

namespace {

using Fault = TPassageRead::Fault;

std::string Shown(const TRuns &runs) {
  std::string shown;
  for (const TDocumentRun &run : runs)
    shown += run.italic ? "[" + run.text + "]" : run.text;
  return shown;
}

TPassage Passage(const char *reading) {
  std::optional<std::vector<TPassage>> passages = ReadPassages(reading);
  if (!passages)
    throw std::runtime_error(std::string("unreadable: ") + reading);
  return passages->front();
}

// An installed Bible of Debian's, by name; skipped where it is missing.
std::unique_ptr<TBible> Installed(const char *name) {
  std::vector<TSwordModule> modules = InstalledBibleModules({"/usr/share/sword/mods.d"});
  const TSwordModule *module = FindModule(modules, name);
  if (module == nullptr)
    return nullptr;
  platform::Result<std::unique_ptr<TBible>> bible = TBible::Open(*module);
  EXPECT_TRUE(bible) << bible.error();
  return bible ? std::move(*bible) : nullptr;
}

TEST(PassageTextTest, TheKingJamesVersionReadsAsPrintedWithItsAddedWordsInItalics) {
  std::unique_ptr<TBible> kjv = Installed("engKJV2006eb");
  if (!kjv)
    GTEST_SKIP() << "sword-text-kjv is not installed";
  TPassageRead read = kjv->Read(Passage("Genesis 1:1-2"));
  ASSERT_EQ(read.fault, Fault::None);
  ASSERT_EQ(read.verses.size(), 2u);
  EXPECT_EQ(Shown(read.verses[0].runs), "In the beginning God created the heaven and the earth.");
  EXPECT_EQ(Shown(read.verses[1].runs),
            "And the earth was without form, and void; and darkness [was] upon the face of the "
            "deep. And the Spirit of God moved upon the face of the waters.");
  EXPECT_EQ(read.verses[1].chapter, 1);
  EXPECT_EQ(read.verses[1].verse, 2);
  EXPECT_EQ(kjv->LocalText(Passage("Ps 23")), "Psalms 23");

  TPassageRead chapters = kjv->Read(Passage("Genesis 1-2"));
  EXPECT_EQ(chapters.verses.size(), 31u + 25u);
  EXPECT_EQ(chapters.verses.back().chapter, 2);
  TPassageRead psalms = kjv->Read(Passage("Psalms"));
  EXPECT_EQ(psalms.verses.size(), MaxPassageVerses);
  EXPECT_TRUE(psalms.cut);
}

// A passage outside the Bible's own versification is told as such: libsword
// would read Exodus 1 for Genesis 51 and John 4:1 for John 3:37.
TEST(PassageTextTest, APassageOutsideTheBibleIsNeverAnotherOne) {
  std::unique_ptr<TBible> kjv = Installed("engKJV2006eb");
  if (!kjv)
    GTEST_SKIP() << "sword-text-kjv is not installed";
  TPassage genesis51 = Passage("Genesis 50");
  genesis51.chapter = 51; // past the book, as another versification might have it
  const struct {
    TPassage passage;
    Fault fault;
    int count, chapter;
  } rows[] = {
      {genesis51, Fault::NoChapter, 50, 0},
      {Passage("John 3:37"), Fault::NoVerse, 36, 3},
      {Passage("John 3:30-40"), Fault::NoVerse, 36, 3},
      {Passage("John 3:30-4:60"), Fault::NoVerse, 54, 4},
      {Passage("Malachi 4:6"), Fault::None, 0, 0},
  };
  for (const auto &row : rows) {
    TPassageRead read = kjv->Read(row.passage);
    EXPECT_EQ(read.fault, row.fault) << row.passage.Text();
    EXPECT_EQ(read.count, row.count) << row.passage.Text();
    EXPECT_EQ(read.chapter, row.chapter) << row.passage.Text();
    if (row.fault != Fault::None) {
      EXPECT_TRUE(read.verses.empty()) << row.passage.Text();
    }
  }
}

TEST(PassageTextTest, BooksAreNamedInTheBiblesLanguage) {
  std::unique_ptr<TBible> rv = Installed("spaRV1909eb");
  if (!rv)
    GTEST_SKIP() << "sword-text-sparv is not installed";
  EXPECT_EQ(rv->LocalText(Passage("Genesis 1-2")), "G\xC3\xA9nesis 1-2");
  EXPECT_EQ(rv->ChapterText(Passage("Isaiah 43:19"), 43), "Isa\xC3\xAD"
                                                          "as 43");
  TPassageRead read = rv->Read(Passage("John 3:16"));
  ASSERT_EQ(read.verses.size(), 1u);
  EXPECT_TRUE(
      Shown(read.verses[0].runs).starts_with("Porque de tal manera am\xC3\xB3 Dios al mundo"))
      << Shown(read.verses[0].runs);
}

class BuiltBibleTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!testsupport::HaveSwordTools())
      GTEST_SKIP() << "imp2vs is not installed (libsword-utils)";
  }
  std::unique_ptr<TBible> Open(const std::string &name) {
    std::vector<TSwordModule> modules = InstalledModules({(library.Path() / "mods.d").string()});
    const TSwordModule *module = FindModule(modules, name);
    if (module == nullptr)
      return nullptr;
    platform::Result<std::unique_ptr<TBible>> bible = TBible::Open(*module);
    if (!bible)
      problem = bible.error();
    return bible ? std::move(*bible) : nullptr;
  }
  testsupport::TempDir library;
  std::string problem;
};

// Each markup, each driver and each encoding reads as the same plain text.
TEST_F(BuiltBibleTest, EveryMarkupReadsAsPlainText) {
  const struct {
    const char *name, *sourceType, *encoding, *driver, *verse, *shown;
  } rows[] = {
      {"OsisBible", "OSIS", "UTF-8", "zText",
       "<w lemma=\"strong:G2316\">God</w> <transChange type=\"added\">is</transChange> "
       "love.<note>A note</note>",
       "God [is] love."},
      {"ThmlBible", "ThML", "UTF-8", "RawText",
       "God<sync type=\"Strongs\" value=\"G2316\" /> <i>is</i> love.", "God [is] love."},
      {"GbfBible", "GBF", "UTF-8", "zText", "God<WG2316> <FI>is<Fi> love.<RF>note<Rf>",
       "God [is] love."},
      {"PlainBible", "", "UTF-8", "RawText", "Dios es amor.", "Dios es amor."},
      {"LatinBible", "", "Latin-1", "RawText", "Dios es \xE1mor.", "Dios es \xC3\xA1mor."},
  };
  for (const auto &row : rows) {
    std::string conf = std::string("SourceType=") + row.sourceType + "\n";
    testsupport::BuildBible(library.Path(), row.name,
                            std::string("$$$1 John 4:8\n") + row.verse + "\n", conf, row.driver);
    if (std::string(row.encoding) != "UTF-8") { // the builder writes UTF-8: say otherwise
      std::string path = (library.Path() / "mods.d" / (std::string(row.name) + ".conf")).string();
      std::string text = testsupport::ReadFileBytes(path);
      text.replace(text.find("Encoding=UTF-8"), 14, "Encoding=Latin-1");
      testsupport::WriteFile(path, text);
    }
    std::unique_ptr<TBible> bible = Open(row.name);
    ASSERT_TRUE(bible) << row.name << ": " << problem;
    TPassageRead read = bible->Read(Passage("1 John 4:8"));
    ASSERT_EQ(read.verses.size(), 1u) << row.name;
    EXPECT_EQ(Shown(read.verses[0].runs), row.shown) << row.name;
  }
}

// A Bible of the New Testament alone has no text for Genesis, and a verse
// it leaves out is not shown.
TEST_F(BuiltBibleTest, WhatTheBibleLacksIsNotShown) {
  testsupport::BuildBible(
      library.Path(), "Gospels",
      "$$$Matt 17:20\nIf ye have faith.\n$$$Matt 17:22\nAnd while they abode.\n",
      "SourceType=OSIS\n");
  std::unique_ptr<TBible> bible = Open("Gospels");
  ASSERT_TRUE(bible) << problem;
  EXPECT_EQ(bible->Read(Passage("Genesis 1")).fault, Fault::NoText);
  TPassageRead read = bible->Read(Passage("Matthew 17:20-22"));
  ASSERT_EQ(read.fault, Fault::None);
  ASSERT_EQ(read.verses.size(), 2u);
  EXPECT_EQ(read.verses[1].verse, 22);
}

} // namespace
