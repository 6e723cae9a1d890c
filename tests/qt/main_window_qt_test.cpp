// The main window on the Qt backend, under the offscreen platform: the sample
// packages are shown, painted and saved as a screenshot to look at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <filesystem>

#include "app/qx_app.h"
#include "content/settings.h"
#include "framework/application.h"
#include "framework/qt/qt_backend.h"
#include "qt/qt_app_fixture.h"
#include "support/config_sandbox.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

void CopySamples(const std::filesystem::path &to) {
  std::filesystem::path samples =
      std::filesystem::path(testsupport::BuiltProgram("")) / ".." / "samples";
  for (const auto &entry : std::filesystem::directory_iterator(samples))
    std::filesystem::copy_file(entry.path(), to / entry.path().filename());
}

// Counts the pixels of a colour close to the heading blue.
int HeadingPixels(const QImage &image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      QColor c = image.pixelColor(x, y);
      if (c.blue() > 150 && c.red() < 80 && c.green() < 80)
        ++count;
    }
  return count;
}

TEST(MainWindowQtTest, ShowsTheSamplePackagesAndClosesCleanly) {
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  CopySamples(folder.Path());
  testsupport::WorkingDirectory cwd(folder.Path());
  ResetSettingsToDefaults();

  testsupport::QtApp();
  QtBackend backend;

  QImage shot;
  bool hadMenu = false;
  TQXApp app;
  QTimer::singleShot(800, [&] {
    for (QWidget *top : QApplication::topLevelWidgets()) {
      auto *frame = qobject_cast<QMainWindow *>(top);
      if (frame == nullptr || !frame->isVisible())
        continue;
      hadMenu = frame->menuBar()->isVisible() && !frame->menuBar()->actions().isEmpty();
      frame->resize(640, 520);
      QApplication::processEvents();
      shot = frame->grab().toImage();
    }
    TheApplication()->GetMainWindow()->CloseWindow(0);
  });
  EXPECT_EQ(app.Run(), 0);
  testsupport::DeleteDeferredWidgets();

  ASSERT_FALSE(shot.isNull());
  shot.save(QString::fromStdString((testsupport::ScreenshotFolder() / "main_window.png").string()));
  EXPECT_TRUE(hadMenu);
  EXPECT_GT(HeadingPixels(shot), 50) << "no blue headings were painted";
  // Closing saved the window's state.
  EXPECT_NE(testsupport::ReadFileBytes(sandbox.SettingsPath()).find("LastStartup"),
            std::string::npos);
}

} // namespace
