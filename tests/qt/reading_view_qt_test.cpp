// The day's passages on the Qt backend: a document view with the passages'
// headings and verses, in italics where the translators added a word, that
// grows with its window, takes the view's own keys before the document's
// (Ctrl+C copies all of it, Ctrl+Plus enlarges it), and is saved as a
// screenshot to look at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "content/day_state.h"
#include "content/settings.h"
#include "dialogs/reading_view.h"
#include "framework/controls.h"
#include "framework/qt/qt_backend.h"
#include "framework/qt/qt_dialog.h"
#include "qt_app_fixture.h"
#include "readings/reading_bible.h"
#include "resources/reading_ids.h"
#include "scripture/sword_modules.h"
#include "support/config_sandbox.h"
#include "support/day_entry_builder.h"
#include "support/scoped_environment.h"
#include "support/sword_system_library.h"
#include "support/temp_dir.h"

namespace {

void Press(QWidget *widget, int key, Qt::KeyboardModifiers modifiers) {
  QKeyEvent override(QEvent::ShortcutOverride, key, modifiers);
  QCoreApplication::sendEvent(widget, &override);
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QCoreApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers);
  QCoreApplication::sendEvent(widget, &release);
}

TEST(ReadingViewQtTest, ThePassagesAreADocumentThatGrowsWithItsWindowAndTakesItsKeys) {
  testsupport::SwordSystemLibrary library;
  if (!library.AddInstalledModule("engKJV2006eb"))
    GTEST_SKIP() << "sword-text-kjv is not installed";
  testsupport::QtApp();
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir home;
  testsupport::ScopedEnvironment homeIs("HOME", home.Path().string());
  QImage shot;
  {
    QtBackend backend;
    Settings settings;
    settings.ReadingBible = "engKJV2006eb";
    DayState day;
    day.DayEntries = testsupport::Entry("Through the Bible in a Year",
                                        "Morning: Genesis 1-2 / Evening: Matthew 1");
    TBibleShelf shelf;
    TReadingView view(nullptr, settings, day, shelf);
    view.Create();
    DialogWidget *peer = DialogWidgetOf(view);
    ASSERT_NE(peer, nullptr);
    auto *text = qobject_cast<QTextBrowser *>(peer->ControlWidget(readpassages::PassageText));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(peer->windowTitle(), "Passages of the Day - KJV");
    EXPECT_EQ(text->accessibleName(), "Passages");
    const QTextDocument *document = text->document();
    EXPECT_EQ(document->firstBlock().text(), "Morning: Genesis 1-2");
    EXPECT_EQ(document->firstBlock().blockFormat().headingLevel(), 2);
    // Genesis 1:2, "darkness was upon": "was" in italics.
    QTextBlock verse = document->findBlock(document->toPlainText().indexOf("2 And the earth"));
    bool italicWas = false;
    for (auto fragment = verse.begin(); !fragment.atEnd(); ++fragment)
      italicWas = italicWas || (fragment.fragment().text() == "was" &&
                                fragment.fragment().charFormat().fontItalic());
    EXPECT_TRUE(italicWas) << verse.text().toStdString();

    // The document grows with its window.
    const QSize before = text->size();
    peer->resize(peer->size() + QSize(120, 80));
    QCoreApplication::processEvents();
    EXPECT_EQ(text->size(), before + QSize(120, 80));

    // The view's keys come before the document's own.
    text->setFocus();
    // A headless weston hands the clipboard to no window (and Qt keeps the
    // text it could not hand over to the end).
    if (testsupport::TestDesktop() != testsupport::Desktop::Weston) {
      Press(text, Qt::Key_C, Qt::ControlModifier);
      EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
                TDocumentView(view, readpassages::PassageText).Document().PlainText());
    }
    const qreal size = document->defaultFont().pointSizeF();
    Press(text, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(document->defaultFont().pointSizeF(), size);
    Press(text, Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(document->defaultFont().pointSizeF(), size);
    // The arrows scroll the document.
    const int top = text->verticalScrollBar()->value();
    for (int i = 0; i < 40; ++i)
      Press(text, Qt::Key_Down, Qt::NoModifier);
    EXPECT_GT(text->verticalScrollBar()->value(), top);

    QCoreApplication::processEvents();
    shot = peer->grab().toImage();
    Press(text, Qt::Key_Escape, Qt::NoModifier);
    EXPECT_FALSE(view.IsCreated());
  }
  testsupport::DeleteDeferredWidgets();
  ASSERT_FALSE(shot.isNull());
  EXPECT_TRUE(shot.save(
      QString::fromStdString((testsupport::ScreenshotFolder() / "read_passages.png").string())));
}

} // namespace
