// The program's own dialogs on the Qt backend, used from the keyboard: a
// list that merely has the focus is no choice, and Enter on Cancel cancels.

#include <gtest/gtest.h>

#include <QFocusEvent>
#include <QListWidget>
#include <QPushButton>

#include "app/program_state.h"
#include "content/settings_file.h"
#include "dialogs/references_dialog.h"
#include "dialogs/screen_saver_dialog.h"
#include "dialogs/start_date_dialog.h"
#include "framework/qt/qt_backend.h"
#include "qt/qt_app_fixture.h"
#include "qt/qt_dialog_user.h"
#include "resources/reference_ids.h"
#include "resources/screen_saver_ids.h"
#include "resources/start_date_ids.h"
#include "support/config_sandbox.h"
#include "support/fresh_start.h"
#include "support/package_bytes.h"
#include "support/temp_dir.h"

namespace {

using testsupport::ExecuteWith;
using testsupport::PressKey;

// Gives a control the focus as Tab does.
void TabInto(QWidget *control) {
  control->setFocus(Qt::TabFocusReason);
  QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
  QCoreApplication::sendEvent(control, &focusIn);
}

class ProgramDialogsQtTest : public ::testing::Test {
protected:
  ProgramDialogsQtTest() {
    testsupport::QtApp();
    testsupport::FreshStartOnMarchFirst2023(ResetProgramState, program.day);
    for (const char *name : {"VERSE.QXP", "PLAN.QXP"})
      folder.Write(name, testpackage::BuildPackage({}));
  }
  ~ProgramDialogsQtTest() override { testsupport::DeleteDeferredWidgets(); }
  std::string Settings() const { return testsupport::ReadFileBytes(sandbox.SettingsPath()); }

  TProgram program; // what RunApplication would own
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  testsupport::WorkingDirectory cwd{folder.Path()};
  QtBackend backend;
};

TEST_F(ProgramDialogsQtTest, TheScreenSaverAsksForAChoiceWhenItsListOnlyHasTheFocus) {
  testsupport::MessageBoxAnswerer boxes;
  TScreenSaverDialog dialog(nullptr, program.settings, program.day);
  int result = ExecuteWith(dialog, [](DialogWidget &peer) {
    TabInto(peer.ControlWidget(screensaver::PackageList));
    // Return presses OK, the default button.
    PressKey(peer.ControlWidget(screensaver::PackageList), Qt::Key_Return);
    qobject_cast<QPushButton *>(peer.ControlWidget(IDCANCEL))->click();
  });
  EXPECT_EQ(result, 2);
  EXPECT_EQ(boxes.Texts, std::vector<std::string>{"First highlight a package to load into the "
                                                  "screen saver, then choose [OK]."});
  EXPECT_EQ(Settings().find("SaverTitle"), std::string::npos);
}

TEST_F(ProgramDialogsQtTest, ReferencesAsksForAChoiceWhenItsListOnlyHasTheFocus) {
  folder.Write("MAP.QXR", "not a picture either");
  testsupport::MessageBoxAnswerer boxes;
  TReferencesDialog dialog(nullptr, program.settings);
  ExecuteWith(dialog, [](DialogWidget &peer) {
    TabInto(peer.ControlWidget(reference::FileList));
    PressKey(peer.ControlWidget(reference::FileList), Qt::Key_Return); // Show, the default button
    qobject_cast<QPushButton *>(peer.ControlWidget(IDCANCEL))->click();
  });
  EXPECT_EQ(boxes.Texts, std::vector<std::string>{"First highlight a reference to show."});
}

TEST_F(ProgramDialogsQtTest, EnterOnCancelLeavesThePlanStartDateAsItWas) {
  TSetStartDateDialog dialog(nullptr, program.settings, program.day);
  int result = ExecuteWith(dialog, [](DialogWidget &peer) {
    qobject_cast<QPushButton *>(peer.ControlWidget(startdate::DayForward))->click(); // a day later
    QWidget *cancel = peer.ControlWidget(IDCANCEL);
    TabInto(cancel);
    PressKey(cancel, Qt::Key_Return);
  });
  EXPECT_EQ(result, 2);
  EXPECT_EQ(Settings().find("PlanOffset"), std::string::npos);
}

} // namespace
