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
#include "resources/about_ids.h"
#include "resources/calendar_ids.h"
#include "resources/dde_settings_ids.h"
#include "resources/dialog_templates.h"
#include "resources/package_settings_ids.h"
#include "resources/reference_ids.h"
#include "resources/start_date_ids.h"
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

  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  testsupport::WorkingDirectory cwd{folder.Path()};
};

TEST_F(AccessibilityQtTest, TheVerseWindowIsAReadOnlyDocumentOfTheDaysEntries) {
  testsupport::RunShownProgram([](QMainWindow &frame) {
    QAccessibleInterface *document =
        FindRole(QAccessible::queryAccessibleInterface(&frame), QAccessible::Document);
    ASSERT_NE(document, nullptr);
    EXPECT_TRUE(document->state().readOnly);
    const QString day = QString::number(DayIndex);
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
    const QString next = QString::number(DayIndex);
    EXPECT_NE(next, day);
    EXPECT_TRUE(WholeText(document).startsWith("Daily Verse\nVerse " + next + ". "))
        << WholeText(document).toStdString();
    EXPECT_FALSE(WholeText(document->child(1)).contains("Answer")); // hidden again
  });
}

TEST_F(AccessibilityQtTest, MenuItemsAreNamedWithoutTheirKeys) {
  testsupport::RunShownProgram([](QMainWindow &frame) {
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
  testsupport::RunShownProgram([](QMainWindow &frame) {
    for (bool shown : {false, true}) {
      QAccessibleInterface *menu = OpenedMenu(frame, "&Options"), *item = nullptr;
      for (int i = 0; menu != nullptr && i < menu->childCount(); ++i)
        if (menu->child(i)->text(QAccessible::Name) == "Show Answers")
          item = menu->child(i);
      ASSERT_NE(item, nullptr);
      EXPECT_TRUE(item->state().checkable);
      EXPECT_EQ(item->state().checked, shown);
      QKeyEvent showAnswers(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
      QCoreApplication::sendEvent(&frame, &showAnswers);
    }
  });
}

std::unique_ptr<TDialog> Calendar() {
  return std::make_unique<TCalendar>(nullptr);
}
template <const TDialogTemplate &(*Template)()> std::unique_ptr<TDialog> Plain() {
  return std::make_unique<TDialog>(nullptr, Template());
}

TEST(DialogControlNamesQtTest, EveryControlIsNamedByItsLabelOrWhatItDoes) {
  using R = QAccessible::Role;
  const struct {
    std::unique_ptr<TDialog> (*Dialog)();
    int Id;
    R Role;
    const char *Name;
  } rows[] = {
      {Plain<StartDateTemplate>, startdate::MonthBack, R::Button, "Previous month"},
      {Plain<StartDateTemplate>, startdate::MonthForward, R::Button, "Next month"},
      {Plain<StartDateTemplate>, startdate::DayBack, R::Button, "Previous day"},
      {Plain<StartDateTemplate>, startdate::DayForward, R::Button, "Next day"},
      {Plain<StartDateTemplate>, startdate::MonthEdit, R::EditableText, "Month"},
      {Plain<StartDateTemplate>, startdate::DayEdit, R::EditableText, "Day"},
      {Calendar, calendar::TitleEdit, R::EditableText, "Month"},
      {Calendar, calendar::DayCell(11), R::EditableText, "Wednesday, 8 March"},
      {Calendar, calendar::DayCell(1), R::EditableText, ""}, // before the 1st: blank
      {Plain<PackageSettingsTemplate>, packagesettings::EnabledList, R::List, "Enabled"},
      {Plain<PackageSettingsTemplate>, packagesettings::FontList, R::List, "Font"},
      {Plain<PackageSettingsTemplate>, packagesettings::SizeList, R::List, "Size"},
      {Plain<ReferenceTemplate>, reference::FileList, R::List, "Reference files"},
      {Plain<ReferenceTemplate>, reference::PictureControl, R::Graphic, "Picture"},
      {Plain<DdeSettingsTemplate>, ddesettings::DdeIdEdit, R::EditableText, "DDE ID"},
      {Plain<AboutPackagesTemplate>, aboutpackages::DescriptionEdit, R::EditableText,
       "Description"},
  };
  testsupport::QtApp();
  testsupport::FreshStartOnMarchFirst2023();
  QtBackend backend;
  for (const auto &row : rows) {
    std::unique_ptr<TDialog> dialog = row.Dialog();
    dialog->Create();
    QWidget *widget = DialogWidgetOf(*dialog)->ControlWidget(row.Id);
    QAccessibleInterface *control = QAccessible::queryAccessibleInterface(widget);
    EXPECT_EQ(control->role(), row.Role) << row.Name;
    EXPECT_EQ(control->text(QAccessible::Name).toStdString(), row.Name);
    // A description a screen reader must reach: read-only, and Tab goes there.
    bool reached = control->state().readOnly && !control->state().disabled &&
                   (widget->focusPolicy() & Qt::TabFocus) != 0;
    EXPECT_TRUE(reached || QString(row.Name) != "Description");
    dialog->Destroy();
    testsupport::DeleteDeferredWidgets();
  }
}

} // namespace
