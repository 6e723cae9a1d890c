// Package Settings on the Qt backend with a devotional of the SWORD library
// among the packages, saved as a screenshot to look at.

#include <gtest/gtest.h>

#include <QImage>
#include <QListWidget>
#include <QStyle>

#include "content/day_state.h"
#include "content/settings.h"
#include "dialogs/package_settings_dialog.h"
#include "framework/qt/qt_backend.h"
#include "framework/qt/qt_dialog.h"
#include "qt/qt_app_fixture.h"
#include "resources/package_settings_ids.h"
#include "support/config_sandbox.h"
#include "support/devotional_library.h"
#include "support/package_bytes.h"
#include "support/temp_dir.h"

namespace {

using namespace packagesettings;

// The rows of a list that are not shown whole (cut short with an ellipsis).
std::vector<std::string> RowsCutShort(QListWidget &list) {
  std::vector<std::string> cut;
  const int margins = 2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
  for (int row = 0; row < list.count(); ++row) {
    const QRect cell = list.visualItemRect(list.item(row));
    const int text = list.fontMetrics().horizontalAdvance(list.item(row)->text()) + margins;
    if (text > std::min(cell.right() + 1, list.viewport()->width()) - cell.left())
      cut.push_back(list.item(row)->text().toStdString());
  }
  return cut;
}

std::vector<std::string> Rows(QListWidget &list) {
  std::vector<std::string> rows;
  for (int row = 0; row < list.count(); ++row)
    rows.push_back(list.item(row)->text().toStdString());
  return rows;
}

TEST(PackageSettingsQtTest, ADevotionalIsListedUnderItsWholeNameAmongThePackages) {
  testsupport::QtApp();
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  for (const char *name : {"VERSE.QXP", "PROVERBS.QXP", "GREEK.OFF"})
    folder.Write(name, testpackage::BuildPackage({}));
  testsupport::WorkingDirectory cwd(folder.Path());
  testsupport::DevotionalLibrary library;
  library.AddDevotional("DailyLight", "Daily Light on the Daily Path");
  Settings settings;
  DayState day;
  {
    QtBackend backend;
    TPackageSettingsDialog dialog(nullptr, settings, day);
    dialog.Create();
    DialogWidget *peer = DialogWidgetOf(dialog);
    ASSERT_NE(peer, nullptr);
    auto *enabled = qobject_cast<QListWidget *>(peer->ControlWidget(EnabledList));
    auto *disabled = qobject_cast<QListWidget *>(peer->ControlWidget(DisabledList));
    ASSERT_NE(enabled, nullptr);
    ASSERT_NE(disabled, nullptr);
    EXPECT_EQ(Rows(*enabled),
              (std::vector<std::string>{"DailyLight.sword", "PROVERBS.QXP", "VERSE.QXP"}));
    EXPECT_EQ(Rows(*disabled), std::vector<std::string>{"GREEK.OFF"});
    // The user picks the devotional: its font shows as a package's would.
    enabled->setCurrentRow(0);
    QCoreApplication::processEvents();
    auto *sizes = qobject_cast<QListWidget *>(peer->ControlWidget(SizeList));
    ASSERT_NE(sizes, nullptr);
    ASSERT_NE(sizes->currentItem(), nullptr);
    EXPECT_EQ(sizes->currentItem()->text().toStdString(), "10");
    EXPECT_EQ(RowsCutShort(*enabled), std::vector<std::string>{});
    QImage shot = peer->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    shot.save(QString::fromStdString(
        (testsupport::ScreenshotFolder() / "package_settings_devotional.png").string()));
    dialog.Destroy();
  }
  testsupport::DeleteDeferredWidgets();
}

} // namespace
