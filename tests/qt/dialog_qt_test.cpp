// Dialogs on the Qt backend, under the offscreen platform: a template with
// every kind of control is laid out, played by a user through Qt's own
// events, changed by the program, and saved as a screenshot to look at.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDeadlineTimer>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

#include "content/day_state.h"
#include "content/settings.h"
#include "dialogs/package_settings_dialog.h"
#include "framework/controls.h"
#include "framework/frame_window.h"
#include "framework/qt/qt_backend.h"
#include "framework/qt/qt_dialog.h"
#include "framework/qt/qt_dialog_controls.h"
#include "framework/response_table.h"
#include "qt/qt_app_fixture.h"
#include "qt/qt_dialog_user.h"
#include "qt/title_bar.h"
#include "resources/dialog_templates.h"
#include "resources/package_settings_ids.h"
#include "support/config_sandbox.h"
#include "support/devotional_library.h"
#include "support/temp_dir.h"

namespace {

using testsupport::ExecuteWith;
using testsupport::PressKey;

constexpr std::uint32_t Tab = WS_TABSTOP;

TDialogTemplate TestTemplate(int x = 40, int y = 20) {
  using K = TControlKind;
  TDialogTemplate t;
  t.Name = "QTTEST";
  t.Caption = "Dialog Test";
  t.X = x;
  t.Y = y;
  t.W = 200;
  t.H = 158;
  t.Controls = {
      {201, K::AutoRadioButton, "&Verses", WS_GROUP | Tab, 12, 16, 78, 10},
      {202, K::AutoRadioButton, "&Reading plan", 0, 12, 28, 78, 10},
      {203, K::AutoRadioButton, "&Quiz", 0, 12, 40, 78, 10},
      // After the buttons it surrounds, as templates often have it.
      {-1, K::GroupBox, "Show", 0, 6, 4, 90, 54},
      {-1, K::Static, "&Packages:", 0, 104, 4, 90, 8},
      {101, K::ListBox, "", LBS_SORT | LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_HSCROLL | Tab, 104,
       14, 90, 44},
      {401, K::AutoCheckBox, "&Always on top", Tab, 6, 62, 90, 10},
      {301, K::AutoRadioButton, "&Other group", WS_GROUP | Tab, 104, 62, 90, 10},
      {-1, K::Static, "&Service:", 0, 6, 78, 40, 8},
      {501, K::Edit, "Logos", WS_BORDER | Tab, 48, 76, 48, 12},
      {502, K::Edit, "1.0i", ES_READONLY | ES_CENTER | WS_BORDER, 104, 76, 40, 12},
      {503, K::Edit, "First line\r\nSecond line",
       ES_MULTILINE | ES_CENTER | ES_AUTOVSCROLL | WS_VSCROLL | Tab, 6, 92, 90, 28},
      {601, K::Picture, "", WS_BORDER, 104, 92, 40, 28},
      {-1, K::Icon, "SELWARTH", 0, 160, 92, 20, 20},
      {701, K::Static, "Select the package you want", SS_CENTER, 6, 124, 95, 8},
      {-1, K::Static, "loaded into the screensaver.", 0, 104, 124, 95, 8},
      {1, K::DefPushButton, "&OK", Tab, 6, 138, 50, 14},
      {2, K::PushButton, "&Cancel", Tab, 75, 138, 50, 14},
      {998, K::PushButton, "&Help", Tab | WS_DISABLED, 144, 138, 50, 14},
  };
  return t;
}

class TestDialog : public TDialog {
public:
  explicit TestDialog(TWindow *parent, TDialogTemplate tmpl = TestTemplate())
      : TDialog(parent, tmpl) {}
  std::vector<std::string> log;

  void SelChanged() {
    TListBox list(*this, 101);
    log.push_back("sel " + list.GetString(list.GetSelIndex()));
  }
  void DoubleClicked() { log.push_back("double"); }
  void Typed() { log.push_back("typed " + TEdit(*this, 501).GetText()); }
  void Clicked(unsigned id) { log.push_back("clicked " + std::to_string(id)); }

protected:
  void SetupWindow() override {
    TListBox list(*this, 101);
    for (const char *item : {"VERSE.QXP", "Greek.qxp", "apple.qxp", "QUIZ.QXP"})
      list.AddString(item);
    CheckRadioButton(*this, 201, 203, 201);
  }
  bool Respond(const TMessage &msg) override {
    static const TResponseTable<TestDialog> table = {
        EvNotify(101, LBN_SELCHANGE, &TestDialog::SelChanged),
        EvNotify(101, LBN_DBLCLK, &TestDialog::DoubleClicked),
        EvNotify(501, EN_CHANGE, &TestDialog::Typed),
        EvCommand(401, &TestDialog::Clicked),
    };
    return RespondFrom(*this, table, msg) || TDialog::Respond(msg);
  }
};

std::string Rows(const QListWidget *list) {
  QStringList texts;
  for (int row = 0; row < list->count(); ++row)
    texts << list->item(row)->text();
  return texts.join(' ').toStdString();
}

void TypeText(QWidget *target, const QString &text) {
  for (QChar c : text) {
    if (c == QLatin1Char('\n'))
      PressKey(target, Qt::Key_Return, QStringLiteral("\r"));
    else
      PressKey(target, c.toUpper().unicode(), QString(c));
  }
}

// Gives a control the focus as Tab does, also in a window that is not active.
void TabInto(QWidget *control) {
  control->setFocus(Qt::TabFocusReason);
  QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
  QCoreApplication::sendEvent(control, &focusIn);
}

void DoubleClickRow(QListWidget *list, int row) {
  QPoint at = list->visualItemRect(list->item(row)).center();
  QWidget *viewport = list->viewport();
  QPoint global = viewport->mapToGlobal(at);
  auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
    QMouseEvent event(type, at, global, Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &event);
  };
  send(QEvent::MouseButtonPress, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, Qt::NoButton);
  send(QEvent::MouseButtonDblClick, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, Qt::NoButton);
}

// The one-line texts of labels and buttons fit their controls (a label at
// least down to its baseline, as some templates make them a little short):
// the units follow the font, with room for Qt's check marks and frames.
// A radio button has a mnemonic, to be chosen from the keyboard.
void ExpectTextsFit(DialogWidget &peer) {
  std::string caption = peer.windowTitle().toStdString();
  // An X window manager draws the title bar, the title centred over it.
  testsupport::ExpectTitleWhole(peer);
  // On Wayland Qt draws the title bar itself: the title centred over it,
  // cut short 77 pixels of the screen from its right, where three buttons
  // begin, and measured in the larger of the application's font and 14 px.
  if (QGuiApplication::platformName().startsWith("wayland")) {
    QFont drawn = QGuiApplication::font();
    drawn.setPixelSize(14);
    int title =
        std::max(QFontMetrics(drawn).horizontalAdvance(peer.windowTitle()),
                 QFontMetrics(QGuiApplication::font()).horizontalAdvance(peer.windowTitle()));
    EXPECT_GE(peer.width() * peer.devicePixelRatioF(), title + 2 * 77) << caption;
  }
  for (QWidget *widget : peer.ControlWidgets()) {
    QFontMetrics metrics = widget->fontMetrics();
    if (auto *label = qobject_cast<QLabel *>(widget)) {
      if (label->text().isEmpty() || label->height() >= 2 * metrics.height())
        continue;
      EXPECT_LE(metrics.horizontalAdvance(WithoutMnemonics(label->text())), label->width())
          << caption << ": " << label->text().toStdString();
      EXPECT_GE(label->height(), metrics.ascent())
          << caption << ": " << label->text().toStdString();
    } else if (auto *list = qobject_cast<QListWidget *>(widget);
               list != nullptr &&
               peer.frameGeometry().width() < peer.screen()->availableGeometry().width()) {
      // Each entry whole, not cut short with an ellipsis ("PROVERBS.Q..."),
      // as far as the screen leaves room.
      const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
      for (int row = 0; row < list->count(); ++row) {
        const QRect cell = list->visualItemRect(list->item(row));
        const int text = metrics.horizontalAdvance(list->item(row)->text()) + margins;
        EXPECT_LE(text, std::min(cell.right() + 1, list->viewport()->width()) - cell.left())
            << caption << ": " << list->item(row)->text().toStdString();
      }
    } else if (auto *push = qobject_cast<QPushButton *>(widget)) {
      EXPECT_LE(metrics.horizontalAdvance(WithoutMnemonics(push->text())) + 4, push->width())
          << caption << ": " << push->text().toStdString();
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
      EXPECT_LE(button->sizeHint().width(), button->width())
          << caption << ": " << button->text().toStdString();
      EXPECT_TRUE(qobject_cast<QRadioButton *>(button) == nullptr || button->text().contains('&'))
          << caption << ": " << button->text().toStdString();
    }
  }
}

void SaveScreenshot(DialogWidget &peer, const std::string &name) {
  QCoreApplication::processEvents();
  QImage shot = peer.grab().toImage();
  ASSERT_FALSE(shot.isNull());
  EXPECT_TRUE(shot.save(QString::fromStdString((testsupport::ScreenshotFolder() / name).string())));
}

class DialogQtTest : public ::testing::Test {
protected:
  ~DialogQtTest() override { testsupport::DeleteDeferredWidgets(); }
  QApplication &app = testsupport::QtApp();
  QtBackend backend;
};

TEST_F(DialogQtTest, EveryControlIsLaidOutFromItsTemplateInDialogUnits) {
  TestDialog dialog(nullptr);
  // Items the program gave before the dialog was shown show with the rest.
  TListBox(dialog, 101).AddString("Mark.qxp");
  TListBox(dialog, 101).AddString("John.qxp");
  dialog.Create();
  DialogWidget *peer = DialogWidgetOf(dialog);
  ASSERT_NE(peer, nullptr);
  EXPECT_TRUE(peer->isWindow());
  EXPECT_EQ(peer->windowTitle(), "Dialog Test");
  const DialogUnits &units = peer->Units();
  // The picture (104, 92, 40 x 28) shows at least its template size at two
  // pixels a unit, the size its pictures are made for: what it lacks in
  // dialog units is added to it and to the dialog, and the controls right
  // of it or below it move along.
  QWidget *picture = peer->ControlWidget(601);
  EXPECT_GE(picture->contentsRect().width(), 80);
  EXPECT_GE(picture->contentsRect().height(), 56);
  QSize lacks = picture->size() - QSize(units.X(144) - units.X(104), units.Y(120) - units.Y(92));
  EXPECT_EQ(peer->size(), QSize(units.X(200), units.Y(158)) + lacks);

  EXPECT_FALSE(peer->ControlWidget(998)->isEnabled()); // WS_DISABLED
  EXPECT_EQ(Rows(qobject_cast<QListWidget *>(peer->ControlWidget(101))),
            "apple.qxp Greek.qxp John.qxp Mark.qxp QUIZ.QXP VERSE.QXP");

  // Every control at its template rectangle; none overlaps another unless
  // the template has them overlap (the group box around its radio buttons).
  const auto &controls = dialog.Controls();
  const std::vector<QWidget *> &widgets = peer->ControlWidgets();
  ASSERT_EQ(widgets.size(), controls.size());
  for (size_t i = 0; i < controls.size(); ++i) {
    const TControlTemplate &t = controls[i].Template;
    QRect expected(units.X(t.X), units.Y(t.Y), units.X(t.X + t.W) - units.X(t.X),
                   units.Y(t.Y + t.H) - units.Y(t.Y));
    expected.translate(t.X >= 144 ? lacks.width() : 0, t.Y >= 120 ? lacks.height() : 0);
    if (t.Id == 601)
      expected.setSize(expected.size() + lacks);
    QRect placed = widgets[i]->geometry();
    if (t.Kind == TControlKind::ListBox) {
      // Shortened to whole items.
      int row = qobject_cast<QListWidget *>(widgets[i])->sizeHintForRow(0);
      EXPECT_GT(placed.height(), expected.height() - row);
      placed.setHeight(expected.height());
    }
    EXPECT_EQ(placed, expected) << t.Text;
    for (size_t j = 0; j < i; ++j) {
      const TControlTemplate &u = controls[j].Template;
      bool apartInTemplate =
          t.X >= u.X + u.W || u.X >= t.X + t.W || t.Y >= u.Y + u.H || u.Y >= t.Y + t.H;
      if (apartInTemplate) {
        EXPECT_FALSE(widgets[i]->geometry().intersects(widgets[j]->geometry()))
            << t.Text << " overlaps " << u.Text;
      }
    }
  }

  ExpectTextsFit(*peer);
  // A label's mnemonic goes to the control after it.
  EXPECT_EQ(qobject_cast<QLabel *>(widgets[4])->buddy(), widgets[5]);
  // The group box lies behind its radio buttons: clicks reach them.
  QWidget *radio = peer->ControlWidget(202);
  EXPECT_EQ(peer->childAt(radio->geometry().center()), radio);

  TListBox(dialog, 101).SetSelIndex(1);
  TButton(dialog, 401).SetCheck(BF_CHECKED);
  SaveScreenshot(*peer, "dialog.png");

  // An item short for a longer name gives that name to a screen reader and
  // as its tooltip.
  auto *list = qobject_cast<QListWidget *>(peer->ControlWidget(101));
  TListBox(dialog, 101).AddString("KJV", "KJV - King James Version");
  QListWidgetItem *kjv = list->findItems("KJV", Qt::MatchExactly).value(0);
  ASSERT_NE(kjv, nullptr);
  EXPECT_EQ(kjv->data(Qt::AccessibleTextRole).toString(), "KJV - King James Version");
  EXPECT_EQ(kjv->toolTip(), "KJV - King James Version");
}

TEST_F(DialogQtTest, OkEndsAModalRunWithOneAndEscapeOrTheCloseButtonWithTwo) {
  auto click = [](int id) {
    return
        [id](DialogWidget &peer) { qobject_cast<QPushButton *>(peer.ControlWidget(id))->click(); };
  };
  auto press = [](int id, int key) {
    return [id, key](DialogWidget &peer) { PressKey(peer.ControlWidget(id), key); };
  };
  auto closeButton = [](DialogWidget &peer) {
    peer.close();
    EXPECT_TRUE(peer.isVisible()); // not by Qt: by the framework, after the run
  };
  // Enter presses the focused button; the default one when the focus is on
  // a control that is not a push button.
  TDialogTemplate noDefault = TestTemplate();
  for (TControlTemplate &control : noDefault.Controls)
    if (control.Kind == TControlKind::DefPushButton)
      control.Kind = TControlKind::PushButton;
  struct Case {
    const char *what;
    TDialogTemplate tmpl;
    std::function<void(DialogWidget &)> user;
    int result;
  } cases[] = {
      {"OK", TestTemplate(), click(1), 1},
      {"Cancel", TestTemplate(), click(2), 2},
      {"Escape", TestTemplate(), press(501, Qt::Key_Escape), 2},
      {"close button", TestTemplate(), closeButton, 2},
      {"Enter on Cancel", TestTemplate(), press(2, Qt::Key_Return), 2},
      {"Enter on an edit", TestTemplate(), press(501, Qt::Key_Return), 1},
      {"Enter on a list", TestTemplate(), press(101, Qt::Key_Enter), 1},
      {"Enter without a default button", noDefault, press(501, Qt::Key_Return), 1},
  };
  for (const Case &c : cases) {
    TestDialog dialog(nullptr, c.tmpl);
    EXPECT_EQ(ExecuteWith(dialog, c.user), c.result) << c.what;
    EXPECT_EQ(dialog.Peer, nullptr) << c.what;
  }
}

TEST_F(DialogQtTest, ListSelectionsAndDoubleClicksReachTheFrameworkWithoutEchoes) {
  TestDialog dialog(nullptr);
  ExecuteWith(dialog, [&](DialogWidget &peer) {
    auto *list = qobject_cast<QListWidget *>(peer.ControlWidget(101));
    // Items as the framework sorted them.
    auto rows = [list] { return Rows(list); };
    EXPECT_EQ(rows(), "apple.qxp Greek.qxp QUIZ.QXP VERSE.QXP");
    EXPECT_EQ(list->currentRow(), -1);

    list->setCurrentRow(2);
    EXPECT_EQ(TListBox(dialog, 101).GetSelIndex(), 2);
    DoubleClickRow(list, 3);
    EXPECT_EQ(TListBox(dialog, 101).GetSelIndex(), 3);

    // The program's own changes show, and are not reported back.
    dialog.log.push_back("program");
    TListBox(dialog, 101).SetSelIndex(0);
    EXPECT_EQ(list->currentRow(), 0);
    TListBox(dialog, 101).AddString("Aardvark.qxp"); // before the selection
    TListBox(dialog, 101).AddString("Psalms.qxp");
    EXPECT_EQ(rows(), "Aardvark.qxp apple.qxp Greek.qxp Psalms.qxp QUIZ.QXP VERSE.QXP");
    ASSERT_EQ(list->currentRow(), 1);
    EXPECT_EQ(list->currentItem()->text(), "apple.qxp");
    TListBox(dialog, 101).ClearList();
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    TListBox(dialog, 101).AddString("Caf\xe9.qxp"); // code page 1252
    EXPECT_EQ(list->item(0)->text(), QString::fromUtf8("Café.qxp"));
    qobject_cast<QPushButton *>(peer.ControlWidget(2))->click();
  });
  // A double click is a selection, then the double click itself.
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"sel QUIZ.QXP", "sel VERSE.QXP", "sel VERSE.QXP",
                                                  "double", "program"}));
}

// The keyboard focus on a list is not a choice: Qt gives the list a current
// row as it gets the focus, which must not reach the program as a selection.
TEST_F(DialogQtTest, AListThatGetsTheFocusSelectsNothingUntilTheUserSelects) {
  TestDialog dialog(nullptr);
  int selectedWithFocus = -2;
  ExecuteWith(dialog, [&](DialogWidget &peer) {
    auto *list = qobject_cast<QListWidget *>(peer.ControlWidget(101));
    TabInto(list);
    QCoreApplication::processEvents();
    selectedWithFocus = TListBox(dialog, 101).GetSelIndex();
    EXPECT_TRUE(list->selectedItems().isEmpty());
    // Down selects; the program's own selection shows and stays one.
    PressKey(list, Qt::Key_Down);
    dialog.log.push_back("program");
    TListBox(dialog, 101).SetSelIndex(3);
    EXPECT_TRUE(list->item(3)->isSelected());
    PressKey(list, Qt::Key_Up);
    qobject_cast<QPushButton *>(peer.ControlWidget(2))->click();
  });
  EXPECT_EQ(selectedWithFocus, -1);
  ASSERT_EQ(dialog.log.size(), 3u);
  EXPECT_EQ(dialog.log[0], "sel apple.qxp"); // the focused row, not the one after it
  EXPECT_EQ(dialog.log[1], "program");
  EXPECT_EQ(dialog.log[2], "sel QUIZ.QXP");
}

TEST_F(DialogQtTest, TypingReachesTheFrameworkAndItsChangesShowInTheWidgets) {
  TestDialog dialog(nullptr);
  ExecuteWith(dialog, [&](DialogWidget &peer) {
    auto *edit = qobject_cast<QLineEdit *>(peer.ControlWidget(501));
    edit->selectAll();
    TypeText(edit, "SMW");
    EXPECT_EQ(TEdit(dialog, 501).GetText(), "SMW");

    auto *readOnly = qobject_cast<QLineEdit *>(peer.ControlWidget(502));
    readOnly->end(false);
    TypeText(readOnly, "x");
    EXPECT_EQ(TEdit(dialog, 502).GetText(), "1.0i");

    // A multi-line edit's lines end in CR LF for the program.
    auto *multi = qobject_cast<QPlainTextEdit *>(peer.ControlWidget(503));
    multi->moveCursor(QTextCursor::End);
    TypeText(multi, "\nThird");
    EXPECT_EQ(TEdit(dialog, 503).GetText(), "First line\r\nSecond line\r\nThird");

    // The program's changes, in code page 1252.
    TEdit(dialog, 501).SetText("Caf\xe9");
    EXPECT_EQ(edit->text(), QString::fromUtf8("Café"));
    TEdit(dialog, 503).SetText("One\r\nTwo");
    EXPECT_EQ(multi->toPlainText(), "One\nTwo");
    TStatic(dialog, 701).SetText("Nothing to choose & nothing to lose");
    EXPECT_EQ(qobject_cast<QLabel *>(peer.ControlWidget(701))->text(),
              "Nothing to choose  nothing to lose");
    TEdit(dialog, 501).Enable(false);
    EXPECT_FALSE(edit->isEnabled());
    TButton(dialog, 998).Enable(true);
    EXPECT_TRUE(peer.ControlWidget(998)->isEnabled());
    qobject_cast<QPushButton *>(peer.ControlWidget(1))->click();
  });
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"typed S", "typed SM", "typed SMW"}));
}

TEST_F(DialogQtTest, RadioButtonsFollowTheFrameworksGroupsAndCheckBoxesToggle) {
  TestDialog dialog(nullptr);
  ExecuteWith(dialog, [&](DialogWidget &peer) {
    auto radio = [&](int id) { return qobject_cast<QRadioButton *>(peer.ControlWidget(id)); };
    EXPECT_TRUE(radio(201)->isChecked()); // checked in SetupWindow
    radio(301)->click();
    radio(202)->click();
    EXPECT_FALSE(radio(201)->isChecked());
    EXPECT_TRUE(radio(301)->isChecked()); // another group
    // Clicking the checked one again leaves it checked.
    radio(202)->click();
    EXPECT_TRUE(radio(202)->isChecked());
    CheckRadioButton(dialog, 201, 203, 203);
    EXPECT_FALSE(radio(202)->isChecked());
    // The arrow keys walk the group round and choose the button they reach.
    PressKey(radio(203), Qt::Key_Down);
    PressKey(radio(201), Qt::Key_Right);
    EXPECT_EQ(TButton(dialog, 202).GetCheck(), BF_CHECKED);
    EXPECT_EQ(peer.focusWidget(), radio(202));

    auto *check = qobject_cast<QCheckBox *>(peer.ControlWidget(401));
    check->click();
    EXPECT_EQ(TButton(dialog, 401).GetCheck(), BF_CHECKED);
    TButton(dialog, 401).SetCheck(BF_UNCHECKED);
    EXPECT_FALSE(check->isChecked());
    qobject_cast<QPushButton *>(peer.ControlWidget(1))->click();
  });
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"clicked 401"}));
}

TEST_F(DialogQtTest, AModelessDialogIsAWindowOfItsOwnAndGoneWidgetsReportNothing) {
  auto dialog = std::make_unique<TestDialog>(nullptr);
  dialog->Create();
  QPointer<DialogWidget> peer = DialogWidgetOf(*dialog);
  ASSERT_FALSE(peer.isNull());
  EXPECT_EQ(peer->parentWidget(), nullptr);
  EXPECT_FALSE(peer->isModal());

  // Kept on top without being hidden and shown again (which on Wayland
  // places it anew).
  struct HideCounter : QObject {
    int hides = 0;
    bool eventFilter(QObject *, QEvent *event) override {
      hides += event->type() == QEvent::Hide ? 1 : 0;
      return false;
    }
  } counter;
  peer->installEventFilter(&counter);
  dialog->SetTopmost(true);
  EXPECT_TRUE(peer->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(peer->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(peer->isVisible());
  EXPECT_EQ(counter.hides, 0);
  peer->removeEventFilter(&counter);

  // Escape: the framework ends a modeless dialog by destroying it.
  PressKey(peer->ControlWidget(101), Qt::Key_Escape);
  EXPECT_FALSE(dialog->IsCreated());
  EXPECT_EQ(dialog->Result(), 2);
  ASSERT_FALSE(peer.isNull()); // deleted later, as Qt wants
  EXPECT_FALSE(peer->isVisible());

  // The framework's dialog is gone before its widgets: anything they still
  // do must not reach it (the sanitizer catches a use after free).
  QPointer<QListWidget> list = qobject_cast<QListWidget *>(peer->ControlWidget(101));
  QPointer<QPushButton> ok = qobject_cast<QPushButton *>(peer->ControlWidget(1));
  dialog.reset();
  list->setCurrentRow(1);
  ok->click();
  peer->close();
  PressKey(peer, Qt::Key_Return);
  testsupport::DeleteDeferredWidgets();
  EXPECT_TRUE(peer.isNull());
}

TEST_F(DialogQtTest, ADialogBelongsToItsOwnerAndIsPlacedOnIt) {
  TFrameWindow frame(nullptr, "Owner", std::make_unique<TWindow>());
  frame.Attr = TWindowAttr{100, 80, 600, 450};
  frame.Create();
  auto *owner = static_cast<QMainWindow *>(frame.Peer);

  TestDialog placed(&frame);
  placed.Create();
  DialogWidget *peer = DialogWidgetOf(placed);
  EXPECT_EQ(peer->parentWidget(), owner);
  EXPECT_TRUE(peer->isWindow());
  const DialogUnits &units = peer->Units();
  // The template's place is from the owner's client area.
  EXPECT_EQ(peer->geometry().topLeft(),
            owner->centralWidget()->mapToGlobal(QPoint(0, 0)) + QPoint(units.X(40), units.Y(20)));
  placed.Destroy();

  // At 0, 0: centred on the owner.
  TestDialog centred(&frame, TestTemplate(0, 0));
  centred.Create();
  QPoint middle = DialogWidgetOf(centred)->geometry().center();
  EXPECT_LE((middle - owner->frameGeometry().center()).manhattanLength(), 2);
}

// Shows each of the program's dialogs with sample contents, checks that their
// texts fit and saves a screenshot of each, its name ending in suffix.
void ExpectTheProgramsDialogsShowTheirTextsWhole(const std::string &suffix = "") {
  SCOPED_TRACE("dialogs" + suffix);
  for (const TDialogTemplate *tmpl :
       {&PackageSettingsTemplate(), &ProgramSettingsTemplate(), &ScreenSaverTemplate(),
        &StartDateTemplate(), &CalendarTemplate(), &DdeSettingsTemplate(), &ReferenceTemplate(),
        &AboutPackagesTemplate(), &AboutSelwarthTemplate()}) {
    TDialog dialog(nullptr, *tmpl);
    dialog.Create();
    for (const TControlState &control : dialog.Controls())
      if (control.Template.Kind == TControlKind::Edit && control.Template.Id > 0)
        TEdit(dialog, control.Template.Id).SetText("28");
      else if (control.Template.Kind == TControlKind::ListBox)
        for (const char *item : {"KJV.QXP", "RV1909.QXP", "QUIZ.QXP", "PROVERBS.QXP", "VERSE.QXP",
                                 "PLAN.QXP", "PSALMS.QXP", "MYVERSES.QXP"})
          TListBox(dialog, control.Template.Id).AddString(item);
    QCoreApplication::processEvents();
    ExpectTextsFit(*DialogWidgetOf(dialog));
    // A list's or a box's frame shows whole, its right edge too, also where
    // a pixel of the layout is one and a half of the screen's.
    QImage shot = DialogWidgetOf(dialog)->grab().toImage();
    const double scale = shot.devicePixelRatio();
    for (QWidget *box : DialogWidgetOf(dialog)->ControlWidgets())
      if (QRect at = box->geometry(); qobject_cast<QAbstractScrollArea *>(box) != nullptr) {
        bool edge = false;
        for (int x = int(at.right() * scale); x < int((at.right() + 1) * scale); ++x)
          edge |=
              shot.pixel(x, int(at.center().y() * scale)) != box->palette().base().color().rgb();
        EXPECT_TRUE(edge) << tmpl->Name;
      }
    SaveScreenshot(*DialogWidgetOf(dialog), "dialog_" + tmpl->Name + suffix + ".png");
  }
}

// The program's own dialogs, with sample contents: their texts fit, and the
// screenshots show how they look.
TEST_F(DialogQtTest, TheProgramsDialogsShowTheirTextsWhole) {
  ExpectTheProgramsDialogsShowTheirTextsWhole();
}

// A devotional of the SWORD library is listed among the packages under its
// whole name, and picked, shows its font as a package's would.
TEST_F(DialogQtTest, PackageSettingsShowsADevotionalsNameWholeAmongThePackages) {
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir folder;
  for (const char *name : {"VERSE.QXP", "PROVERBS.QXP", "GREEK.OFF"})
    folder.Write(name, "x");
  testsupport::WorkingDirectory cwd(folder.Path());
  testsupport::DevotionalLibrary library;
  library.AddDevotional("DailyLight", "Daily Light on the Daily Path");
  Settings settings;
  DayState day;
  TPackageSettingsDialog dialog(nullptr, settings, day);
  dialog.Create();
  DialogWidget *peer = DialogWidgetOf(dialog);
  ASSERT_NE(peer, nullptr);
  auto *enabled = qobject_cast<QListWidget *>(peer->ControlWidget(packagesettings::EnabledList));
  EXPECT_EQ(Rows(enabled), "DailyLight.sword PROVERBS.QXP VERSE.QXP");
  EXPECT_EQ(Rows(qobject_cast<QListWidget *>(peer->ControlWidget(packagesettings::DisabledList))),
            "GREEK.OFF");
  enabled->setCurrentRow(0);
  QCoreApplication::processEvents();
  EXPECT_EQ(TListBox(dialog, packagesettings::SizeList).GetSelIndex(), 4); // "10"
  ExpectTextsFit(*peer);
  SaveScreenshot(*peer, "package_settings_devotional.png");
  dialog.Destroy();
}

using testsupport::Contrast;

// The boxes that only display a date or a description are disabled edits:
// nothing can be typed into them, but they are as readable as any text.
TEST_F(DialogQtTest, DisplayBoxesAreReadOnlyButReadable) {
  for (const TDialogTemplate *tmpl :
       {&CalendarTemplate(), &StartDateTemplate(), &AboutPackagesTemplate()}) {
    TDialog dialog(nullptr, *tmpl);
    dialog.Create();
    int boxes = 0;
    for (size_t i = 0; i < dialog.Controls().size(); ++i) {
      const TControlTemplate &control = dialog.Controls()[i].Template;
      if (control.Kind != TControlKind::Edit || (control.Style & (WS_DISABLED | ES_READONLY)) == 0)
        continue;
      ++boxes;
      // A disabled box, or a read-only one that takes the focus (a description).
      QWidget *box = DialogWidgetOf(dialog)->ControlWidgets()[i];
      EXPECT_TRUE(!box->isEnabled() || box->property("readOnly").toBool()) << tmpl->Name;
      const QPalette &colours = box->palette();
      const auto group = box->isEnabled() ? QPalette::Active : QPalette::Disabled;
      EXPECT_GE(
          Contrast(colours.color(group, QPalette::Text), colours.color(group, QPalette::Base)), 4.5)
          << tmpl->Name;
    }
    EXPECT_GT(boxes, 0) << tmpl->Name;
  }
}

// Where the keys are in a list can be seen: the focused row is framed at
// 3:1 or more against the list, and the selection of the list with the
// focus looks unlike that of one without it.
TEST_F(DialogQtTest, TheKeyboardsPlaceInAListCanBeSeen) {
  TestDialog dialog(nullptr);
  ExecuteWith(dialog, [&](DialogWidget &peer) {
    auto *list = qobject_cast<QListWidget *>(peer.ControlWidget(101));
    auto firstRow = [list] {
      return list->viewport()->grab().toImage().copy(list->visualItemRect(list->item(0)));
    };
    // As the window the user works in: a desktop makes it active in its
    // own time, and a list draws its focus only in the active window.
    peer.activateWindow();
    QDeadlineTimer activation(3000);
    while (!peer.isActiveWindow() && !activation.hasExpired())
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (!peer.isActiveWindow()) {
      qobject_cast<QPushButton *>(peer.ControlWidget(2))->click();
      GTEST_SKIP() << "the desktop did not make the dialog the active window";
    }
    TabInto(list);
    QImage row = firstRow();
    double faintest = 21; // of the frame's top edge
    for (int x = 2; x < row.width() - 2; ++x)
      faintest =
          std::min(faintest, Contrast(row.pixelColor(x, 0), list->palette().color(QPalette::Base)));
    EXPECT_GE(faintest, 3.0);
    PressKey(list, Qt::Key_Home);
    QColor withFocus = firstRow().pixelColor(row.width() - 4, row.height() / 2);
    TabInto(peer.ControlWidget(501));
    EXPECT_NE(firstRow().pixelColor(row.width() - 4, row.height() / 2), withFocus);
    qobject_cast<QPushButton *>(peer.ControlWidget(2))->click();
  });
}

// The texts fit whatever font the controls are drawn with: a larger desktop
// font, or a style sheet that gives the controls a font of their own.
TEST_F(DialogQtTest, TheProgramsDialogsFitTheFontTheirControlsAreDrawnWith) {
  const QFont desktopFont = QApplication::font();
  QFont large = desktopFont;
  large.setPointSize(14);
  QApplication::setFont(large);
  ExpectTheProgramsDialogsShowTheirTextsWhole("_14pt");
  QApplication::setFont(desktopFont);

  app.setStyleSheet(QStringLiteral("QLabel, QAbstractButton, QGroupBox, QLineEdit, QListWidget,"
                                   " QPlainTextEdit { font-size: 14pt; }"));
  ExpectTheProgramsDialogsShowTheirTextsWhole("_style_sheet");
  app.setStyleSheet(QString());
}

} // namespace
