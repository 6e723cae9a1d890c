#include <gtest/gtest.h>

#include <fstream>

#include "platform/profile.h"
#include "support/noted.h"
#include "support/temp_dir.h"

namespace {

TEST(ProfileReadBatchTest, ReadsOfABatchLookAtTheFileOnceButSeeTheirOwnWrites) {
  testsupport::TempDir dir;
  std::string file = dir.File("batch.ini");
  dir.Write("batch.ini", "[S]\nkey=1\n");
  {
    platform::ProfileReadBatch batch;
    EXPECT_EQ(platform::GetPrivateProfileInt("S", "key", 0, file), 1);
    // Another program changes the file: the batch keeps what it saw.
    dir.Write("batch.ini", "[S]\nkey=2\nother=5\n");
    EXPECT_EQ(platform::GetPrivateProfileInt("S", "key", 0, file), 1);
    EXPECT_EQ(platform::GetPrivateProfileInt("S", "other", 0, file), 0);
    // Our own write is seen at once.
    std::string error;
    ASSERT_TRUE(
        testsupport::Noted(platform::WritePrivateProfileString("S", "mine", "7", file), error))
        << error;
    EXPECT_EQ(platform::GetPrivateProfileInt("S", "mine", 0, file), 7);
    EXPECT_EQ(platform::GetPrivateProfileInt("S", "other", 0, file), 5);
  }
  dir.Write("batch.ini", "[S]\nkey=3\n");
  EXPECT_EQ(platform::GetPrivateProfileInt("S", "key", 0, file), 3);
}

TEST(ProfileReadBatchTest, AFileThatDoesNotExistYetIsSeenOnceWritten) {
  testsupport::TempDir dir;
  std::string file = dir.File("later.ini");
  platform::ProfileReadBatch batch;
  EXPECT_EQ(platform::GetPrivateProfileInt("S", "key", 9, file), 9);
  std::string error;
  ASSERT_TRUE(testsupport::Noted(platform::WritePrivateProfileString("S", "key", "4", file), error))
      << error;
  EXPECT_EQ(platform::GetPrivateProfileInt("S", "key", 9, file), 4);
}

} // namespace
