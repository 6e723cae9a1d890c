// The interface in Spanish and German: every menu item, dialog and message
// box shows the language's words, whole, with a mnemonic of its own.

#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <set>

#include "app/program_state.h"
#include "app/verse_window.h"
#include "concordance_link/conversation_slot.h"
#include "dialogs/calendar_dialog.h"
#include "framework/control_labels.h"
#include "framework/message_box.h"
#include "framework/qt/qt_translation.h"
#include "qt/qt_app_fixture.h"
#include "qt/qt_dialog_user.h"
#include "qt/title_bar.h"
#include "resources/calendar_ids.h"
#include "resources/dialog_templates.h"
#include "resources/main_menu.h"
#include "support/config_sandbox.h"
#include "support/fresh_start.h"
#include "support/package_bytes.h"
#include "support/temp_dir.h"

namespace {

// The mnemonic letter of a text, or 0.
QChar Mnemonic(const QString &text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i)
    if (text[i] == u'&')
      return text[i + 1] == u'&' ? (++i, QChar()) : text[i + 1].toLower();
  return {};
}

// Adds a failure when two texts share a mnemonic.
void ExpectOwnMnemonics(const QStringList &texts, const QString &where) {
  std::set<QChar> seen;
  for (const QString &text : texts)
    if (QChar letter = Mnemonic(text); !letter.isNull()) {
      EXPECT_TRUE(seen.insert(letter).second) << where.toStdString() << ": " << text.toStdString();
    }
}

// What a widget shows: a label's or a button's text, a frame's title.
QString ShownText(const QWidget *widget) {
  return widget->property("text").isValid() ? widget->property("text").toString()
                                            : widget->property("title").toString();
}

// A label's words as a name: no mnemonic, no closing colon.
QString SpokenAs(const QString &label) {
  QString words;
  for (qsizetype i = 0; i < label.size(); ++i)
    if (label[i] != u'&' || ++i < label.size())
      words += label[i];
  while (words.endsWith(u':') || words.endsWith(u' '))
    words.chop(1);
  return words;
}

// What the static whose English words are name shows.
QString ShownLabel(const DialogWidget &peer, const TDialogTemplate &tmpl, const std::string &name) {
  for (size_t i = 0; i < tmpl.Controls.size(); ++i)
    if (tmpl.Controls[i].Kind == TControlKind::Static &&
        SpokenAs(QString::fromStdString(tmpl.Controls[i].Text)).toStdString() == name)
      return ShownText(peer.ControlWidgets()[i]);
  return {};
}

class TranslationQtTest : public ::testing::TestWithParam<const char *> {
protected:
  TranslationQtTest() {
    testsupport::QtApp();
    testsupport::FreshStartOnMarchFirst2023(ResetProgramState, program.day);
    folder.Write("VERSE.QXP", testpackage::BuildPackage({}));
    language = LoadInterfaceLanguage({QString::fromLatin1(GetParam()) + QStringLiteral("-XX")});
    EXPECT_TRUE(
        catalog.load(QStringLiteral("selwarth_") + GetParam(),
                     QCoreApplication::applicationDirPath() + QStringLiteral("/../translations")));
  }
  ~TranslationQtTest() override {
    UnloadInterfaceLanguage();
    testsupport::DeleteDeferredWidgets();
  }
  // A text shown where the English was is the language's own: it differs,
  // or the catalog keeps it as it is on purpose ("OK", "April").
  void ExpectTranslated(const char *context, const std::string &english, const QString &shown,
                        const char *comment = nullptr) {
    const QString source = QString::fromLatin1(english);
    const QString kept = catalog.translate(context, source.toUtf8().constData(), comment);
    EXPECT_TRUE(shown != source || kept == source)
        << context << ": \"" << english << "\" is shown in English";
  }

  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  testsupport::WorkingDirectory cwd{folder.Path()};
  QString language;
  QTranslator catalog;
  QtBackend backend;
  TProgram program;
};

TEST_P(TranslationQtTest, TheMenusAreInTheLanguageWithAMnemonicEachAndALocalDate) {
  ASSERT_EQ(language, QString::fromLatin1(GetParam()));
  const TMenu english = MainMenu();
  testsupport::RunShownProgram(program, [&](QMainWindow &frame) {
    const QList<QAction *> bar = frame.menuBar()->actions();
    QStringList barTexts;
    for (qsizetype i = 0; i < bar.size(); ++i) {
      const TMenuItem &item = english.Bar()[static_cast<size_t>(i)];
      barTexts << bar[i]->text();
      if (item.Id == CM_DATE) {
        // The date as the language writes it (the test's clock stands on
        // March 1, 2023), not the stored English.
        EXPECT_EQ(bar[i]->text(),
                  QLocale().toString(QDate(2023, 3, 1), QCoreApplication::translate(
                                                            "Program", "ddd MMM d, yyyy",
                                                            "the date in the menu bar and title")));
        continue;
      }
      ExpectTranslated("MainMenu", item.Text, bar[i]->text());
      QStringList itemTexts;
      const QList<QAction *> items = bar[i]->menu()->actions();
      for (qsizetype j = 0; j < items.size(); ++j) {
        const std::string &text = item.Popup[static_cast<size_t>(j)].Text;
        if (!items[j]->isSeparator())
          ExpectTranslated("MainMenu", text.substr(0, text.find('\t')), items[j]->text());
        itemTexts << items[j]->text();
      }
      ExpectOwnMnemonics(itemTexts, bar[i]->text());
    }
    ExpectOwnMnemonics(barTexts, QStringLiteral("menu bar"));
    frame.grab().save(QString::fromStdString(
        (testsupport::ScreenshotFolder() / ("menu_" + std::string(GetParam()) + ".png")).string()));
  });
}

TEST_P(TranslationQtTest, EveryDialogIsInTheLanguageAndEveryTextFitsItsControl) {
  for (const TDialogTemplate *tmpl :
       {&PackageSettingsTemplate(), &ProgramSettingsTemplate(), &ScreenSaverTemplate(),
        &StartDateTemplate(), &CalendarTemplate(), &ReferenceTemplate(), &AboutPackagesTemplate(),
        &AboutSelwarthTemplate(), &DdeSettingsTemplate(), &BibleTemplate(),
        &ReadPassagesTemplate()}) {
    TDialog dialog(nullptr, *tmpl);
    testsupport::ExecuteWith(dialog, [&](DialogWidget &peer) {
      const char *context = tmpl->Name.c_str();
      ExpectTranslated(context, tmpl->Caption, peer.windowTitle());
      testsupport::ExpectTitleWhole(peer);
      QStringList texts;
      for (size_t i = 0; i < tmpl->Controls.size(); ++i) {
        const TControlTemplate &control = tmpl->Controls[i];
        QWidget *widget = peer.ControlWidgets()[i];
        const QString shown = ShownText(widget);
        if (control.Kind != TControlKind::Icon && control.Text.size() > 1 &&
            control.Text.find('[') == std::string::npos)
          ExpectTranslated(context, control.Text, shown,
                           control.Comment.empty() ? nullptr : control.Comment.c_str());
        if (!control.Name.empty())
          ExpectTranslated(context, control.Name, widget->accessibleName());
        // A control named by its label is called by the label's words as
        // the label shows them.
        if (const std::string name = ControlName(tmpl->Controls, i);
            control.Name.empty() && !name.empty()) {
          EXPECT_EQ(widget->accessibleName().toStdString(),
                    SpokenAs(ShownLabel(peer, *tmpl, name)).toStdString())
              << context << ": the control named \"" << name << "\"";
        }
        EXPECT_LE(WidthForText(widget), widget->width()) << context << ": " << control.Text;
        EXPECT_TRUE(testsupport::OnOneLine(widget)) << context << ": " << control.Text;
        EXPECT_LE(widget->geometry().right(), peer.width()) << context << ": " << control.Text;
        texts << shown;
      }
      ExpectOwnMnemonics(texts, QString::fromStdString(tmpl->Name));
      peer.grab().save(QString::fromStdString(
          (testsupport::ScreenshotFolder() / (tmpl->Name + "_" + GetParam() + ".png")).string()));
      dialog.CloseDialog(IDCANCEL);
    });
  }
}

TEST_P(TranslationQtTest, AMessageBoxIsWhollyInTheLanguageItsButtonsToo) {
  QString shown;
  QTimer::singleShot(0, [&] {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown = box->windowTitle() + u'|' + box->text();
    for (QAbstractButton *button : box->buttons())
      shown += u'|' + button->text();
    box->grab().save(QString::fromStdString(
        (testsupport::ScreenshotFolder() / ("message_" + std::string(GetParam()) + ".png"))
            .string()));
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(MessageBox(nullptr, "Settings have been saved.", "Program Settings", MB_YESNO), IDNO);
  for (const char *english : {"Settings have been saved.", "Program Settings", "&Yes"})
    EXPECT_FALSE(shown.contains(QLatin1String(english))) << shown.toStdString();
}

// Texts the program puts together as it runs are the language's too, from
// their words to the way they are joined.
TEST_P(TranslationQtTest, TextsPutTogetherAtRunTimeAreInTheLanguage) {
  const auto line = [](int read, int behind) {
    return ProgressLine({.ShownDay = 27, .Read = read, .Behind = behind}, LocalProgressWords);
  };
  const std::pair<const char *, std::string> rows[] = {
      {"Day ", line(25, 3)},
      {" read", line(25, 3)},
      {"behind", line(25, 3)},
      {"caught up", line(25, 0)},
      {"complete", line(package::PlanDays, 0)},
      {"Start Over", line(package::PlanDays, 0)},
      {"holds a", ServerNameFault("bin/qvwin")},
  };
  for (const auto &[english, shown] : rows)
    EXPECT_EQ(shown.find(english), std::string::npos) << shown;

  // The calendar's title, and what a screen reader says of a read day.
  TCalendar calendar(nullptr, program.settings, program.day);
  calendar.MarkPlanReadings(PlanMarks().set(), 0);
  testsupport::ExecuteWith(calendar, [&](DialogWidget &peer) {
    const auto &controls = CalendarTemplate().Controls;
    for (size_t i = 0; i < controls.size(); ++i) {
      QWidget *widget = peer.ControlWidgets()[i];
      if (controls[i].Id == calendar::TitleEdit) {
        EXPECT_EQ(
            widget->property("text").toString(),
            QString::fromUtf8(GetParam() == std::string("es") ? "marzo de 2023" : "März 2023"));
      }
      EXPECT_FALSE(widget->accessibleName().contains(QLatin1String(", read")))
          << widget->accessibleName().toStdString();
    }
    calendar.CloseDialog(IDCANCEL);
  });
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationQtTest, ::testing::Values("es", "de"));

} // namespace
