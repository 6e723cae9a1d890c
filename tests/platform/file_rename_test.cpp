#include "platform/file_rename.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/noted.h"
#include "support/temp_dir.h"

namespace {

using Rename = platform::Result<void> (*)(const std::string &, const std::string &);

struct RenameWay {
  const char *Name;
  Rename Call;
};

const RenameWay Ways[] = {{"RenameNoReplace", platform::RenameNoReplace},
                          {"RenameByLink", platform::RenameByLink}};

TEST(FileRenameTest, EachWayRenamesAndNeverReplaces) {
  for (const RenameWay &way : Ways) {
    testsupport::TempDir dir;
    dir.Write("A.QXP", "package");
    std::string error;
    EXPECT_TRUE(testsupport::Noted(way.Call(dir.File("A.QXP"), dir.File("A.OFF")), error))
        << way.Name << error;
    EXPECT_FALSE(dir.Exists("A.QXP")) << way.Name;
    EXPECT_EQ(dir.Read("A.OFF"), "package") << way.Name;

    dir.Write("A.QXP", "other");
    EXPECT_FALSE(testsupport::Noted(way.Call(dir.File("A.QXP"), dir.File("A.OFF")), error))
        << way.Name;
    EXPECT_FALSE(error.empty()) << way.Name;
    EXPECT_EQ(dir.Read("A.QXP"), "other") << way.Name;
    EXPECT_EQ(dir.Read("A.OFF"), "package") << way.Name;

    error.clear();
    EXPECT_FALSE(testsupport::Noted(way.Call(dir.File("ABSENT.QXP"), dir.File("B.OFF")), error))
        << way.Name;
    EXPECT_FALSE(error.empty()) << way.Name;
  }
}

// Keeps the names of a folder from being removed while it lives: the
// append-only attribute (which holds even for root), else a folder without
// write permission.
class UndeletableNames {
public:
  explicit UndeletableNames(const std::filesystem::path &folder) : folder_(folder) {
    fd_ = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int flags = 0;
    if (fd_ >= 0 && ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_APPEND_FL;
      appendOnly_ = ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
    }
    if (!appendOnly_)
      chmod(folder.c_str(), 0555);
  }
  ~UndeletableNames() {
    int flags = 0;
    if (appendOnly_ && ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
      flags &= ~FS_APPEND_FL;
      ioctl(fd_, FS_IOC_SETFLAGS, &flags);
    }
    chmod(folder_.c_str(), 0700);
    if (fd_ >= 0)
      close(fd_);
  }
  UndeletableNames(const UndeletableNames &) = delete;
  UndeletableNames &operator=(const UndeletableNames &) = delete;

private:
  std::filesystem::path folder_;
  int fd_ = -1;
  bool appendOnly_ = false;
};

TEST(FileRenameTest, ARenameThatCannotRemoveTheOldNameLeavesOnlyTheOldName) {
  testsupport::TempDir source;
  testsupport::TempDir target;
  source.Write("A.QXP", "package");
  source.Write("PROBE", "");
  UndeletableNames locked(source.Path());
  if (unlink(source.File("PROBE").c_str()) == 0)
    GTEST_SKIP() << "this machine lets every name be removed";

  std::string error;
  EXPECT_FALSE(testsupport::Noted(
      platform::RenameByLink(source.File("A.QXP"), target.File("A.OFF")), error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(source.Read("A.QXP"), "package");
  EXPECT_FALSE(target.Exists("A.OFF"));
}

} // namespace
