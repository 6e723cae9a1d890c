// The About boxes on the Qt backend, saved as screenshots to look at.

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "dialogs/about_dialogs.h"
#include "framework/qt/qt_backend.h"
#include "qt_app_fixture.h"
#include "support/config_sandbox.h"
#include "support/package_bytes.h"
#include "support/temp_dir.h"

namespace {

QImage Shot(TDialog &dialog, const std::string &name) {
  auto *peer = static_cast<QWidget *>(dialog.Peer);
  QCoreApplication::processEvents();
  QImage shot = peer != nullptr ? peer->grab().toImage() : QImage();
  shot.save(QString::fromStdString((testsupport::ScreenshotFolder() / name).string()));
  return shot;
}

int BluePixels(const QImage &image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      QColor c = image.pixelColor(x, y);
      if (c.blue() > 120 && c.red() < 60 && c.green() < 110)
        ++count;
    }
  return count;
}

TEST(AboutQtTest, BothBoxesShowTheirTextsAndIcons) {
  testsupport::QtApp();
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  testpackage::PackageLayout layout;
  layout.Titles = {"Daily Verse - King James Version"};
  layout.Description = "A verse of Scripture for every day of the year";
  folder.Write("VERSE.QXP", testpackage::BuildPackage(layout));
  folder.Write("GREEK.OFF", testpackage::BuildPackage(layout));
  testsupport::WorkingDirectory cwd(folder.Path());
  QImage about, packages;
  {
    QtBackend backend;
    TAboutSelwarthDialog aboutBox(nullptr);
    aboutBox.Create();
    about = Shot(aboutBox, "about.png");
    aboutBox.Destroy();
    TAboutPackagesDialog packagesBox(nullptr);
    packagesBox.Create();
    packages = Shot(packagesBox, "about_packages.png");
    packagesBox.Destroy();
  }
  testsupport::DeleteDeferredWidgets();
  ASSERT_FALSE(about.isNull());
  ASSERT_FALSE(packages.isNull());
  EXPECT_GT(BluePixels(about), 200) << "the book icon is missing";
}

// Where a pixel of the layout is several of the screen (QT_SCALE_FACTOR=2,
// run by the scaled Qt tests), the icons are drawn for the screen's pixels.
TEST(AboutQtTest, IconsAreDrawnAtTheScreensPixelRatio) {
  testsupport::QtApp();
  testsupport::ConfigSandbox sandbox;
  QtBackend backend;
  TAboutSelwarthDialog aboutBox(nullptr);
  aboutBox.Create();
  auto *peer = static_cast<QWidget *>(aboutBox.Peer);
  ASSERT_NE(peer, nullptr);
  qreal ratio = peer->devicePixelRatioF();
  int icons = 0;
  for (QLabel *label : peer->findChildren<QLabel *>()) {
    QPixmap icon = label->pixmap();
    if (icon.isNull())
      continue;
    ++icons;
    EXPECT_EQ(icon.devicePixelRatio(), ratio);
    EXPECT_EQ(icon.width(), qRound(32 * ratio));
  }
  EXPECT_GT(icons, 0);
  aboutBox.Destroy();
  testsupport::DeleteDeferredWidgets();
}

} // namespace
