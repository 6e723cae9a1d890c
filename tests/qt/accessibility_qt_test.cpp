// What a screen reader gets through Qt's accessibility: the verse window as
// a read-only document of the day's text with a paragraph per entry, kept
// current; menu items named without their keys, check mark items as
// checkable; every dialog control named. (The AT-SPI test in
// tests/accessibility reads the same from the running program.)

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/program_state.h"
#include "app/verse_window.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "dialogs/calendar_dialog.h"
#include "framework/qt/qt_backend.h"
#include "framework/qt/qt_dialog.h"
#include "qt/qt_app_fixture.h"
#include "resources/dialog_templates.h"
#include "support/config_sandbox.h"
#include "support/fresh_start.h"
#include "support/package_bytes.h"
#include "support/temp_dir.h"

namespace {

// The first interface of the given role below iface, depth first.
QAccessibleInterface *FindRole(QAccessibleInterface *iface, QAccessible::Role role) {
  if (iface == nullptr)
    return nullptr;
  if (iface->role() == role)
    return iface;
  for (int i = 0; i < iface->childCount(); ++i)
    if (QAccessibleInterface *found = FindRole(iface->child(i), role))
      return found;
  return nullptr;
}

// The items of the frame's menu titled title, as a screen reader finds them
// when the menu opens.
QAccessibleInterface *OpenedMenu(QMainWindow &frame, const QString &title) {
  for (QAction *top : frame.menuBar()->actions())
    if (top->text() == title) {
      emit top->menu()->aboutToShow();
      return QAccessible::queryAccessibleInterface(top->menu());
    }
  return nullptr;
}

QString WholeText(QAccessibleInterface *iface) {
  QAccessibleTextInterface *text = iface->textInterface();
  return text != nullptr ? text->text(0, text->characterCount()) : QStringLiteral("<no text>");
}

class AccessibilityQtTest : public ::testing::Test {
protected:
  AccessibilityQtTest() {
    ResetProgramState();
    testsupport::QtApp();
    // Every day the same two entries, a verse and a quiz question.
    testpackage::PackageLayout verse, quiz;
    verse.Titles = {"Daily Verse"};
    verse.Marker = '-';
    quiz.Titles = {"Daily Bible Quiz"};
    quiz.Marker = '\\';
    for (int slot = 0; slot < 366; ++slot) {
      verse.Entries[slot] = {"Verse " + std::to_string(slot) + ". -Ref " + std::to_string(slot)};
      quiz.Entries[slot] = {"Question " + std::to_string(slot) + "? \\Answer"};
    }
    folder.Write("A.QXP", testpackage::BuildPackage(verse));
    folder.Write("B.QXP", testpackage::BuildPackage(quiz));
  }
  ~AccessibilityQtTest() override { testsupport::DeleteDeferredWidgets(); }

  TProgram program; // what RunApplication would own
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  testsupport::WorkingDirectory cwd{folder.Path()};
};

TEST_F(AccessibilityQtTest, TheVerseWindowIsAReadOnlyDocumentOfTheDaysEntries) {
  testsupport::RunShownProgram(program, [&](QMainWindow &frame) {
    QAccessibleInterface *document =
        FindRole(QAccessible::queryAccessibleInterface(&frame), QAccessible::Document);
    ASSERT_NE(document, nullptr);
    EXPECT_TRUE(document->state().readOnly);
    const QString day = QString::number(program.day.DayIndex);
    const QString verse = "Daily Verse\nVerse " + day + ".  - Ref " + day + "\n\n";
    const QString question = "Daily Bible Quiz\nQuestion " + day + "? \n\n";
    EXPECT_EQ(WholeText(document), verse + question);
    ASSERT_EQ(document->childCount(), 2);
    EXPECT_EQ(document->child(0)->role(), QAccessible::Paragraph);
    EXPECT_EQ(document->child(0)->text(QAccessible::Name), "Daily Verse");
    EXPECT_EQ(WholeText(document->child(1)), question);
    EXPECT_EQ(document->indexOfChild(document->child(1)), 1);

    // The answer once it is shown; the next day after Day Forward.
    QKeyEvent showAnswers(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
    QCoreApplication::sendEvent(&frame, &showAnswers);
    EXPECT_TRUE(WholeText(document->child(1)).contains("Answer"));
    QKeyEvent dayForward(QEvent::KeyPress, Qt::Key_Right, Qt::ControlModifier);
    QCoreApplication::sendEvent(&frame, &dayForward);
    const QString next = QString::number(program.day.DayIndex);
    EXPECT_NE(next, day);
    EXPECT_TRUE(WholeText(document).startsWith("Daily Verse\nVerse " + next + ". "))
        << WholeText(document).toStdString();
    EXPECT_FALSE(WholeText(document->child(1)).contains("Answer")); // hidden again
  });
}

TEST_F(AccessibilityQtTest, MenuItemsAreNamedWithoutTheirKeys) {
  testsupport::RunShownProgram(program, [&](QMainWindow &frame) {
    QAccessibleInterface *menu = OpenedMenu(frame, "&Settings");
    ASSERT_NE(menu, nullptr);
    QStringList names;
    for (int i = 0; i < menu->childCount(); ++i)
      if (menu->child(i)->role() == QAccessible::MenuItem)
        names << menu->child(i)->text(QAccessible::Name);
    EXPECT_TRUE(names.contains("Day Forward")) << names.join("|").toStdString();
    EXPECT_FALSE(names.join("|").contains('\t')) << names.join("|").toStdString();
  });
}

TEST_F(AccessibilityQtTest, ShowAnswersIsACheckMarkItemAlsoWhileUnchecked) {
  testsupport::RunShownProgram(program, [&](QMainWindow &frame) {
    for (bool shown : {false, true}) {
      QAccessibleInterface *item = OpenedMenu(frame, "&Options")->child(1);
      EXPECT_EQ(item->text(QAccessible::Name), "Show Answers");
      EXPECT_TRUE(item->state().checkable);
      EXPECT_EQ(item->state().checked, shown);
      QKeyEvent showAnswers(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
      QCoreApplication::sendEvent(&frame, &showAnswers);
    }
  });
}

// Controls named by their labels, or by what they do where their text says
// nothing ("<"); Tab reaches all but the disabled (ids as in the templates).
TEST(DialogControlNamesQtTest, EveryControlIsNamedByItsLabelOrWhatItDoes) {
  using R = QAccessible::Role;
  const struct {
    const TDialogTemplate &(*Template)();
    int Id;
    R Role;
    const char *Name;
    bool Tab;
  } rows[] = {
      {StartDateTemplate, 102, R::Button, "Previous month", true},
      {StartDateTemplate, 106, R::Button, "Next day", true},
      {StartDateTemplate, 101, R::EditableText, "Month", false},
      {CalendarTemplate, 250, R::EditableText, "Month", false},
      {CalendarTemplate, 211, R::EditableText, "Wednesday, 8 March", false},
      {CalendarTemplate, 201, R::EditableText, "", false}, // before the 1st
      {PackageSettingsTemplate, 103, R::List, "Font", true},
      {ReferenceTemplate, 102, R::List, "Reference files", true},
      {ReferenceTemplate, 100, R::Graphic, "Picture", false},
      {DdeSettingsTemplate, 130, R::EditableText, "DDE ID", true},
      {AboutPackagesTemplate, 102, R::EditableText, "Description", true},
  };
  testsupport::QtApp();
  TProgram program;
  testsupport::FreshStartOnMarchFirst2023(ResetProgramState, program.day);
  QtBackend backend;
  for (const auto &row : rows) {
    std::unique_ptr<TDialog> dialog(row.Template == CalendarTemplate
                                        ? new TCalendar(nullptr, program.settings, program.day)
                                        : new TDialog(nullptr, row.Template()));
    dialog->Create();
    QWidget *widget = DialogWidgetOf(*dialog)->ControlWidget(row.Id);
    QAccessibleInterface *control = QAccessible::queryAccessibleInterface(widget);
    EXPECT_EQ(control->role(), row.Role) << row.Name;
    EXPECT_EQ(control->text(QAccessible::Name).toStdString(), row.Name);
    EXPECT_EQ(widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) != 0, row.Tab)
        << row.Name;
    dialog->Destroy();
    testsupport::DeleteDeferredWidgets();
  }
}

TEST_F(AccessibilityQtTest, TheCaretAReaderMovesIsShownInTheWindow) {
  testpackage::PackageLayout longer; // a day longer than the window
  for (int slot = 0; slot < 366; ++slot)
    longer.Entries[slot] = {"A long entry" + std::string(80, '.') + std::string(120, ' ') + "end"};
  folder.Write("C.QXP", testpackage::BuildPackage(longer));
  testsupport::RunShownProgram(program, [&](QMainWindow &frame) {
    frame.resize(220, 50);
    QAccessibleInterface *document =
        FindRole(QAccessible::queryAccessibleInterface(&frame), QAccessible::Document);
    ASSERT_NE(document, nullptr);
    QAccessibleTextInterface *text = document->textInterface();
    const int last = text->characterCount() - 4; // the "d" of "end", before the line ends
    // The day is laid out for the new width at the next paint, which weston
    // asks for only when it chooses; the other desktops paint at once.
    if (QGuiApplication::platformName() == "wayland")
      GTEST_SKIP() << "the resized window's paint waits for the compositor";
    auto shown = [&] {
      QCoreApplication::processEvents();
      const QRect cell = text->characterRect(last);
      return !cell.isEmpty() && document->rect().contains(cell.center());
    };
    ASSERT_FALSE(shown()) << "the whole day fits";
    text->setCursorPosition(last);
    EXPECT_EQ(text->cursorPosition(), last);
    EXPECT_TRUE(shown());
  });
}

// A character beyond ASCII is one character for a reader, with one cell
// where it is drawn, whatever bytes the program keeps it in.
TEST_F(AccessibilityQtTest, EachCharacterOfTheTextHasItsOwnCell) {
  testpackage::PackageLayout accents; // code page 1252: "Café", a curly quote
  accents.Titles = {"Caf\xE9"};
  for (int slot = 0; slot < 366; ++slot)
    accents.Entries[slot] = {"\x93Na\xEFve\x94"};
  folder.Write("C.QXP", testpackage::BuildPackage(accents));
  testsupport::RunShownProgram(program, [&](QMainWindow &frame) {
    QAccessibleInterface *document =
        FindRole(QAccessible::queryAccessibleInterface(&frame), QAccessible::Document);
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(document->childCount(), 3);
    // The cells are where the last paint drew: paint now, whatever the
    // desktop has asked for yet.
    frame.centralWidget()->repaint();
    QAccessibleInterface *part = document->child(2);
    EXPECT_EQ(WholeText(part), QString::fromUtf8("Caf\u00e9\n\u201cNa\u00efve\u201d \n\n"));
    QAccessibleTextInterface *text = part->textInterface();
    // The heading's four letters and the body's seven side by side, each as
    // wide as drawn.
    for (int first : {0, 5})
      for (int i = first; i < first + (first == 0 ? 3 : 6); ++i) {
        const QRect cell = text->characterRect(i);
        const QRect next = text->characterRect(i + 1);
        EXPECT_GT(cell.width(), 0) << i;
        EXPECT_EQ(next.left(), cell.right() + 1) << i;
        EXPECT_EQ(next.top(), cell.top()) << i;
      }
    EXPECT_NE(text->characterRect(5).top(), text->characterRect(0).top());
  });
}

} // namespace
