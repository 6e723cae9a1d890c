// The References dialog on the Qt backend: the chosen picture is drawn into
// the picture frame; a screenshot is saved to look at.

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <filesystem>

#include "content/settings.h"
#include "dialogs/references_dialog.h"
#include "framework/qt/qt_backend.h"
#include "qt_app_fixture.h"
#include "support/config_sandbox.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

TEST(ReferencesQtTest, DrawsTheChosenPictureIntoItsFrame) {
  testsupport::QtApp();
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  std::filesystem::copy_file(std::filesystem::path(testsupport::SourceTree()) / "packages" /
                                 "pictures" / "LANDS.QXR",
                             folder.Path() / "LANDS.QXR");
  testsupport::WorkingDirectory cwd(folder.Path());
  ResetSettingsToDefaults();
  QImage shot;
  {
    QtBackend backend;
    TReferencesDialog dialog(nullptr);
    dialog.Create();
    dialog.UserDoubleClick(102, 0);
    ASSERT_EQ(dialog.ShownName(), "LANDS.QXR");
    auto *peer = static_cast<QWidget *>(dialog.Peer);
    ASSERT_NE(peer, nullptr);
    QCoreApplication::processEvents();
    shot = peer->grab().toImage();
    dialog.Destroy();
  }
  testsupport::DeleteDeferredWidgets();
  ASSERT_FALSE(shot.isNull());
  EXPECT_TRUE(shot.save(
      QString::fromStdString((testsupport::ScreenshotFolder() / "references.png").string())));
  // The map's sea is blue: some of it must show in the frame.
  int blue = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      QColor c = shot.pixelColor(x, y);
      if (c.blue() > 150 && c.red() < 150 && c.blue() > c.red() + 40)
        ++blue;
    }
  EXPECT_GT(blue, 500);
}

} // namespace
