// The main window on the Qt backend, under the offscreen platform: its
// scroll bar, the scroll keys, a position pulled back by a taller window,
// and the menu keys that bring hidden menus back.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QThread>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "app/verse_window.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "framework/application.h"
#include "framework/qt/qt_widgets.h"
#include "qt/qt_app_fixture.h"
#include "resources/main_menu.h"
#include "support/config_sandbox.h"
#include "support/prepared_settings.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

void Key(QWidget *target, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = {}) {
  QKeyEvent event(type, key, modifiers);
  QCoreApplication::sendEvent(target, &event);
}

void Press(QWidget *target, int key, Qt::KeyboardModifiers modifiers = {}) {
  Key(target, QEvent::KeyPress, key, modifiers);
  Key(target, QEvent::KeyRelease, key, modifiers);
}

// Notes the scroll position each paint of the text area is made with.
class PaintPositions : public QObject {
public:
  std::vector<int> Seen;

protected:
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::Paint && MainWindowHandle != nullptr)
      Seen.push_back(MainWindowHandle->Scroller->YPos);
    return false;
  }
};

class VerseWindowKeysQtTest : public ::testing::Test {
protected:
  VerseWindowKeysQtTest() {
    testsupport::CopySamples(folder.Path());
    ResetProgramState();
    // Large type, so that the day is taller than a small window.
    for (const char *package : {"verse.qxp", "rv1909.qxp", "quiz.qxp", "plan.qxp", "proverbs.qxp"})
      WriteSettingInt(std::string(package) + "_fontsize", 30);
    testsupport::QtApp();
  }
  ~VerseWindowKeysQtTest() override { testsupport::DeleteDeferredWidgets(); }

  static void Settle() {
    for (int i = 0; i < 5; ++i)
      QApplication::processEvents();
  }
  // A desktop's compositor answers a resize in its own time (weston on a
  // busy machine takes a while): the events until done() holds, for a
  // minute at most (a bound on a hang).
  template <class Done> static void SettleUntil(Done done) {
    for (int wait = 0; wait < 6000 && !done(); ++wait) {
      QApplication::processEvents();
      QThread::msleep(10);
    }
    Settle();
  }
  static QScrollBar *ScrollBar(QMainWindow &frame) {
    return frame.centralWidget()->findChild<QScrollBar *>();
  }

  TProgram program; // what RunApplication would own
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  testsupport::WorkingDirectory cwd{folder.Path()};
};

TEST_F(VerseWindowKeysQtTest, TheScrollBarShowsOnlyWhileThereIsSomethingToScroll) {
  std::vector<std::string> seen;
  testsupport::RunShownProgram(program, [&](QMainWindow &frame) {
    QScrollBar *bar = ScrollBar(frame);
    ASSERT_NE(bar, nullptr);
    for (int height : {200, 4000, 200}) {
      frame.resize(500, height);
      Settle();
      seen.push_back(std::to_string(height) + (bar->isVisible() ? " bar" : " no bar") +
                     (MainWindowHandle->Scroller->YRange > 0 ? " range" : " no range"));
    }
  });
  EXPECT_EQ(seen,
            (std::vector<std::string>{"200 bar range", "4000 no bar no range", "200 bar range"}));
}

TEST_F(VerseWindowKeysQtTest, TheKeysScrollTheText) {
  std::vector<int> positions, expected;
  testsupport::RunShownProgram(program, [&](QMainWindow &frame) {
    frame.resize(500, 200);
    Settle();
    QWidget *area = static_cast<WindowWidget *>(MainWindowHandle->Peer)->Area();
    const int range = MainWindowHandle->Scroller->YRange;
    const int page = MainWindowHandle->Scroller->PageStep(area->height());
    ASSERT_GT(range, 2);
    expected = {1, 2, 1, range, 0, std::min(range, page), range};
    for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home,
                    Qt::Key_PageDown, Qt::Key_End}) {
      Press(&frame, key);
      positions.push_back(MainWindowHandle->Scroller->YPos);
    }
  });
  EXPECT_EQ(positions, expected);
}

TEST_F(VerseWindowKeysQtTest, APositionPulledBackByATallerWindowIsPaintedAgain) {
  PaintPositions paints;
  testsupport::RunShownProgram(program, [&](QMainWindow &frame) {
    frame.resize(500, 200);
    SettleUntil([] { return MainWindowHandle->Scroller->YRange > 0; });
    ASSERT_GT(MainWindowHandle->Scroller->YRange, 0);
    ScrollBar(frame)->setValue(MainWindowHandle->Scroller->YRange); // dragged to the end
    Settle();
    ASSERT_GT(MainWindowHandle->Scroller->YPos, 0);
    // Tall enough for the whole day: the range becomes 0, and the text is
    // painted again from its top.
    QWidget *area = static_cast<WindowWidget *>(MainWindowHandle->Peer)->Area();
    area->installEventFilter(&paints);
    frame.resize(500, 4000);
    SettleUntil([&] { return MainWindowHandle->Scroller->YPos == 0 && !paints.Seen.empty(); });
    area->removeEventFilter(&paints);
    EXPECT_EQ(MainWindowHandle->Scroller->YPos, 0);
  });
  ASSERT_FALSE(paints.Seen.empty());
  EXPECT_EQ(paints.Seen.back(), 0) << "the last paint kept the old position";
}

TEST_F(VerseWindowKeysQtTest, AltAloneOrF10ShowsHiddenMenus) {
  program.settings.HideMenu = 1;
  std::vector<std::string> seen;
  testsupport::RunShownProgram(program, [&](QMainWindow &frame) {
    auto note = [&] {
      Settle();
      seen.push_back(frame.menuBar()->isVisible() ? "menu" : "no menu");
    };
    note();
    Press(&frame, Qt::Key_F10);
    note();
    TheApplication()->GetMainWindow()->HandleMessage(TMessage{WM_COMMAND, CM_HIDEMENUS, 0});
    note();
    // Alt held while another key is pressed is no menu key.
    Key(&frame, QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    Press(&frame, Qt::Key_X, Qt::AltModifier);
    Key(&frame, QEvent::KeyRelease, Qt::Key_Alt);
    note();
    Key(&frame, QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    Key(&frame, QEvent::KeyRelease, Qt::Key_Alt);
    note();
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"no menu", "menu", "no menu", "no menu", "menu"}));
}

} // namespace
