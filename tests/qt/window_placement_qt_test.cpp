// The main window opens where and as large as it closed, start after start,
// on every desktop the Qt tests run on: offscreen, under openbox (where a
// window manager frames the window) and under weston (where the window
// cannot know its place and draws its own frame).

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>
#include <array>
#include <string>

#include "app/program_state.h"
#include "app/qx_app.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "framework/application.h"
#include "framework/qt/qt_backend.h"
#include "qt/qt_app_fixture.h"
#include "support/config_sandbox.h"
#include "support/fresh_start.h"
#include "support/package_bytes.h"
#include "support/prepared_settings.h"
#include "support/temp_dir.h"

namespace {

using Placement = std::array<int, 4>; // x, y, cx, cy as saved

Placement SavedPlacement() {
  return {ReadSettingInt("x", -1), ReadSettingInt("y", -1), ReadSettingInt("cx", -1),
          ReadSettingInt("cy", -1)};
}

std::string Text(const Placement &p) {
  return std::to_string(p[0]) + "," + std::to_string(p[1]) + " " + std::to_string(p[2]) + "x" +
         std::to_string(p[3]);
}

class WindowPlacementQtTest : public ::testing::Test {
protected:
  WindowPlacementQtTest() {
    testpackage::PackageLayout verse;
    verse.Entries[59] = {"Love one another."};
    folder.Write("VERSE.QXP", testpackage::BuildPackage(verse));
    testsupport::QtApp();
  }
  ~WindowPlacementQtTest() override { testsupport::DeleteDeferredWidgets(); }

  // Starts the program and closes it once its window is shown and framed
  // (and a little longer, for the window manager's last word), or at once,
  // before its first frame, as at a log-out on a busy machine.
  void StartAndClose(bool atOnce = false) {
    program.settings = Settings{};
    testsupport::FreshStartOnMarchFirst2023(ResetProgramState, program.day);
    QtBackend backend;
    TQXApp app(program);
    QElapsedTimer clock;
    clock.start();
    qint64 exposedAt = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget *frame = static_cast<QWidget *>(TheApplication()->GetMainWindow()->Peer);
      if (exposedAt < 0 && frame != nullptr && frame->windowHandle() != nullptr &&
          frame->windowHandle()->isExposed())
        exposedAt = clock.elapsed();
      bool settled = atOnce || (exposedAt >= 0 && clock.elapsed() - exposedAt > 400);
      if (settled || clock.elapsed() > 60000) {
        EXPECT_TRUE(settled) << "the window was never shown";
        poll.stop();
        TheApplication()->GetMainWindow()->CloseWindow(0);
      }
    });
    poll.start(atOnce ? 0 : 20);
    EXPECT_EQ(app.Run(), 0);
    testsupport::DeleteDeferredWidgets();
  }

  TProgram program; // what RunApplication would own
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  testsupport::WorkingDirectory cwd{folder.Path()};
};

TEST_F(WindowPlacementQtTest, AWindowClosedAtAPlaceOpensThereAfterThreeRestarts) {
  const Placement closed{100, 100, 500, 300};
  WriteSettingInt("x", closed[0]);
  WriteSettingInt("y", closed[1]);
  WriteSettingInt("cx", closed[2]);
  WriteSettingInt("cy", closed[3]);
  // The last two starts end before the window's first frame.
  std::string seen;
  for (int start = 1; start <= 6; ++start) {
    StartAndClose(start > 4);
    seen += " " + Text(SavedPlacement());
  }
  // On Wayland the position saved is the one read: the window could not
  // know another.
  std::string expected;
  for (int start = 1; start <= 6; ++start)
    expected += " " + Text(closed);
  EXPECT_EQ(seen, expected) << "on " << testsupport::DesktopName(testsupport::TestDesktop());
}

} // namespace
