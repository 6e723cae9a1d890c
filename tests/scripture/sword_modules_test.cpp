// What the catalogue makes of one module's conf: its kind, where its files
// are, and the fields the reading needs.

#include "scripture/sword_modules.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace {

TEST(SwordModulesTest, BiblesAndDailyDevotionalsAreKnownByTheirConfs) {
  const struct {
    const char *conf;
    const char *kind; // "bible", "devotional", "": not read
  } rows[] = {
      {"[KJV]\nModDrv=zText\n", "bible"},
      {"[KJV]\nModDrv=RawText4\n", "bible"},
      {"[Com]\nModDrv=zCom\n", ""},
      {"[SME]\nModDrv=RawLD4\nFeature=DailyDevotion\n", "devotional"},
      // One Feature line of several says it.
      {"[SME]\nModDrv=zLD\nFeature=Images\nFeature=DailyDevotion\nFeature=NoParagraphs\n",
       "devotional"},
      {"[SME]\nModDrv=RawLD\nCategory=Daily Devotional\n", "devotional"},
      {"[Strong]\nModDrv=RawLD4\nFeature=GreekDef\n", ""},
      // A devotional is read from a dictionary of days only.
      {"[Odd]\nModDrv=RawGenBook\nFeature=DailyDevotion\n", ""},
      {"[SME]\nModDrv=RawLD4\nFeature = dailydevotion \n", "devotional"},
      {"# no section\nModDrv=zText\n", ""},
  };
  for (const auto &row : rows) {
    std::optional<TSwordModule> module = ReadSwordModuleConf(row.conf, "/lib");
    std::string kind = !module ? "" : module->kind == TModuleKind::Bible ? "bible" : "devotional";
    EXPECT_EQ(kind, row.kind) << row.conf;
  }
}

// A module's files are where its DataPath says below its library root, and
// never outside it.
TEST(SwordModulesTest, TheDataPathStaysInsideTheLibrary) {
  const struct {
    const char *dataPath;
    const char *found; // "": none
  } rows[] = {
      {"./modules/texts/ztext/kjv/", "/lib/modules/texts/ztext/kjv"},
      {"modules/lexdict/rawld4/sme/sme", "/lib/modules/lexdict/rawld4/sme/sme"},
      {"./modules//texts/./kjv", "/lib/modules/texts/kjv"},
      {"/", ""},
      {"/usr/share/sword/modules/texts/ztext/kjv/", ""},
      {"../../", ""},
      {"./modules/../../etc/", ""},
      {"./modules/..", ""},
      {"./", ""},
      {"..\\..\\", ""},
  };
  for (const auto &row : rows) {
    std::optional<TSwordModule> module =
        ReadSwordModuleConf(std::string("[KJV]\nModDrv=zText\nDataPath=") + row.dataPath, "/lib");
    ASSERT_TRUE(module) << row.dataPath;
    EXPECT_EQ(module->dataPath, row.found) << row.dataPath;
  }
}

TEST(SwordModulesTest, TheReadingFieldsComeFromTheConfAsPrintableText) {
  std::optional<TSwordModule> module = ReadSwordModuleConf(
      "[spaRV1909eb]\nAbbreviation=RV1909\nDescription=Reina Valera 1909\nModDrv=zText\n"
      "Lang=es\nSourceType=OSIS\nEncoding=UTF-8\nVersification=KJV\nCompressType=ZIP\n"
      "BlockType=BOOK\nAbout=A long \\\ntext\\\nDescription=not this\n"
      "[Next]\nLang=de\n");
  ASSERT_TRUE(module);
  EXPECT_EQ(module->language, "es");
  EXPECT_EQ(module->sourceType, "OSIS");
  EXPECT_EQ(module->encoding, "UTF-8");
  EXPECT_EQ(module->versification, "KJV");
  EXPECT_EQ(module->compressType, "ZIP");
  EXPECT_EQ(module->blockType, "BOOK");
  // The continued About took the line that looks like a key.
  EXPECT_EQ(module->description, "Reina Valera 1909");
  EXPECT_EQ(module->dataPath, ""); // no root given
  EXPECT_EQ(SpokenName(*module), "RV1909 - Reina Valera 1909");
}

// A reader's language keeps its letters in the description, whatever the
// module's encoding; control characters go.
TEST(SwordModulesTest, TheDescriptionKeepsItsLettersInTheModulesEncoding) {
  struct Row {
    const char *conf;
    const char *description;
  };
  const std::string tooLong = "Encoding=UTF-8\nDescription=" + std::string(70, 'a') + "\n";
  for (const Row &row : {
           Row{"Encoding=UTF-8\nDescription=Die Losungen der Br\xC3\xBC"
               "dergemeine\x07\n",
               "Die Losungen der Br\xC3\xBC"
               "dergemeine"},
           Row{"Encoding=UTF8\nDescription=\xCE\x9A\xCE\xB1\xCE\xB8\xCE\xB7\xCE\xBC\n",
               "\xCE\x9A\xCE\xB1\xCE\xB8\xCE\xB7\xCE\xBC"},
           Row{"Description=M\xE9"
               "ditations du jour\n",
               "M\xC3\xA9"
               "ditations du jour"},
           Row{"Encoding=UTF-8\nDescription=broken \xC3\n", "broken \xEF\xBF\xBD"},
           Row{tooLong.c_str(), nullptr},
       }) {
    std::optional<TSwordModule> module = ReadSwordModuleConf(
        std::string("[Days]\nModDrv=RawLD4\nFeature=DailyDevotion\n") + row.conf);
    ASSERT_TRUE(module) << row.conf;
    EXPECT_EQ(module->description, row.description ? row.description : std::string(60, 'a'));
  }
}

} // namespace

// One burst of questions reads the confs once; a module installed meanwhile
// counts from the next burst, and a question about other folders is read
// anew.
TEST(SwordModulesCatalogueTest, ABatchReadsTheConfsOnce) {
  testsupport::TempDir library, other;
  const auto conf = [](const std::string &name) {
    return "[" + name + "]\nModDrv=RawLD4\nFeature=DailyDevotion\nDataPath=./days\n";
  };
  std::filesystem::create_directories(library.Path() / "mods.d");
  std::filesystem::create_directories(other.Path() / "mods.d");
  library.Write("mods.d/first.conf", conf("First"));
  const std::vector<std::string> folders = {(library.Path() / "mods.d").string()};
  const auto names = [](const std::vector<TSwordModule> &modules) {
    std::vector<std::string> found;
    for (const TSwordModule &module : modules)
      found.push_back(module.name);
    return found;
  };
  {
    ModuleCatalogueBatch batch;
    EXPECT_EQ(names(InstalledDevotionals(folders)), std::vector<std::string>{"First"});
    library.Write("mods.d/second.conf", conf("Second"));
    {
      ModuleCatalogueBatch nested;
      EXPECT_EQ(names(InstalledModules(folders)), std::vector<std::string>{"First"});
    }
    EXPECT_EQ(names(InstalledDevotionals(folders)), std::vector<std::string>{"First"});
    other.Write("mods.d/third.conf", conf("Third"));
    EXPECT_EQ(names(InstalledModules({(other.Path() / "mods.d").string()})),
              std::vector<std::string>{"Third"});
  }
  EXPECT_EQ(names(InstalledDevotionals(folders)), (std::vector<std::string>{"First", "Second"}));
}
