#include "scripture/bible_passages.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "scripture/sword_modules.h"
#include "support/temp_dir.h"

namespace {

// A reading and the list and first verse sent for it, and the list with
// every passage a range; an empty list: not readable, nothing is sent.
struct Row {
  const char *reading;
  const char *list;
  const char *first;
  const char *ranges = "";
};

TEST(BiblePassagesTest, AReadingIsSentAsThePassagesItNames) {
  const Row rows[] = {
      {"Genesis 1-2", "Genesis 1-2", "Genesis 1:1", "Genesis 1-2"},
      {"Morning: Gen 1-2 / Evening: Matt 1", "Genesis 1-2; Matthew 1", "Genesis 1:1",
       "Genesis 1-2; Matthew 1-1"},
      {"Ps 23:1-2; Matt. 1:1-2", "Psalms 23:1-2; Matthew 1:1-2", "Psalms 23:1",
       "Psalms 23:1-2; Matthew 1:1-2"},
      {" John 3:16", "John 3:16", "John 3:16", "John 3:16-16"},
      {"1 Cor 13 - 14", "1 Corinthians 13-14", "1 Corinthians 13:1", "1 Corinthians 13-14"},
      {"1John 4:7-5:3", "1 John 4:7-5:3", "1 John 4:7", "1 John 4:7-5:3"},
      {"Ps 23; 24", "Psalms 23; Psalms 24", "Psalms 23:1",
       "Psalms 23-23; Psalms 24-24"}, // the book goes on
      {"Song of Songs 2:4", "Song of Solomon 2:4", "Song of Solomon 2:4", "Song of Solomon 2:4-4"},
      {"Judg 3", "Judges 3", "Judges 3:1", "Judges 3-3"},
      {"SMorning:2 jo", "2 John", "2 John 1:1", "2 John 1-1"},
      {"Phil 4:13", "Philippians 4:13", "Philippians 4:13", "Philippians 4:13-13"},
      {"Luke 2:1\x96"
       "20",
       "Luke 2:1-20", "Luke 2:1", "Luke 2:1-20"}, // an en dash
      {"Gen", "Genesis", "Genesis 1:1", "Genesis 1-50"},
      {"Psalm 119:176", "Psalms 119:176", "Psalms 119:176", "Psalms 119:176-176"},
      {"Jude", "Jude", "Jude 1:1", "Jude 1-1"},
      // A book of one chapter: its number is a verse.
      {"Jude 3", "Jude 1:3", "Jude 1:3", "Jude 1:3-3"},
      {"Obadiah 1-4", "Obadiah 1:1-4", "Obadiah 1:1", "Obadiah 1:1-4"},
      {"3 John 2", "3 John 1:2", "3 John 1:2", "3 John 1:2-2"},
      {"Philem 1:6", "Philemon 1:6", "Philemon 1:6", "Philemon 1:6-6"},
      // Not readable: the whole reading is refused.
      {"Foo 99:99", "", ""},
      {"Genesis 51", "", ""},
      {"Jude 2-1", "", ""},
      {"Matt 3:17-3", "", ""},
      {"Gen 1:1:1", "", ""},
      {"Gen 1-2-3", "", ""},
      {"Gen 1; ", "", ""},
      {"Morning: / Evening: Matt 1", "", ""},
      {"24; Ps 23", "", ""}, // no book to go on from
      {"Gen 1 177", "", ""},
      {"Ps 23:177", "", ""},
      {"G 1", "", ""},
      {"", "", ""},
  };
  for (const Row &row : rows) {
    std::optional<std::vector<TPassage>> passages = ReadPassages(row.reading);
    if (row.list[0] == '\0') {
      EXPECT_FALSE(passages) << row.reading << " read as " << PassageList(*passages);
      continue;
    }
    ASSERT_TRUE(passages) << row.reading;
    EXPECT_EQ(PassageList(*passages), row.list) << row.reading;
    EXPECT_EQ(passages->front().FirstVerse(), row.first) << row.reading;
    EXPECT_EQ(PassageRanges(*passages), row.ranges) << row.reading;
  }
}

TEST(BiblePassagesTest, TheBiblesAreTheInstalledTextModulesByNameAndAbbreviation) {
  testsupport::TempDir system, user;
  system.Write("kjv.conf", "[engKJV2006eb]\nAbbreviation=KJV\nDescription=King James Version\n"
                           "DataPath=./modules/texts/ztext/engKJV2006eb/\nModDrv=zText\n");
  system.Write("mhc.conf", "[MHC]\nDescription=Matthew Henry\nModDrv=zCom\n");
  system.Write("notes.txt", "[Notes]\nModDrv=zText\n");
  user.Write("web.conf", "# the user's\r\n[WEB]\r\nDescription=World English Bible\r\n"
                         "ModDrv = RawText\r\n[Other]\r\nModDrv=zCom\r\n");
  user.Write("again.conf", "[ENGKJV2006EB]\nModDrv=zText\n");
  user.Write("bad.conf", "[a/b]\nModDrv=zText\n");
  std::vector<TSwordModule> modules =
      InstalledBibleModules({system.Path().string(), user.Path().string(), "/nonexistent"});
  ASSERT_EQ(modules.size(), 2u);
  EXPECT_EQ(modules[0].name, "WEB");
  EXPECT_EQ(modules[0].abbreviation, "WEB");
  EXPECT_EQ(modules[0].description, "World English Bible");
  EXPECT_EQ(modules[1].abbreviation, "KJV");
  EXPECT_EQ(FindModule(modules, "kjv"), &modules[1]);
  EXPECT_EQ(FindModule(modules, "engKJV2006eb"), &modules[1]);
  EXPECT_EQ(FindModule(modules, "NIV"), nullptr);
}

// A module is known by its name: one whose name is unique is listed whatever
// its abbreviation, and a name chooses its module before any abbreviation
// does. An abbreviation that two modules share chooses neither.
TEST(BiblePassagesTest, ClashingNamesHideNoBibleAndChooseNoneByChance) {
  testsupport::TempDir system, user;
  system.Write("kjv.conf", "[engKJV2006eb]\nAbbreviation=KJV\nModDrv=zText\n");
  user.Write("kjv1769.conf", "[KJV]\nAbbreviation=KJV1769\nModDrv=zText\n");
  user.Write("shadow.conf", "[AAShadow]\nAbbreviation=WEB\nModDrv=zText\n");
  user.Write("web.conf", "[ENGWEB]\nAbbreviation=WEB\nModDrv=zText\n");
  std::vector<TSwordModule> modules =
      InstalledBibleModules({system.Path().string(), user.Path().string()});
  std::vector<std::string> names;
  for (const TSwordModule &module : modules)
    names.push_back(module.name);
  EXPECT_EQ(names, (std::vector<std::string>{"AAShadow", "ENGWEB", "KJV", "engKJV2006eb"}));
  const struct {
    const char *translation;
    const char *module; // "": none
  } rows[] = {
      {"KJV", "KJV"}, {"kjv1769", "KJV"},   {"engkjv2006eb", "engKJV2006eb"},
      {"WEB", ""},    {"ENGWEB", "ENGWEB"}, {"AAShadow", "AAShadow"},
      {"", ""},
  };
  for (const auto &row : rows) {
    const TSwordModule *found = FindModule(modules, row.translation);
    EXPECT_EQ(found != nullptr ? found->name : "", row.module) << row.translation;
  }
}

// A folder of more configuration files than are read gives the first by
// their names, whatever order the folder lists them in.
TEST(BiblePassagesTest, AFolderOfTooManyModulesGivesTheFirstByName) {
  auto name = [](std::size_t i) {
    char text[16];
    std::snprintf(text, sizeof text, "M%05zu", i);
    return std::string(text);
  };
  testsupport::TempDir folder;
  for (std::size_t i = FolderLimit + FolderLimit / 5; i-- > 0;)
    folder.Write(name(i) + ".conf", "[" + name(i) + "]\nModDrv=zText\n");
  std::vector<TSwordModule> modules = InstalledBibleModules({folder.Path().string()});
  ASSERT_EQ(modules.size(), FolderLimit);
  EXPECT_EQ(modules.front().name, name(0));
  EXPECT_EQ(modules.back().name, name(FolderLimit - 1));
}

} // namespace
