// The windowed program ends cleanly on SIGTERM, saving its state, also while
// a message box is open.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <thread>

#include "qt/qt_app_fixture.h"
#include "support/background_process.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

class SignalCloseTest : public ::testing::Test {
protected:
  testsupport::ProcessOptions Options() {
    std::filesystem::create_directories(config.Path() / "selwarth");
    testsupport::ProcessOptions options;
    options.workingDirectory = folder.Path().string();
    options.environment["XDG_CONFIG_HOME"] = config.Path().string();
    options.environment["QT_QPA_PLATFORM"] = "offscreen";
    return options;
  }
  std::string Settings() { return config.Read("selwarth/SELWARTH.INI"); }

  testsupport::TempDir folder;
  testsupport::TempDir config;
};

TEST_F(SignalCloseTest, SigtermClosesTheWindowAsExitDoes) {
  testsupport::CopySamples(folder.Path());
  testsupport::ProcessOptions options = Options();
  config.Write("selwarth/SELWARTH.INI", "[Selwarth]\nSaveFile=1\n");
  testsupport::BackgroundProcess program(testsupport::BuiltProgram("selwarth"), {}, options);
  // The day's text is written as the window is built.
  ASSERT_TRUE(testsupport::WaitUntil([&] { return folder.Exists("SELWARTH.TXT"); }));
  program.Signal(SIGTERM);
  EXPECT_EQ(program.WaitForExit(std::chrono::seconds(60)), 0) << program.Output();
  EXPECT_NE(Settings().find("LastStartup="), std::string::npos);
  EXPECT_NE(Settings().find("HideMenu=0"), std::string::npos);
}

TEST_F(SignalCloseTest, SigtermEndsTheProgramWhileAMessageBoxIsOpen) {
  // No package: the program starts with the "No package files" box open.
  testsupport::BackgroundProcess program(testsupport::BuiltProgram("selwarth"), {}, Options());
  ASSERT_TRUE(testsupport::WaitUntilWaitingForEvents(program.Pid(), SIGTERM)) << program.Output();
  program.Signal(SIGTERM);
  EXPECT_EQ(program.WaitForExit(std::chrono::seconds(60)), 0) << program.Output();
  EXPECT_NE(Settings().find("LastStartup="), std::string::npos);
}

} // namespace
