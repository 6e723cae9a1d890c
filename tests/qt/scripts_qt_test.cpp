// The day in every script on the Qt backend: Greek with its accents and
// breathings, Russian, Chinese, Hebrew with its points and a letter with a
// combining mark, each from a UTF-8 package, drawn within the window (a
// picture to look at: scripts.png), copied to the clipboard and read by a
// screen reader as they are.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QMainWindow>

#include "app/program_state.h"
#include "qt/qt_app_fixture.h"
#include "support/config_sandbox.h"
#include "support/package_bytes.h"
#include "support/temp_dir.h"

namespace {

struct Script {
  const char *file, *title, *body, *reference;
};

// In the order of their file names, as the day shows them.
const Script Scripts[] = {
    {"A_GREEK.QXP", "Κατὰ Ἰωάννην",
     "Ἐν ἀρχῇ ἦν ὁ λόγος, καὶ ὁ λόγος ἦν πρὸς τὸν θεόν, καὶ θεὸς ἦν ὁ λόγος. "
     "οὗτος ἦν ἐν ἀρχῇ πρὸς τὸν θεόν. ",
     "Ἰωάννης 1:1–2"},
    {"B_RUSSIAN.QXP", "Евангелие от Иоанна",
     "В начале было Слово, и Слово было у Бога, и Слово было Бог. Оно было в начале у Бога. ",
     "Иоанна 1:1–2"},
    {"C_CHINESE.QXP", "约翰福音",
     "太初有道，道与神同在，道就是神。这道太初与神同在。万物是藉着他造的；凡被造的，没有一样不是藉"
     "着他造的。",
     "约翰福音 1:1–3"},
    {"D_HEBREW.QXP", "בראשית", "בְּרֵאשִׁית בָּרָא אֱלֹהִים אֵת הַשָּׁמַיִם וְאֵת הָאָרֶץ׃ וְהָאָרֶץ הָיְתָה תֹהוּ וָבֹהוּ׃ ",
     "בראשית א:א–ב"},
    {"E_COMBINING.QXP", "Cafe\u0301 and nai\u0308ve",
     "Written with combining marks: cafe\u0301, nai\u0308ve, Zu\u0308rich, fac\u0327ade. ",
     "Ref\u0327"},
};

class ScriptsQtTest : public ::testing::Test {
protected:
  ScriptsQtTest() {
    ResetProgramState();
    testsupport::QtApp();
    for (const Script &script : Scripts) {
      testpackage::PackageLayout layout;
      layout.Type = 8;
      layout.Titles = {script.title};
      layout.Marker = '-';
      for (int slot = 0; slot < 366; ++slot)
        layout.Entries[slot] = {std::string(script.body) + "-" + script.reference};
      folder.Write(script.file, testpackage::BuildPackage(layout));
    }
  }
  ~ScriptsQtTest() override { testsupport::DeleteDeferredWidgets(); }

  TProgram program;
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  testsupport::WorkingDirectory cwd{folder.Path()};
};

// How far right the darkest ink of the picture reaches.
int RightmostInk(const QImage &image, int top) {
  int rightmost = -1;
  for (int y = top; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128)
        rightmost = std::max(rightmost, x);
  return rightmost;
}

TEST_F(ScriptsQtTest, EveryScriptIsDrawnCopiedAndReadAsItIs) {
  testsupport::RunShownProgram(program, [&](QMainWindow &frame) {
    frame.resize(420, 900);
    QApplication::processEvents();
    QWidget *client = frame.centralWidget();
    ASSERT_NE(client, nullptr);
    const QImage shot = client->grab().toImage();
    shot.save(QString::fromStdString((testsupport::ScreenshotFolder() / "scripts.png").string()));
    // Every line, the Chinese without spaces too, ends within the window.
    EXPECT_LT(RightmostInk(shot, 0), shot.width() - 2);

    // A Wayland compositor hands the clipboard only to the window it gave
    // the keyboard to, which a headless weston gives none (and Qt keeps the
    // text it could not hand over to the end).
    if (testsupport::TestDesktop() != testsupport::Desktop::Weston) {
      QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
      QCoreApplication::sendEvent(&frame, &copy);
      QString expected;
      for (const Script &script : Scripts)
        expected += QString::fromUtf8(script.title) + "\r\n" + QString::fromUtf8(script.body) +
                    " - " + QString::fromUtf8(script.reference) + "\r\n\r\n";
      EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    }

    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&frame);
    ASSERT_NE(window, nullptr);
    std::function<QAccessibleInterface *(QAccessibleInterface *)> document =
        [&](QAccessibleInterface *iface) -> QAccessibleInterface * {
      if (iface == nullptr || iface->role() == QAccessible::Document)
        return iface;
      for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface *found = document(iface->child(i)))
          return found;
      return nullptr;
    };
    QAccessibleInterface *day = document(window);
    ASSERT_NE(day, nullptr);
    ASSERT_EQ(day->childCount(), 5);
    for (int i = 0; i < 5; ++i) {
      QAccessibleTextInterface *text = day->child(i)->textInterface();
      ASSERT_NE(text, nullptr);
      const QString whole = text->text(0, text->characterCount());
      EXPECT_TRUE(whole.startsWith(QString::fromUtf8(Scripts[i].title) + "\n")) << i;
      // Each character has a cell inside the window, on a row of the text.
      for (int c = 0; c < text->characterCount(); ++c) {
        if (whole[c] == '\n')
          continue;
        const QRect cell = text->characterRect(c);
        EXPECT_TRUE(frame.geometry().adjusted(-2, -2, 2, 2).contains(cell.center()))
            << i << " character " << c;
      }
    }
  });
}

} // namespace
