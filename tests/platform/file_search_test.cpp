#include "platform/file_search.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace {

using Names = std::vector<std::string>;

TEST(FileSearchTest, FindsOrdinaryFilesByExtensionWithoutRegardToCase) {
  testsupport::TempDir dir;
  for (const char *name : {"b.QXP", "A.qxp", "c.Qxp", "d.OFF", "e.QXP.bak", "QXP", "f.qxpx"})
    dir.Write(name, "x");
  EXPECT_EQ(platform::FindFiles("*.QXP", dir.Path().string()), (Names{"A.qxp", "b.QXP", "c.Qxp"}));
  EXPECT_EQ(platform::FindFiles("*.off", dir.Path().string()), (Names{"d.OFF"}));
}

TEST(FileSearchTest, LeavesOutFoldersAndHiddenFiles) {
  testsupport::TempDir dir;
  dir.Write(".hidden.QXP", "x");
  dir.Write("shown.QXP", "x");
  std::filesystem::create_directory(dir.Path() / "folder.QXP");
  std::filesystem::create_symlink(dir.Path() / "shown.QXP", dir.Path() / "link.QXP");
  std::filesystem::create_symlink(dir.Path() / "folder.QXP", dir.Path() / "dirlink.QXP");
  EXPECT_EQ(platform::FindFiles("*.QXP", dir.Path().string()), (Names{"link.QXP", "shown.QXP"}));
}

TEST(FileSearchTest, OrdersNamesWithoutRegardToCaseAndStably) {
  testsupport::TempDir dir;
  for (const char *name : {"verse.QXP", "Quiz.QXP", "VERSE.qxp", "greek.QXP", "_first.QXP"})
    dir.Write(name, "x");
  // Compared in lower case, '_' (0x5F) comes before 'a' (0x61).
  EXPECT_EQ(platform::FindFiles("*.QXP", dir.Path().string()),
            (Names{"_first.QXP", "greek.QXP", "Quiz.QXP", "VERSE.qxp", "verse.QXP"}));
}

TEST(FileSearchTest, AFolderThatCannotBeReadHasNoFiles) {
  EXPECT_TRUE(platform::FindFiles("*.QXP", "/nonexistent/selwarth").empty());
  EXPECT_TRUE(platform::FindFiles("QXP", ".").empty()); // not a pattern we know
}

TEST(FileSearchTest, NameOrderIsAStrictOrder) {
  EXPECT_TRUE(platform::NameLess("abc", "ABD"));
  EXPECT_FALSE(platform::NameLess("ABD", "abc"));
  EXPECT_TRUE(platform::NameLess("ab", "ABC"));
  EXPECT_TRUE(platform::NameLess("ABC", "abc")); // equal but for case: by bytes
  EXPECT_FALSE(platform::NameLess("abc", "ABC"));
  EXPECT_FALSE(platform::NameLess("abc", "abc"));
  EXPECT_TRUE(platform::HasExtension("x.qxp", ".QXP"));
  EXPECT_FALSE(platform::HasExtension("xqxp", ".QXP"));
}

} // namespace
