// The main window's own writes of settings when the settings folder cannot
// be written: the zoom, and the readable fonts of the launcher's first start.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/run_application.h"
#include "resources/main_menu.h"
#include "support/main_window_fixture.h"

namespace {

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
    EXPECT_EQ(Zoom, 125);
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

} // namespace
