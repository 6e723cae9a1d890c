// SIGTERM while a modal dialog of the program runs on the Qt backend, with
// the close-signal watcher the program installs: the dialog is cancelled, the
// code that opened it finishes with the window still there, then the window
// closes as File/Exit closes it and its state is saved.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <csignal>
#include <string>

#include "app/program_state.h"
#include "app/qx_app.h"
#include "content/day_entries.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "content/today_text.h"
#include "framework/application.h"
#include "framework/qt/qt_backend.h"
#include "framework/qt/qt_close_signals.h"
#include "qt/qt_app_fixture.h"
#include "resources/main_menu.h"
#include "support/config_sandbox.h"
#include "support/fixed_clock.h"
#include "support/fresh_start.h"
#include "support/package_bytes.h"
#include "support/temp_dir.h"

namespace {

class SignalCloseDialogQtTest : public ::testing::TestWithParam<unsigned> {
protected:
  SignalCloseDialogQtTest() {
    testsupport::FreshStartOnMarchFirst2023(ResetProgramState, program.day);
    testpackage::PackageLayout verse;
    verse.Entries[59] = {"Love one another."};
    folder.Write("VERSE.QXP", testpackage::BuildPackage(verse));
    testsupport::QtApp();
  }
  ~SignalCloseDialogQtTest() override { testsupport::DeleteDeferredWidgets(); }

  TProgram program; // what RunApplication would own
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  testsupport::WorkingDirectory cwd{folder.Path()};
};

TEST_P(SignalCloseDialogQtTest, SigtermInAModalDialogSavesTheStateAndEndsWithZero) {
  QtBackend backend;
  WatchCloseSignals(&backend);
  TQXApp app(program);
  bool dialogWasOpen = false;
  bool windowAfterDialog = false;
  QTimer::singleShot(300, [&] {
    // Comes while the dialog below runs its own loop.
    QTimer::singleShot(500, [&] {
      dialogWasOpen = QApplication::activeModalWidget() != nullptr;
      std::raise(SIGTERM);
    });
    TheApplication()->GetMainWindow()->MenuCommand(GetParam());
    windowAfterDialog = TheApplication()->GetMainWindow()->IsCreated();
  });
  // Should the signal be lost, the test ends rather than hangs.
  QTimer::singleShot(20000, [] { TheApplication()->GetMainWindow()->CloseWindow(-1); });
  EXPECT_EQ(app.Run(), 0);
  testsupport::DeleteDeferredWidgets();
  EXPECT_TRUE(dialogWasOpen);
  EXPECT_TRUE(windowAfterDialog);
  EXPECT_EQ(ReadSettingText("LastStartup", "", 41), "Wed Mar 1, 2023");
  EXPECT_EQ(ReadSettingInt("HideMenu", -1), 0);
  EXPECT_EQ(program.day.DayEntries, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, SignalCloseDialogQtTest,
                         ::testing::Values(CM_PROGRAM, CM_PACKAGES, CM_STARTDATE, CM_DDE),
                         [](const ::testing::TestParamInfo<unsigned> &info) {
                           switch (info.param) {
                           case CM_PROGRAM:
                             return std::string("ProgramSettings");
                           case CM_PACKAGES:
                             return std::string("PackageSettings");
                           case CM_STARTDATE:
                             return std::string("StartDate");
                           default:
                             return std::string("DdeSettings");
                           }
                         });

} // namespace
