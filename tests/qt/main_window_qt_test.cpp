// The main window on the Qt backend, under the offscreen platform: the sample
// packages are shown, painted and saved as a screenshot to look at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <filesystem>
#include <map>

#include "app/program_state.h"
#include "app/qx_app.h"
#include "app/verse_window.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "content/today_text.h"
#include "framework/application.h"
#include "framework/qt/qt_backend.h"
#include "qt/qt_app_fixture.h"
#include "support/config_sandbox.h"
#include "support/fixed_clock.h"
#include "support/prepared_settings.h"
#include "support/run_process.h"
#include "support/sword_module_builder.h"
#include "support/sword_system_library.h"
#include "support/temp_dir.h"

namespace {

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

// The program on the Qt backend, in a folder of the sample packages, with
// settings of its own.
class MainWindowQtTest : public ::testing::Test {
protected:
  MainWindowQtTest() {
    testsupport::CopySamples(folder.Path());
    ResetProgramState();
    testsupport::QtApp();
  }
  ~MainWindowQtTest() override { testsupport::DeleteDeferredWidgets(); }

  TProgram program; // what RunApplication would own
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  testsupport::WorkingDirectory cwd{folder.Path()};
};

TEST_F(MainWindowQtTest, ShowsTheSamplePackagesAndClosesCleanly) {
  QtBackend backend;

  QImage shot;
  bool hadMenu = false;
  TQXApp app(program);
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

namespace {

using testsupport::ShownFrame;

void PressKey(QWidget *target, int key, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QCoreApplication::sendEvent(target, &press);
}

// The menu bar's action whose text is given, searched through the popups,
// each opened first as the user would (which asks for the items' states).
QAction *MenuAction(QMenuBar *bar, const QString &text) {
  for (QAction *top : bar->actions()) {
    if (top->text() == text)
      return top;
    if (QMenu *menu = top->menu()) {
      emit menu->aboutToShow();
      for (QAction *item : menu->actions())
        if (item->text() == text)
          return item;
    }
  }
  return nullptr;
}

TEST_F(MainWindowQtTest, AcceleratorsAndMenusReachTheirCommandsAlsoWithTheMenuHidden) {
  QtBackend backend;

  std::vector<std::string> log;
  TQXApp app(program);
  QTimer::singleShot(500, [&] {
    QMainWindow *frame = ShownFrame();
    ASSERT_NE(frame, nullptr);
    PressKey(frame, Qt::Key_Right, Qt::ControlModifier); // Day Forward
    PressKey(frame, Qt::Key_Right, Qt::ControlModifier);
    log.push_back("offset " + std::to_string(program.day.DayOffset));
    PressKey(frame, Qt::Key_A, Qt::ControlModifier); // Show Answers (a quiz is loaded)
    log.push_back(program.day.ShowAnswers ? "answers shown" : "answers hidden");
    // The date is the last item on the bar itself.
    QList<QAction *> bar = frame->menuBar()->actions();
    ASSERT_FALSE(bar.isEmpty());
    log.push_back(bar.back()->text().toStdString() == program.day.TodayText ? "date on the bar"
                                                                            : "no date");
    // Day Reset from the menu.
    // The item's text is its words; the key is its shortcut.
    QAction *reset = MenuAction(frame->menuBar(), "Day &Reset");
    ASSERT_NE(reset, nullptr);
    EXPECT_EQ(reset->shortcut(), QKeySequence(Qt::ControlModifier | Qt::Key_Home));
    reset->trigger();
    log.push_back("offset " + std::to_string(program.day.DayOffset));
    QAction *hide = MenuAction(frame->menuBar(), "&Hide Menus");
    ASSERT_NE(hide, nullptr);
    hide->trigger();
    QCoreApplication::processEvents();
    log.push_back(frame->menuBar()->isVisible() ? "menu shown" : "menu hidden");
    PressKey(frame, Qt::Key_Left, Qt::ControlModifier); // still works
    log.push_back("offset " + std::to_string(program.day.DayOffset));
    TheApplication()->GetMainWindow()->CloseWindow(0);
  });
  EXPECT_EQ(app.Run(), 0);
  testsupport::DeleteDeferredWidgets();
  EXPECT_EQ(log, (std::vector<std::string>{"offset 2", "answers shown", "date on the bar",
                                           "offset 0", "menu hidden", "offset -1"}));
}

} // namespace

namespace {

// The sample day as the user can see it: answers hidden and shown, with gaps
// between entries, and without justification.
TEST_F(MainWindowQtTest, ScreenshotsOfTheDisplayOptions) { // Fonts a reader would pick, assigned as
                                                           // the Package Settings dialog does.
  for (const char *package : {"verse.qxp", "rv1909.qxp", "quiz.qxp", "plan.qxp", "proverbs.qxp"}) {
    WriteSettingText(std::string(package) + "_fontname", "DejaVu Serif");
    WriteSettingInt(std::string(package) + "_fontsize", 17);
  }
  QtBackend backend;
  std::map<std::string, QImage> shots;
  TQXApp app(program);
  QTimer::singleShot(500, [&] {
    QMainWindow *frame = ShownFrame();
    ASSERT_NE(frame, nullptr);
    frame->resize(640, 560);
    auto take = [&](const std::string &name) {
      QApplication::processEvents();
      shots[name] = frame->grab().toImage();
    };
    take("answers_hidden");
    PressKey(frame, Qt::Key_A, Qt::ControlModifier);
    take("answers_shown");
    program.settings.BlankLines = 1;
    MainWindowHandle->PostMessage(WM_SIZE, 0, 0);
    QApplication::processEvents();
    take("blank_lines");
    program.settings.JustifyText = 0;
    MainWindowHandle->Invalidate(true);
    take("not_justified");
    TheApplication()->GetMainWindow()->CloseWindow(0);
  });
  EXPECT_EQ(app.Run(), 0);
  testsupport::DeleteDeferredWidgets();
  ASSERT_EQ(shots.size(), 4u);
  for (const auto &[name, shot] : shots)
    EXPECT_TRUE(shot.save(
        QString::fromStdString((testsupport::ScreenshotFolder() / (name + ".png")).string())));
  // Showing the answers turns part of the black bar into white letters.
  EXPECT_NE(shots["answers_hidden"], shots["answers_shown"]);
  EXPECT_NE(shots["answers_shown"], shots["blank_lines"]);
  EXPECT_NE(shots["blank_lines"], shots["not_justified"]);
}

// Under a dark theme the page is dark and the headings and the text read on
// it (4.5:1, measured from the pixels): a dark style, and a style sheet.
TEST_F(MainWindowQtTest, UnderADarkThemeTheDayReadsOnADarkPage) {
  const QString lightStyle = QApplication::style()->name();
  const char *themes[][2] = {{"Adwaita-Dark", ""},
                             {"Fusion", "QWidget { background: #202020; color: #d0d0d0; }"}};
  for (const auto &[style, sheet] : themes) {
    ASSERT_TRUE(QStyleFactory::keys().contains(style, Qt::CaseInsensitive)) << "adwaita-qt6";
    QApplication::setStyle(style);
    qApp->setStyleSheet(sheet);
    QImage page;
    testsupport::RunShownProgram(program, [&](QMainWindow &frame) {
      frame.resize(640, 520);
      QApplication::processEvents();
      QWidget *verse = frame.centralWidget(); // less the scroll bar
      page = verse->grab(QRect(0, 0, verse->width() - 40, verse->height())).toImage();
    });
    const QColor background = page.pixelColor(1, 1); // beside the centred heading
    std::string name = std::string("dark_") + (*sheet != 0 ? "style_sheet.png" : "style.png");
    page.save(QString::fromStdString((testsupport::ScreenshotFolder() / name).string()));
    double heading = 0, text = 0;
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x) {
        QColor c = page.pixelColor(x, y);
        bool blue = c.blue() > c.red() + 40 && c.blue() > c.green() + 40;
        double &found = blue ? heading : text;
        found = std::max(found, testsupport::Contrast(c, background));
      }
    EXPECT_LT(background.lightness(), 100) << style;
    EXPECT_GE(std::min(heading, text), 4.5)
        << style << " headings " << heading << ", text " << text;
  }
  qApp->setStyleSheet("");
  QApplication::setStyle(lightStyle);
}

} // namespace

namespace {

// A devotional of the SWORD library among the sample packages on 1 March,
// its paragraphs each a paragraph of the window: a screenshot to look at.
TEST_F(MainWindowQtTest, ADevotionalShowsItsParagraphsAmongThePackages) {
  if (!testsupport::HaveSwordTools())
    GTEST_SKIP() << "imp2ld is not installed (libsword-utils)";
  testsupport::SwordSystemLibrary library;
  testsupport::BuildDictionary(
      library.Root(), "DailyLight",
      "$$$03.01\n<p>Morning. \xE2\x80\x9CThe LORD is my shepherd; I shall not want.\xE2\x80\x9D "
      "He maketh me to lie down in green pastures.</p><p>Evening. He leadeth me beside the still "
      "waters.</p>\n",
      "Description=Daily Light on the Daily Path\nSourceType=ThML\nEncoding=UTF-8\n"
      "Feature=DailyDevotion\n");
  for (const char *name : {"PLAN.QXP", "QUIZ.QXP", "RV1909.QXP"})
    std::filesystem::remove(folder.Path() / name);
  testsupport::SetDate(2023, 3, 1);
  QtBackend backend;
  QImage shot;
  std::string lastTitle;
  TQXApp app(program);
  QTimer::singleShot(800, [&] {
    if (QMainWindow *frame = testsupport::ShownFrame()) {
      frame->resize(520, 560);
      QApplication::processEvents();
      shot = frame->grab().toImage();
    }
    for (const TDayEntry *entry = program.day.DayEntries.get(); entry; entry = entry->Next.get())
      lastTitle = entry->Title;
    TheApplication()->GetMainWindow()->CloseWindow(0);
  });
  EXPECT_EQ(app.Run(), 0);
  testsupport::DeleteDeferredWidgets();
  ASSERT_FALSE(shot.isNull());
  shot.save(QString::fromStdString((testsupport::ScreenshotFolder() / "devotional.png").string()));
  EXPECT_EQ(lastTitle, "Daily Light on the Daily Path");
}

} // namespace
