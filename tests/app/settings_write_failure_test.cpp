// The main window's own writes of settings when the settings folder cannot
// be written: the zoom, and the readable fonts of the launcher's first start.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "app/run_application.h"
#include "resources/main_menu.h"
#include "support/main_window_fixture.h"

namespace {

namespace fs = std::filesystem;

class SettingsWriteFailureTest : public testsupport::MainWindowTest {
protected:
  int CountOf(const std::string &start) const {
    const auto texts = Messages();
    return static_cast<int>(std::count_if(texts.begin(), texts.end(), [&](const std::string &t) {
      return t.rfind(start, 0) == 0 && t.find(sandbox.Folder()) != std::string::npos;
    }));
  }
};

TEST_F(SettingsWriteFailureTest, AZoomThatCannotBeKeptIsToldOnceAndStillApplies) {
  AddPackage("A.QXP", "Verse", "Love one another.");
  sandbox.BlockFolder();
  Run({[&] {
    Frame().MenuCommand(CM_ZOOMIN);
    Frame().MenuCommand(CM_ZOOMIN);
    EXPECT_EQ(settings.Zoom, 125);
    Frame().GetClientWindow()->Destroy(0);
  }});
  EXPECT_EQ(CountOf("The zoom could not be saved.\n"), 1);
  ASSERT_FALSE(backend.Messages().empty());
  EXPECT_EQ(backend.Messages().back().Caption, "Unable to Comply");
}

TEST_F(SettingsWriteFailureTest, ReadableFontsThatCannotBeSavedAreTold) {
  AddPackage("A.QXP", "Verse", "Love one another.");
  sandbox.BlockFolder();
  backend.SetReadableFont(TFontDesc{"DejaVu Serif", 17, false});
  backend.Then([&] { Frame().GetClientWindow()->Destroy(0); });
  char program[] = "selwarth", option[] = "--readable-fonts";
  char *argv[] = {program, option, nullptr};
  EXPECT_EQ(RunApplication(2, argv), 0);
  EXPECT_EQ(CountOf("The readable fonts for the packages could not be saved.\n"), 1);
}

// A settings file the program may not replace (made read-only, a link to
// nothing, too large to be ours) is left exactly as it is; a failed save says
// why, and a file that cannot even be read is named at start as well.
struct UnwritableSettings {
  const char *name;
  void (*make)(const std::string &path);
  const char *reason; // in every message about it
  int told;           // the zoom's failed save, and the one at start
};

const UnwritableSettings UnwritableRows[] = {
    {"ReadOnly", [](const std::string &path) { chmod(path.c_str(), 0444); }, " is read-only", 1},
    {"LinkToNothing",
     [](const std::string &path) {
       fs::remove(path);
       fs::create_symlink(path + ".gone", path);
     },
     " is a symbolic link to a file that cannot be reached", 1},
    {"TooLarge", [](const std::string &path) { fs::resize_file(path, (16 << 20) + 1); },
     "larger than 16 MiB", 2},
};

class UnwritableSettingsTest : public SettingsWriteFailureTest,
                               public ::testing::WithParamInterface<UnwritableSettings> {};

TEST_P(UnwritableSettingsTest, IsLeftAsItIsAndTold) {
  const std::string path = sandbox.SettingsPath();
  fs::create_directories(sandbox.Folder());
  std::ofstream(path) << "[Selwarth]\nZoom=150\n";
  GetParam().make(path);
  const fs::file_status status = fs::symlink_status(path);
  const std::string bytes = testsupport::ReadFileBytes(path);
  AddPackage("A.QXP", "Verse", "Love one another.");
  Run({[&] {
    Frame().MenuCommand(CM_ZOOMIN);
    Frame().MenuCommand(CM_ZOOMIN);
    Frame().GetClientWindow()->Destroy(0);
  }});
  int told = 0;
  for (const std::string &text : Messages())
    told += text.find(GetParam().reason) != std::string::npos;
  EXPECT_EQ(told, GetParam().told);
  EXPECT_EQ(fs::symlink_status(path).type(), status.type());
  EXPECT_EQ(fs::symlink_status(path).permissions(), status.permissions());
  EXPECT_EQ(testsupport::ReadFileBytes(path), bytes);
  EXPECT_FALSE(fs::exists(path + ".gone"));
}

INSTANTIATE_TEST_SUITE_P(Rows, UnwritableSettingsTest, ::testing::ValuesIn(UnwritableRows),
                         [](const auto &row) { return std::string(row.param.name); });

} // namespace
