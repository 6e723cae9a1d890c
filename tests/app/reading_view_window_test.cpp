// Links > Read Passages (Ctrl+B) from the main window: enabled while a
// SWORD Bible is installed, whatever the concordance; one window at most,
// following the day shown; Ctrl+M in it marks the plan's day read.

#include <gtest/gtest.h>

#include <fstream>

#include "content/plan_progress.h"
#include "dialogs/reading_view.h"
#include "framework/controls.h"
#include "platform/profile.h"
#include "resources/main_menu.h"
#include "resources/reading_ids.h"
#include "scripture/sword_modules.h"
#include "support/main_window_fixture.h"
#include "support/scoped_environment.h"
#include "support/sword_system_library.h"

namespace {

class ReadingViewWindowTest : public testsupport::MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    testpackage::PackageLayout plan;
    plan.Titles = {"Through the Bible in a Year"};
    for (int slot = 0; slot < 366; ++slot)
      plan.Entries[slot] = {"Morning: Genesis " + std::to_string(slot % 50 + 1) +
                            " / Evening: Matthew " + std::to_string(slot % 28 + 1)};
    packages.Write("PLAN.QXP", testpackage::BuildPackage(plan));
  }
  void CtrlB() { backend.PressKey(Frame(), TKeyPress{'B', CtrlCharacter('B'), true}); }
  std::string FirstHeading() {
    return TDocumentView(*program.ReadingView, readpassages::PassageText)
        .Document()
        .blocks.front()
        .Text();
  }
  testsupport::TempDir home;
  testsupport::ScopedEnvironment homeIs{"HOME", home.Path().string()};
};

TEST_F(ReadingViewWindowTest, CtrlBOpensOneWindowThatFollowsTheDayAndMarksItRead) {
  testsupport::SwordSystemLibrary library;
  if (!library.AddInstalledModule("engKJV2006eb"))
    GTEST_SKIP() << "no SWORD Bible is installed (sword-text-kjv)";
  settings.ConcordanceServer = ""; // no concordance: the passages are read all the same
  Run({[&] {
         // Plan day 1 starts on 1 January: 1 March is day 60.
         EXPECT_TRUE(Enabled(CM_READPASSAGES));
         CtrlB();
         ASSERT_TRUE(program.ReadingViewOpen());
         EXPECT_EQ(FirstHeading(), "Morning: Genesis 10");
         const TReadingView *first = program.ReadingView.get();
         CtrlB(); // the open one comes forward, no second
         EXPECT_EQ(program.ReadingView.get(), first);
         EXPECT_EQ(backend.WindowCount(), 3u); // frame, verse window, the view
         backend.PressKey(Frame(), TKeyPress{VK_RIGHT, 0, true});
         EXPECT_EQ(FirstHeading(), "Morning: Genesis 11");
         program.ReadingView->KeyDown({'M', CtrlCharacter('M'), true});
       },
       [&] {
         EXPECT_EQ(
             platform::GetPrivateProfileString("Plan Progress", "plan", "", 100, "SELWARTH.INI"),
             "61");
         Frame().MenuCommand(CM_EXIT);
       }});
  EXPECT_FALSE(program.ReadingViewOpen());
}

// Whether a library of that name is loaded in this process.
bool Loaded(const std::string &library) {
  std::ifstream maps("/proc/self/maps");
  for (std::string line; std::getline(maps, line);)
    if (line.find("/" + library) != std::string::npos)
      return true;
  return false;
}

// libsword reads every locale when its first manager is made: the start
// and the command's state cost none of it, only the first passage read.
TEST_F(ReadingViewWindowTest, LibswordIsLoadedAtTheFirstPassageNotBeforeTheFirstPaint) {
  testsupport::SwordSystemLibrary library;
  if (!library.AddInstalledModule("engKJV2006eb"))
    GTEST_SKIP() << "no SWORD Bible is installed (sword-text-kjv)";
  if (Loaded("libsword"))
    GTEST_SKIP() << "an earlier test of this process has loaded libsword";
  Run({[&] {
    EXPECT_FALSE(Shown().empty());
    EXPECT_TRUE(Enabled(CM_READPASSAGES));
    EXPECT_FALSE(Loaded("libsword"));
    EXPECT_FALSE(Loaded("libselwarth-sword"));
    CtrlB();
    ASSERT_TRUE(program.ReadingViewOpen());
    EXPECT_TRUE(Loaded("libsword"));
    Frame().MenuCommand(CM_EXIT);
  }});
}

// The menu asks what the last load found, not the library at every look.
TEST_F(ReadingViewWindowTest, WithoutABibleTheCommandIsGrayedUntilALoadFindsOne) {
  testsupport::SwordSystemLibrary library;
  Run({[&] {
    EXPECT_FALSE(Enabled(CM_READPASSAGES));
    CtrlB();
    EXPECT_FALSE(program.ReadingViewOpen());
    if (library.AddInstalledModule("engKJV2006eb")) {
      EXPECT_FALSE(Enabled(CM_READPASSAGES));
      Frame().MenuCommand(CM_NEW);
      EXPECT_TRUE(Enabled(CM_READPASSAGES));
    }
    Frame().MenuCommand(CM_EXIT);
  }});
}

} // namespace
