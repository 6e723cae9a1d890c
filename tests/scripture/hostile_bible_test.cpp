// Bible modules whose files were damaged or made to harm: each is refused
// with a sentence that says why, or read as far as it holds, and libsword
// never reads a file that could crash, hold or flood it.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "scripture/passage_text.h"
#include "support/module_damage.h"
#include "support/sword_module_builder.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

TEST(HostileBibleTest, ADamagedOrHarmfulModuleIsRefusedWithItsReason) {
  if (!testsupport::HaveSwordTools())
    GTEST_SKIP() << "imp2vs is not installed (libsword-utils)";
  const struct {
    const char *what;
    std::function<void(const fs::path &data, const fs::path &conf)> harm;
    const char *refused; // "": opened, and Genesis 1:1 reads as it can
  } rows[] = {
      {"whole", [](const fs::path &, const fs::path &) {}, ""},
      {"a truncated verse index",
       [](const fs::path &data, const fs::path &) { fs::resize_file(data / "ot.bzv", 7); }, ""},
      {"a block index cut in an entry",
       [](const fs::path &data, const fs::path &) { fs::resize_file(data / "ot.bzs", 5); },
       "points past its text"},
      {"text shorter than its index",
       [](const fs::path &data, const fs::path &) { fs::resize_file(data / "ot.bzz", 3); },
       "points past its text"},
      {"a block that claims gigabytes",
       [](const fs::path &data, const fs::path &) {
         testsupport::OverwriteBytes(data / "ot.bzs", 8, testsupport::Little32(0xC0000000));
       },
       "claims a block too large"},
      {"a block past the end of the text",
       [](const fs::path &data, const fs::path &) {
         testsupport::OverwriteBytes(data / "ot.bzs", 0, testsupport::Little32(0x7FFFFFF0));
       },
       "points past its text"},
      {"a verse past the end of its block",
       [](const fs::path &data, const fs::path &) {
         // Genesis 1:1 is the fifth entry of the index (after the module's,
         // the testament's, the book's and the chapter's headings).
         testsupport::OverwriteBytes(data / "ot.bzv", 4 * 10 + 4,
                                     testsupport::Little32(0x00FFFFFF));
       },
       "points past its text"},
      {"an index of gigabytes",
       [](const fs::path &data, const fs::path &) { fs::resize_file(data / "ot.bzv", 3ull << 30); },
       "is too large"},
      {"a FIFO for its text",
       [](const fs::path &data, const fs::path &) {
         fs::remove(data / "ot.bzz");
         ASSERT_EQ(::mkfifo((data / "ot.bzz").c_str(), 0600), 0);
       },
       "is a FIFO"},
      {"a link to a FIFO for its index",
       [](const fs::path &data, const fs::path &) {
         ASSERT_EQ(::mkfifo((data / "fifo").c_str(), 0600), 0);
         fs::remove(data / "ot.bzv");
         fs::create_symlink("fifo", data / "ot.bzv");
       },
       "is a FIFO"},
      {"a link that loops",
       [](const fs::path &data, const fs::path &) {
         fs::remove(data / "ot.bzs");
         fs::create_symlink("ot.bzs", data / "ot.bzs");
       },
       "cannot be read"},
      {"a link to a file elsewhere",
       [](const fs::path &data, const fs::path &) {
         fs::rename(data / "ot.bzz", data.parent_path() / "elsewhere.bzz");
         fs::create_symlink("../elsewhere.bzz", data / "ot.bzz");
       },
       ""},
      {"a testament without its text",
       [](const fs::path &data, const fs::path &) { fs::remove(data / "ot.bzz"); }, "lacks a file"},
      {"a DataPath that leaves the library",
       [](const fs::path &, const fs::path &conf) {
         testsupport::ReplaceDataPath(conf, "../../../");
       },
       "has no DataPath inside its library"},
      {"a DataPath to the root",
       [](const fs::path &, const fs::path &conf) { testsupport::ReplaceDataPath(conf, "/"); },
       "has no DataPath inside its library"},
      {"a data folder that is a file",
       [](const fs::path &data, const fs::path &) {
         fs::remove_all(data);
         testsupport::WriteFile(data, "junk");
       },
       "are not where its DataPath says"},
      {"compressed text of junk",
       [](const fs::path &data, const fs::path &) {
         testsupport::OverwriteBytes(data / "ot.bzz", 0, std::string(64, '\x5A'));
       },
       ""},
  };
  for (const auto &row : rows) {
    testsupport::TempDir library;
    testsupport::BuiltModule built = testsupport::BuildBible(
        library.Path(), "Harmed", "$$$Gen 1:1\nIn the beginning.\n$$$Gen 1:2\nAnd the earth.\n",
        "SourceType=OSIS\n");
    row.harm(built.dataPath, library.Path() / "mods.d/Harmed.conf");
    std::vector<TSwordModule> modules = InstalledModules({(library.Path() / "mods.d").string()});
    ASSERT_EQ(modules.size(), 1u) << row.what;
    platform::Result<std::unique_ptr<TBible>> bible = TBible::Open(modules[0]);
    if (row.refused[0] != '\0') {
      ASSERT_FALSE(bible) << row.what;
      EXPECT_NE(bible.error().find(row.refused), std::string::npos)
          << row.what << ": " << bible.error();
      EXPECT_NE(bible.error().find("Harmed"), std::string::npos) << bible.error();
      continue;
    }
    ASSERT_TRUE(bible) << row.what << ": " << bible.error();
    TPassageRead read = (*bible)->Read(ReadPassages("Genesis 1:1-2")->front());
    if (std::string(row.what) == "whole" || std::string(row.what) == "a link to a file elsewhere")
      EXPECT_EQ(read.verses.size(), 2u) << row.what;
    else
      EXPECT_EQ(read.fault, TPassageRead::Fault::NoText) << row.what;
  }
}

} // namespace
