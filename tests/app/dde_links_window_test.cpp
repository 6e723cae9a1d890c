// The Links menu and the DDE Settings command of the main window, with the
// program's own DDE instance and the stand-in concordance server.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/qx_app.h"
#include "app/verse_window.h"
#include "concordance_link/dde_client.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/today_text.h"
#include "framework/dialog.h"
#include "framework/headless/headless_backend.h"
#include "framework/message_box.h"
#include "resources/dde_settings_ids.h"
#include "resources/main_menu.h"
#include "support/config_sandbox.h"
#include "support/dde_sandbox.h"
#include "support/fixed_clock.h"
#include "support/main_window_fixture.h"
#include "support/package_bytes.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

using ::testing::ElementsAre;
using testpackage::BuildPackage;
using testpackage::PackageLayout;

namespace {

using namespace ddesettings;

class DdeLinksWindowTest : public testsupport::MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    AddPackage("VERSE.QXP", "Daily Verse - King James Version",
               "For God so loved the world. -John 3:16", '-');
  }
  void TearDown() override { SetDdeInitializer(nullptr); }

  void AddQuiz() {
    AddPackage("QUIZ.QXP", "Daily Bible Quiz", "Who built the ark? \\Noah (Genesis 6:14)", '\\');
  }
  std::string LogFile() const { return packages.File("server.log"); }

  testsupport::DdeSandbox dde;
};

TEST_F(DdeLinksWindowTest, LinksAreEnabledOnlyWithAServerAndTheQuizOnlyWithAnswers) {
  Run({[&] {
         for (unsigned id : {CM_LINKMORNING, CM_LINKEVENING, CM_LINKQUIZ, CM_LINKVERSE})
           EXPECT_FALSE(Enabled(id)) << id;
         EXPECT_TRUE(Enabled(CM_DDE));
         settings.ConcordanceServer = "QVWIN";
         EXPECT_TRUE(Enabled(CM_LINKMORNING));
         EXPECT_TRUE(Enabled(CM_LINKEVENING));
         EXPECT_TRUE(Enabled(CM_LINKVERSE));
         EXPECT_FALSE(Enabled(CM_LINKQUIZ)); // no quiz loaded
         AddQuiz();
         Frame().MenuCommand(CM_NEW);
       },
       [&] { EXPECT_TRUE(Enabled(CM_LINKQUIZ)); }});
}

TEST_F(DdeLinksWindowTest, TwoLinksInARowEachOpenAndEndTheirConversation) {
  AddQuiz();
  settings.ConcordanceServer = "QVWIN";
  settings.ConcordanceTranslation = "Default";
  auto server = testsupport::StartConcordance("QVWIN", {"--log", LogFile()});
  ASSERT_NE(server, nullptr);
  Run({[&] {
    EXPECT_NE(static_cast<TQXApp *>(TheApplication())->InstId, 0u);
    Frame().MenuCommand(CM_LINKVERSE);
    EXPECT_EQ(MainWindowHandle->HConv, 0u);
    Frame().MenuCommand(CM_LINKQUIZ);
    EXPECT_EQ(MainWindowHandle->HConv, 0u);
    EXPECT_TRUE(backend.WatchedSockets().empty());
  }});
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(testsupport::WaitUntil([&] {
    return testsupport::ReadFileBytes(LogFile()).find("Genesis 6:14\")]\nEXECUTE\tVerses\t\t"
                                                      "[Activate]\nDISCONNECT") !=
           std::string::npos;
  }));
  EXPECT_EQ(testsupport::ReadFileBytes(LogFile()),
            "CONNECT\tVerses\t\t\nEXECUTE\tVerses\t\t[GoTo(\" John 3:16\")]\n"
            "EXECUTE\tVerses\t\t[Activate]\nDISCONNECT\t\t\t\n"
            "CONNECT\tVerses\t\t\nEXECUTE\tVerses\t\t[GoTo(\"Genesis 6:14\")]\n"
            "EXECUTE\tVerses\t\t[Activate]\nDISCONNECT\t\t\t\n");
}

TEST_F(DdeLinksWindowTest, TheDdeCommandRunsTheSettingsDialogAndItsChoiceEnablesTheLinks) {
  auto server = testsupport::StartConcordance("QVWIN");
  ASSERT_NE(server, nullptr);
  backend.InDialog("DDESETTINGS", [](TDialog &d) { d.UserClick(DdeQuickVerseRadio); });
  backend.InDialog("DDESETTINGS", [](TDialog &d) {
    d.UserSelect(DdeTranslationList, 0);
    d.UserClick(IDOK);
  });
  Run({[&] { Frame().MenuCommand(CM_DDE); },
       [&] {
         EXPECT_TRUE(Enabled(CM_LINKVERSE));
         EXPECT_EQ(MainWindowHandle->HConv, 0u);
       }});
  EXPECT_THAT(backend.DialogsRun(), ElementsAre("DDESETTINGS"));
  EXPECT_EQ(settings.ConcordanceServer, "QVWIN");
  EXPECT_EQ(settings.ConcordanceTranslation, "Default");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(DdeLinksWindowTest, WithoutDdeTheProgramRunsAndEachLinkFails) {
  SetDdeInitializer([](platform::DWORD *, platform::PFNCALLBACK, platform::DWORD,
                       platform::DWORD) -> platform::UINT { return platform::DMLERR_SYS_ERROR; });
  settings.ConcordanceServer = "QVWIN";
  settings.ConcordanceTranslation = "Default";
  auto server = testsupport::StartConcordance("QVWIN");
  ASSERT_NE(server, nullptr);
  Run({[&] {
    EXPECT_EQ(static_cast<TQXApp *>(TheApplication())->InstId, 0u);
    Frame().MenuCommand(CM_LINKVERSE);
  }});
  EXPECT_THAT(Messages(), ElementsAre("DDE Initialization failed.",
                                      "Unable to link with server. Please check your current "
                                      "settings in the DDE Settings dialog."));
  EXPECT_EQ(backend.Messages()[0].Caption, "Error");
  EXPECT_EQ(backend.Messages()[0].Style, MB_ICONHAND);
}

TEST_F(DdeLinksWindowTest, TheSamplePackagesOpenTheirReadingsQuizAndVerse) {
  namespace fs = std::filesystem;
  fs::path samples = fs::path(testsupport::BuiltProgram("selwarth")).parent_path() / "../samples";
  if (!fs::exists(samples / "PLAN.QXP"))
    GTEST_SKIP() << "the sample packages are not built";
  fs::remove(packages.File("VERSE.QXP"));
  for (const char *name : {"PLAN.QXP", "QUIZ.QXP", "VERSE.QXP"})
    fs::copy_file(samples / name, packages.File(name));
  testsupport::SetDate(2023, 1, 1);
  BuildTodayText(day);
  settings.ConcordanceServer = "QVWIN";
  settings.ConcordanceTranslation = "Default";
  auto server = testsupport::StartConcordance("QVWIN", {"--log", LogFile()});
  ASSERT_NE(server, nullptr);
  Run({[&] {
    for (unsigned id : {CM_LINKMORNING, CM_LINKEVENING, CM_LINKQUIZ, CM_LINKVERSE})
      Frame().MenuCommand(id);
  }});
  EXPECT_TRUE(Messages().empty()) << Messages()[0];
  EXPECT_TRUE(testsupport::WaitUntil([&] {
    std::string log = testsupport::ReadFileBytes(LogFile());
    std::size_t count = 0;
    for (std::size_t at = 0; (at = log.find("DISCONNECT", at)) != std::string::npos; ++at)
      ++count;
    return count == 4;
  }));
  std::string log = testsupport::ReadFileBytes(LogFile());
  EXPECT_THAT(log, ::testing::HasSubstr("[GoTo(\"Genesis 1-2\")]\nEXECUTE\tVerses\t\t[Activate]"));
  EXPECT_THAT(log, ::testing::HasSubstr("[GoTo(\"Matthew 1\")]\nEXECUTE\tVerses\t\t[Activate]"));
  // The quiz and the verse were found and shown: each GoTo was followed by
  // [Activate], which is sent only after a GoTo the server accepted.
  std::size_t activates = 0;
  for (std::size_t at = 0; (at = log.find("[Activate]", at)) != std::string::npos; ++at)
    ++activates;
  EXPECT_EQ(activates, 4u) << log;
}

} // namespace
