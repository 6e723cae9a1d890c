// The day's entry of a daily devotional read from real modules that imp2ld
// made, in each of the three dictionary drivers, and the same modules
// damaged or made to harm: each harm is refused in a sentence that names the
// module and the file, at once.

#include "scripture/devotional_reader.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include "scripture/sword_modules.h"
#include "support/module_damage.h"
#include "support/scoped_environment.h"
#include "support/sword_module_builder.h"
#include "support/sword_system_library.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using Paragraphs = std::vector<std::string>;

// A devotional of a few days, in Latin-1 ThML as the older modules are.
const char *const DaysImp = "$$$01.01\n"
                            "<p>The first <i>day</i>\n of the year.</p>"
                            "<p>A verse<br/>and its   reference &amp; more.</p>\n"
                            "$$$02.28\nThe day before the leap.\n"
                            "$$$02.29\n<p>The leap day.</p>\n"
                            "$$$03.02\n@LINK 12.09\n"
                            "$$$04.01\n<p> </p>\n"
                            "$$$12.09\n<p>Ein Tag im Dezember, caf\xE9.</p>\n"
                            "$$$12.31\nThe last day.\n";

struct Library {
  testsupport::TempDir root;
  TSwordModule module;
};

// The module built into a library of its own and read through the catalogue.
// driver: "RawLD", "RawLD4", "zLD" (zlib) or "zLD LZSS".
void Build(Library &library, const std::string &imp, const std::string &driver,
           const std::string &confExtra = "SourceType=ThML\n") {
  const bool lzss = driver == "zLD LZSS";
  testsupport::BuildDictionary(library.root.Path(), "Days", imp,
                               "Feature=DailyDevotion\n" + confExtra, lzss ? "zLD" : driver,
                               lzss ? "LZSS" : "ZIP");
  std::vector<TSwordModule> modules =
      InstalledDevotionals({(library.root.Path() / "mods.d").string()});
  ASSERT_EQ(modules.size(), 1u);
  library.module = modules[0];
}

std::optional<Paragraphs> Read(const TSwordModule &module, const std::string &key) {
  platform::Result<std::optional<TDevotionalEntry>> entry = ReadDevotionalEntry(module, key);
  EXPECT_TRUE(entry) << key << ": " << (entry ? "" : entry.error());
  if (!entry || !*entry)
    return std::nullopt;
  return (*entry)->paragraphs;
}

std::string Deflate(const std::string &bytes) {
  uLongf size = compressBound(bytes.size());
  std::string packed(size, '\0');
  EXPECT_EQ(compress(reinterpret_cast<Bytef *>(packed.data()), &size,
                     reinterpret_cast<const Bytef *>(bytes.data()), bytes.size()),
            Z_OK);
  packed.resize(size);
  return packed;
}

// A zLD module's only block replaced by packed.
void ReplaceBlock(const fs::path &data, const std::string &packed) {
  testsupport::WriteFile(data.string() + ".zdt", packed);
  testsupport::WriteFile(data.string() + ".zdx",
                         testsupport::Little32(0) +
                             testsupport::Little32(static_cast<std::uint32_t>(packed.size())));
}

TEST(DevotionalReaderTest, TheKeyOfADayIsItsMonthAndDayInTwoDigits) {
  EXPECT_EQ(DevotionalKey(1, 1), "01.01");
  EXPECT_EQ(DevotionalKey(2, 29), "02.29");
  EXPECT_EQ(DevotionalKey(12, 31), "12.31");
}

TEST(DevotionalReaderTest, EachDriverGivesTheDayAskedForAndNoNeighbour) {
  if (!testsupport::HaveSwordTools())
    GTEST_SKIP() << "imp2ld is not installed (libsword-utils)";
  const struct {
    const char *key;
    std::optional<Paragraphs> paragraphs;
  } days[] = {
      {"01.01", Paragraphs{"The first day of the year.", "A verse", "and its reference & more."}},
      {"02.29", Paragraphs{"The leap day."}},
      {"02.28", Paragraphs{"The day before the leap."}},
      // Between days the module has, before its first and after its last.
      {"03.01", std::nullopt},
      {"00.00", std::nullopt},
      {"12.32", std::nullopt},
      {"01.0", std::nullopt},
      {"03.02", Paragraphs{"Ein Tag im Dezember, caf\u00E9."}},
      {"12.09", Paragraphs{"Ein Tag im Dezember, caf\u00E9."}},
      {"12.31", Paragraphs{"The last day."}},
      // An entry of nothing but markup has no text for the day.
      {"04.01", std::nullopt},
  };
  for (const char *driver : {"RawLD", "RawLD4", "zLD", "zLD LZSS"}) {
    Library library;
    Build(library, DaysImp, driver);
    for (const auto &day : days)
      EXPECT_EQ(Read(library.module, day.key), day.paragraphs) << driver << " " << day.key;
  }
}

// The record of index entry `entry` of a dictionary module replaced by one
// appended to its text: a key, a line end and what follows.
void ReplaceRecord(const fs::path &data, const std::string &driver, int entry,
                   const std::string &record) {
  const std::uint64_t end = fs::file_size(data.string() + ".dat");
  testsupport::OverwriteBytes(data.string() + ".dat", end, record);
  const std::string size = testsupport::Little32(static_cast<std::uint32_t>(record.size()));
  testsupport::OverwriteBytes(data.string() + ".idx", entry * (driver == "RawLD" ? 6 : 8),
                              testsupport::Little32(static_cast<std::uint32_t>(end)) +
                                  (driver == "RawLD" ? size.substr(0, 2) : size));
}

TEST(DevotionalReaderTest, PlainTextEndsAParagraphAtEachLineAndUtf8IsKept) {
  if (!testsupport::HaveSwordTools())
    GTEST_SKIP() << "imp2ld is not installed (libsword-utils)";
  const Paragraphs expected = {"Morning.", "The first line", "and the second, \u00E9t\u00E9.",
                               "<i>not markup</i>"};
  for (const std::string driver : {"RawLD", "RawLD4", "zLD"}) {
    Library library;
    // imp2ld keeps of a line end in an entry only its "\r", if any.
    Build(library,
          "$$$06.01\nMorning.\r\n\r\nThe  first\tline\r\nand the second, \xC3\xA9t\xC3\xA9.\r\n"
          "<i>not markup</i>\n",
          driver, "Encoding=UTF-8\n");
    // Other tools keep line ends whole, "\r\n" or "\n".
    if (driver != "zLD")
      ReplaceRecord(library.module.dataPath, driver, 0,
                    "06.01\r\nMorning.\r\n\r\nThe  first\tline\r\nand the second, "
                    "\xC3\xA9t\xC3\xA9.\n\n\n<i>not markup</i>\n");
    EXPECT_EQ(Read(library.module, "06.01"), expected) << driver;
  }
}

// libsword's own links (linkEntry) are a record "<key>\r\n@LINK <key>" in
// the text, in place of a zLD record's block and entry.
TEST(DevotionalReaderTest, AZldRecordThatLinksReadsTheLinkedDay) {
  if (!testsupport::HaveSwordTools())
    GTEST_SKIP() << "imp2ld is not installed (libsword-utils)";
  Library library;
  Build(library, "$$$05.01\nplaceholder\n$$$05.02\nThe linked day.\n", "zLD");
  ReplaceRecord(library.module.dataPath, "zLD", 0, "05.01\r\n@LINK 05.02");
  EXPECT_EQ(Read(library.module, "05.01"), Paragraphs{"The linked day."});
}

// Found as the program finds it: through the catalogue of the SWORD library;
// a file that is a link to a regular file is read.
TEST(DevotionalReaderTest, ADevotionalOfTheLibraryIsReadByItsName) {
  if (!testsupport::HaveSwordTools())
    GTEST_SKIP() << "imp2ld is not installed (libsword-utils)";
  testsupport::SwordSystemLibrary system;
  testsupport::TempDir home;
  testsupport::ScopedEnvironment homeIs("HOME", home.Path().string());
  testsupport::BuildDictionary(system.Root(), "Light", "$$$12.09\n<p>Daily light.</p>\n",
                               "Category=Daily Devotional\nSourceType=ThML\n", "zLD");
  // Its blocks kept elsewhere, where a link leads.
  const fs::path blocks = system.Root() / "modules/lexdict/Light/Light.zdt";
  fs::rename(blocks, system.Root() / "Light.zdt");
  fs::create_symlink("../../../Light.zdt", blocks);
  std::vector<TSwordModule> devotionals = InstalledDevotionals(SwordModuleFolders());
  const TSwordModule *light = FindModule(devotionals, "light");
  ASSERT_NE(light, nullptr);
  EXPECT_EQ(Read(*light, DevotionalKey(12, 9)), Paragraphs{"Daily light."});
}

TEST(DevotionalReaderTest, ADamagedOrHarmfulModuleIsRefusedWithItsReason) {
  if (!testsupport::HaveSwordTools())
    GTEST_SKIP() << "imp2ld is not installed (libsword-utils)";
  using Harm = std::function<void(const std::string &data, const fs::path &conf)>;
  const struct {
    const char *what;
    const char *driver;
    Harm harm;
    const char *refused; // part of the sentence
    const char *file;    // the file it names
  } rows[] = {
      {"a text cut short", "RawLD",
       [](const std::string &data, const fs::path &) { fs::resize_file(data + ".dat", 3); },
       "points past its text", "Days.idx"},
      {"an index cut inside an entry", "RawLD4",
       [](const std::string &data, const fs::path &) { fs::resize_file(data + ".idx", 7); },
       "is cut short", "Days.idx"},
      {"a block index cut inside an entry", "zLD",
       [](const std::string &data, const fs::path &) { fs::resize_file(data + ".zdx", 5); },
       "is cut short", "Days.zdx"},
      {"blocks cut short", "zLD",
       [](const std::string &data, const fs::path &) { fs::resize_file(data + ".zdt", 20); },
       "points past Days.zdt", "Days.zdx"},
      {"a block whose stream is cut", "zLD",
       [](const std::string &data, const fs::path &) {
         testsupport::OverwriteBytes(data + ".zdx", 4, testsupport::Little32(20));
       },
       "cut short", "Days.zdt"},
      {"an entry that claims gigabytes", "RawLD4",
       [](const std::string &data, const fs::path &) {
         testsupport::OverwriteBytes(data + ".idx", 4, testsupport::Little32(0xC0000000));
       },
       "points past its text", "Days.idx"},
      {"a sparse text of gigabytes and an entry as large", "RawLD4",
       [](const std::string &data, const fs::path &) {
         fs::resize_file(data + ".dat", 3ull << 30);
         for (int entry = 0; entry < 7; ++entry)
           testsupport::OverwriteBytes(data + ".idx", entry * 8 + 4,
                                       testsupport::Little32(0x80000000));
       },
       "claims an entry too large", "Days.idx"},
      {"an index of gigabytes", "RawLD",
       [](const std::string &data, const fs::path &) {
         fs::resize_file(data + ".idx", 3ull << 30);
       },
       "is too large", "Days.idx"},
      {"a block that claims gigabytes", "zLD",
       [](const std::string &data, const fs::path &) {
         testsupport::OverwriteBytes(data + ".zdx", 4, testsupport::Little32(0xC0000000));
       },
       "claims a block too large", "Days.zdx"},
      {"a FIFO for its text", "RawLD",
       [](const std::string &data, const fs::path &) {
         fs::remove(data + ".dat");
         ASSERT_EQ(::mkfifo((data + ".dat").c_str(), 0600), 0);
       },
       "is a FIFO", "Days.dat"},
      {"a link to a FIFO for its text", "zLD",
       [](const std::string &data, const fs::path &) {
         ASSERT_EQ(::mkfifo((data + ".fifo").c_str(), 0600), 0);
         fs::remove(data + ".dat");
         fs::create_symlink(fs::path(data + ".fifo").filename(), data + ".dat");
       },
       "is a FIFO", "Days.dat"},
      {"a folder for its index", "RawLD4",
       [](const std::string &data, const fs::path &) {
         fs::remove(data + ".idx");
         fs::create_directory(data + ".idx");
       },
       "is a folder", "Days.idx"},
      {"no blocks at all", "zLD",
       [](const std::string &data, const fs::path &) { fs::remove(data + ".zdt"); }, "No such file",
       "Days.zdt"},
      {"an index of junk", "RawLD",
       [](const std::string &data, const fs::path &) {
         testsupport::OverwriteBytes(data + ".idx", 0, std::string(48, '\x5A'));
       },
       "points past its text", "Days.idx"},
      {"blocks of junk", "zLD",
       [](const std::string &data, const fs::path &) {
         testsupport::OverwriteBytes(data + ".zdt", 0, std::string(64, '\x5A'));
       },
       "holds a damaged block", "Days.zdt"},
      {"a block that unpacks to more than the limit", "zLD",
       [](const std::string &data, const fs::path &) {
         ReplaceBlock(data, Deflate(std::string(DevotionalBlockLimit + 1, '\0')));
       },
       "unpacks to more than 4 MiB", "Days.zdt"},
      {"a block that counts more entries than it holds", "zLD",
       [](const std::string &data, const fs::path &) {
         ReplaceBlock(data, Deflate(testsupport::Little32(1000) + testsupport::Little32(12) +
                                    testsupport::Little32(3) + "ab"));
       },
       "counts more entries than it holds", "Days.zdt"},
      {"a block whose entry lies past its end", "zLD",
       [](const std::string &data, const fs::path &) {
         std::string table;
         for (int entry = 0; entry < 8; ++entry)
           table += testsupport::Little32(68) + testsupport::Little32(400);
         ReplaceBlock(data, Deflate(testsupport::Little32(8) + table + "text"));
       },
       "lies past its end", "Days.zdt"},
      {"a record that names a block the module lacks", "zLD",
       [](const std::string &data, const fs::path &) { testsupport::WriteFile(data + ".zdx", ""); },
       "names a block that Days.zdx lacks", "Days.dat"},
      {"a DataPath that leaves the library", "RawLD",
       [](const std::string &, const fs::path &conf) {
         testsupport::ReplaceDataPath(conf, "../../../days");
       },
       "has no DataPath inside its library", ""},
      {"blocks compressed with bzip2", "zLD",
       [](const std::string &, const fs::path &conf) {
         std::string text = testsupport::ReadFileBytes(conf);
         text.replace(text.find("CompressType=ZIP"), 16, "CompressType=BZIP2");
         testsupport::WriteFile(conf, text);
       },
       "is compressed in a way this program does not read (BZIP2)", ""},
      {"a locked module", "RawLD4",
       [](const std::string &, const fs::path &conf) {
         testsupport::WriteFile(conf, testsupport::ReadFileBytes(conf) + "CipherKey=\n");
       },
       "is enciphered", ""},
      {"LZSS blocks that unpack to more than the limit", "zLD LZSS",
       [](const std::string &data, const fs::path &) {
         // Each flag byte of nothing but repeats: 8 times 18 bytes of blanks.
         std::string packed;
         while (packed.size() < 1024 * 1024)
           packed += std::string(1, '\0') + std::string(16, '\xFF');
         ReplaceBlock(data, packed);
       },
       "unpacks to more than 4 MiB", "Days.zdt"},
  };
  // Each row harms a copy of the module of its driver, built once.
  std::map<std::string, Library> built;
  for (const char *driver : {"RawLD", "RawLD4", "zLD", "zLD LZSS"})
    Build(built[driver], DaysImp, driver);
  for (const auto &row : rows) {
    testsupport::TempDir library;
    fs::copy(built[row.driver].root.Path(), library.Path(), fs::copy_options::recursive);
    const std::vector<std::string> folders = {(library.Path() / "mods.d").string()};
    row.harm(InstalledDevotionals(folders).at(0).dataPath, library.Path() / "mods.d/Days.conf");
    std::vector<TSwordModule> modules = InstalledDevotionals(folders);
    ASSERT_EQ(modules.size(), 1u) << row.what;
    platform::Result<std::optional<TDevotionalEntry>> entry =
        ReadDevotionalEntry(modules[0], "01.01");
    ASSERT_FALSE(entry) << row.what;
    EXPECT_NE(entry.error().find(row.refused), std::string::npos)
        << row.what << ": " << entry.error();
    EXPECT_NE(entry.error().find(" Days"), std::string::npos) << entry.error();
    EXPECT_NE(entry.error().find(row.file), std::string::npos) << row.what << ": " << entry.error();
  }
}

TEST(DevotionalReaderTest, LinksThatLoopOrLeadNowhereAreRefused) {
  if (!testsupport::HaveSwordTools())
    GTEST_SKIP() << "imp2ld is not installed (libsword-utils)";
  std::string chain;
  for (int day = 1; day <= 12; ++day)
    chain += "$$$07." + DevotionalKey(1, day).substr(3) + "\n@LINK 07." +
             DevotionalKey(1, day + 1).substr(3) + "\n";
  const std::string imp = "$$$05.01\n@LINK 05.02\n$$$05.02\n@LINK 05.01\n"
                          "$$$05.03\n@LINK 05.03\n$$$05.04\n@LINK 09.09\n$$$05.05\n@LINK\n" +
                          chain;
  const struct {
    const char *key;
    const char *refused;
  } rows[] = {
      {"05.01", "The entry 05.02 in Days.dat of Days links in a loop."},
      {"05.03", "The entry 05.03 in Days.dat of Days links in a loop."},
      {"05.04", "The entry 05.04 in Days.dat of Days links to 09.09, which the module lacks."},
      {"05.05", "The entry 05.05 in Days.dat of Days links to no key."},
      {"07.01", "The entry 07.01 in Days.dat of Days links through more than 8 entries."},
  };
  for (const std::string driver : {"RawLD", "zLD", "zLD LZSS"}) {
    Library library;
    Build(library, imp, driver);
    for (const auto &row : rows) {
      platform::Result<std::optional<TDevotionalEntry>> entry =
          ReadDevotionalEntry(library.module, row.key);
      ASSERT_FALSE(entry) << driver << " " << row.key;
      // A zLD module keeps these links in its blocks.
      std::string expected = row.refused;
      if (driver.starts_with("zLD"))
        expected.replace(expected.find("Days.dat"), 8, "Days.zdt");
      EXPECT_EQ(entry.error(), expected) << driver;
    }
  }
}

} // namespace
