// The References dialog on the Qt backend: the chosen picture is drawn into
// the picture frame; a screenshot is saved to look at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <filesystem>

#include "app/program_state.h"
#include "content/settings.h"
#include "dialogs/references_dialog.h"
#include "framework/qt/qt_backend.h"
#include "framework/qt/qt_dialog.h"
#include "qt_app_fixture.h"
#include "resources/dialog_templates.h"
#include "resources/reference_ids.h"
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
  ResetProgramState();
  QImage shot;
  {
    QtBackend backend;
    const Settings settings;
    TReferencesDialog dialog(nullptr, settings);
    dialog.Create();
    dialog.UserDoubleClick(reference::FileList, 0);
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

// Every 325 x 325 picture is shown whole whatever the dialog font: the
// picture's client area is at least 326 x 326 pixels, the dialog grown to
// fit it, no control on it or outside the dialog.
TEST(ReferencesQtTest, ThePictureAreaHoldsAWholePictureWhateverTheFont) {
  testsupport::QtApp();
  const QFont desktopFont = QApplication::font();
  QFont twelvePixels = desktopFont;
  twelvePixels.setPixelSize(12);
  QFont small = desktopFont;
  small.setPointSize(7);
  QFont large = desktopFont;
  large.setPointSize(14);
  for (const QFont &font : {desktopFont, twelvePixels, small, large}) {
    QApplication::setFont(font);
    QtBackend backend;
    TDialog dialog(nullptr, ReferenceTemplate());
    dialog.Create();
    DialogWidget *peer = DialogWidgetOf(dialog);
    ASSERT_NE(peer, nullptr);
    std::string what = font.toString().toStdString();
    QWidget *picture = peer->ControlWidget(reference::PictureControl);
    QRect area = picture->contentsRect();
    EXPECT_GE(area.width(), 326) << what;
    EXPECT_GE(area.height(), 326) << what;
    for (QWidget *control : peer->ControlWidgets()) {
      EXPECT_TRUE(peer->rect().contains(control->geometry())) << what;
      if (control != picture) {
        EXPECT_FALSE(control->geometry().intersects(picture->geometry())) << what;
      }
    }
    dialog.Destroy();
    testsupport::DeleteDeferredWidgets();
  }
  QApplication::setFont(desktopFont);
}

} // namespace
