#include "framework/qt/qt_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "framework/dialog.h"
#include "framework/qt/qt_dialog_controls.h"
#include "framework/qt/qt_frame_placement.h"
#include "framework/qt/qt_translation.h"
#include "framework/qt/qt_widgets.h"
#include "framework/qt/text_codec.h"

namespace {

constexpr int IdOk = 1;

// The top-left corner of a window's client area on the screen: below the
// menu bar of a frame.
QPoint ClientOrigin(QWidget *owner) {
  QWidget *client = owner;
  if (auto *frame = qobject_cast<QMainWindow *>(owner); frame && frame->centralWidget())
    client = frame->centralWidget();
  return client->mapToGlobal(QPoint(0, 0));
}

QRect AvailableArea(QWidget *owner) {
  QScreen *screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 640, 480);
}

// Keeps a client rectangle on the screen, its top-left corner first.
QPoint KeptOnScreen(QRect place, const QRect &screen) {
  if (place.right() > screen.right())
    place.moveRight(screen.right());
  if (place.bottom() > screen.bottom())
    place.moveBottom(screen.bottom());
  if (place.left() < screen.left())
    place.moveLeft(screen.left());
  if (place.top() < screen.top())
    place.moveTop(screen.top());
  return place.topLeft();
}

// A picture control shows pictures of a fixed size in pixels: its client
// area is at least the template's size at two pixels a unit (the cell of
// the system font the templates were drawn with is 8 x 16), whatever the
// font. What a picture lacks is added to it and to the dialog, and the
// controls right of or below it move along. Returns what the dialog grew.
QSize MakeRoomForPictures(const std::vector<TControlState> &controls,
                          const std::vector<QWidget *> &widgets) {
  QSize grown(0, 0);
  for (size_t i = 0; i < controls.size(); ++i) {
    const TControlTemplate &picture = controls[i].Template;
    if (picture.Kind != TControlKind::Picture)
      continue;
    QSize has = widgets[i]->contentsRect().size();
    QSize lacks(std::max(0, 2 * picture.W - has.width()),
                std::max(0, 2 * picture.H - has.height()));
    if (lacks.isNull())
      continue;
    for (size_t j = 0; j < controls.size(); ++j) {
      const TControlTemplate &other = controls[j].Template;
      QPoint shift(other.X >= picture.X + picture.W ? lacks.width() : 0,
                   other.Y >= picture.Y + picture.H ? lacks.height() : 0);
      if (j != i)
        widgets[j]->move(widgets[j]->pos() + shift);
    }
    widgets[i]->resize(widgets[i]->size() + lacks);
    grown += lacks;
  }
  return grown;
}

// Widens widget by lacks pixels: the controls right of it move along, those
// reaching across it (a group box around it) widen too.
void Widen(const std::vector<QWidget *> &widgets, QWidget *widget, int lacks) {
  const int cut = widget->geometry().right() + 1;
  for (QWidget *other : widgets) {
    const QRect place = other->geometry();
    if (place.left() >= cut)
      other->move(place.topLeft() + QPoint(lacks, 0));
    else if (other == widget || place.right() + 1 > cut)
      other->resize(place.width() + lacks, place.height());
  }
}

// A translated text longer than the template's space widens its control,
// and the dialog with it. Returns what it grew.
int MakeRoomForTexts(const std::vector<QWidget *> &widgets) {
  int grown = 0;
  for (QWidget *widget : widgets) {
    const int lacks = WidthForText(widget) - widget->width();
    if (lacks <= 0)
      continue;
    Widen(widgets, widget, lacks);
    grown += lacks;
  }
  return grown;
}

} // namespace

DialogWidget::DialogWidget(TDialog &dialog, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      dialog_(&dialog), units_(DialogFont()) {
  setFont(DialogFont());
  units_ = UnitsOfControls(this);
  setWindowTitle(Translated(dialog.Template().Name.c_str(), dialog.Title()));
  const TDialogTemplate &tmpl = dialog.Template();
  setFixedSize(units_.Rect(0, 0, tmpl.W, tmpl.H).size());

  for (const TControlState &control : dialog.Controls()) {
    const TControlTemplate &t = control.Template;
    QWidget *widget = MakeControlWidget(t, this);
    widget->setGeometry(units_.Rect(t.X, t.Y, t.W, t.H));
    if (auto *list = qobject_cast<QListWidget *>(widget))
      ShowWholeItemsOnly(list);
    widget->setObjectName(QStringLiteral("control%1").arg(t.Id));
    widgets_.push_back(widget);
    ids_.push_back(t.Id);
  }
  setFixedSize(size() + MakeRoomForPictures(dialog.Controls(), widgets_));
  // A group box is a frame drawn behind the controls it surrounds.
  for (QWidget *widget : widgets_)
    if (qobject_cast<QGroupBox *>(widget) != nullptr)
      widget->lower();
  GiveMnemonicsTargets();
  for (size_t i = 0; i < widgets_.size(); ++i) {
    ShowControlAt(i);
    ConnectControl(i);
  }
  // English texts fit the templates as they were drawn.
  if (InterfaceTranslated())
    setFixedSize(size() + QSize(MakeRoomForTexts(widgets_), 0));
  MakeRoomForTitle();
  for (size_t i = 0; i < widgets_.size(); ++i)
    if (dialog.Controls()[i].Template.Kind == TControlKind::Document) {
      documents_.push_back(widgets_[i]);
      documentSizes_.push_back(widgets_[i]->size());
      widgets_[i]->installEventFilter(this);
    }
  laidOut_ = size();
  if (!documents_.empty()) {
    // A document is read at the size its reader likes.
    setMinimumSize(laidOut_ / 2);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizeGripEnabled(true);
  }
  PlaceOnScreen(owner);
}

void DialogWidget::resizeEvent(QResizeEvent *event) {
  QDialog::resizeEvent(event);
  const QSize grown = size() - laidOut_;
  for (size_t i = 0; i < documents_.size(); ++i)
    documents_[i]->resize((documentSizes_[i] + grown).expandedTo(QSize(40, 40)));
}

bool DialogWidget::DialogKey(QKeyEvent *key, bool overriding) {
  if (dialog_ == nullptr)
    return false;
  TKeyPress press;
  press.ctrl = (key->modifiers() & Qt::ControlModifier) != 0;
  press.virtualKey = VirtualKeyOfQt(key->key());
  if (press.ctrl && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z)
    press.character = static_cast<unsigned>(key->key() - Qt::Key_A + 1);
  if (overriding) // asked whether the key is the control's or a shortcut's
    return dialog_->TakesKey(press);
  return dialog_->KeyDown(press);
}

void DialogWidget::MakeRoomForTitle() {
  const int lacks = TitleWidth(this, windowTitle()) - width();
  if (lacks <= 0)
    return;
  // The controls stay together in the middle of the wider dialog.
  for (QWidget *widget : widgets_)
    widget->move(widget->pos() + QPoint(lacks / 2, 0));
  setFixedSize(size() + QSize(lacks, 0));
}

void DialogWidget::MakeRoomForEntries() {
  entriesPending_ = false;
  if (dialog_ == nullptr)
    return;
  // As far as the screen leaves room.
  const int room = AvailableArea(this).width() - frameGeometry().width();
  int grown = 0;
  for (QWidget *widget : widgets_)
    if (auto *list = qobject_cast<QListWidget *>(widget)) {
      const int lacks = std::min(WidthForEntries(list) - list->width(), room - grown);
      if (lacks <= 0)
        continue;
      Widen(widgets_, list, lacks);
      grown += lacks;
    }
  if (grown == 0)
    return;
  setFixedSize(size() + QSize(grown, 0));
  setGeometry(QRect(KeptOnScreen(geometry(), AvailableArea(this)), size()));
}

void DialogWidget::Open() {
  show();
  activateWindow();
  if (dialog_ == nullptr)
    return;
  // Like the old dialog manager: the first tab stop has the focus, an
  // edit's text selected.
  const auto &controls = dialog_->Controls();
  QWidget *first = nullptr;
  for (size_t i = 0; i < widgets_.size() && first == nullptr; ++i)
    if ((controls[i].Template.Style & WS_TABSTOP) != 0 && widgets_[i]->isEnabled() &&
        TakesFocus(controls[i].Template))
      first = widgets_[i];
  if (first != nullptr)
    first->setFocus(Qt::TabFocusReason);
}

void DialogWidget::ShowControl(int id) {
  for (size_t i = 0; i < ids_.size(); ++i)
    if (ids_[i] == id)
      ShowControlAt(i);
}

void DialogWidget::ShowControlAt(size_t index) {
  if (dialog_ == nullptr)
    return;
  // The widget must not report the framework's own change back as the user's.
  QSignalBlocker quiet(widgets_[index]);
  ShowControlState(widgets_[index], dialog_->Controls()[index], dialog_->Template().Name.c_str());
  // A list's entries are made room for once the program has done filling it.
  if (qobject_cast<QListWidget *>(widgets_[index]) != nullptr && !entriesPending_) {
    entriesPending_ = true;
    QTimer::singleShot(0, this, [this] { MakeRoomForEntries(); });
  }
}

void DialogWidget::Detach() {
  dialog_ = nullptr;
  for (QWidget *widget : widgets_)
    widget->blockSignals(true);
}

QWidget *DialogWidget::ControlWidget(int id) const {
  for (size_t i = 0; i < ids_.size(); ++i)
    if (ids_[i] == id)
      return widgets_[i];
  return nullptr;
}

void DialogWidget::ConnectControl(size_t index) {
  QWidget *widget = widgets_[index];
  int id = ids_[index];
  if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
    connect(button, &QAbstractButton::clicked, this, [this, index] { Click(index); });
    if (dialog_->Controls()[index].Template.Kind == TControlKind::AutoRadioButton)
      button->installEventFilter(this);
  } else if (auto *list = qobject_cast<QListWidget *>(widget)) {
    // Only a selection is the user's choice, never the current row alone.
    connect(list, &QListWidget::itemSelectionChanged, this, [this, id, index, list] {
      if (dialog_ == nullptr)
        return;
      int row = SelectedRow(list);
      if (row >= 0)
        dialog_->UserSelect(id, row);
      else // a list box's selection is never undone by the user
        ShowControlAt(index);
    });
    connect(list, &QListWidget::itemDoubleClicked, this, [this, id, list](QListWidgetItem *item) {
      if (dialog_ != nullptr)
        dialog_->UserDoubleClick(id, list->row(item));
    });
  } else if (auto *line = qobject_cast<QLineEdit *>(widget)) {
    connect(line, &QLineEdit::textEdited, this, [this, id, index](const QString &text) {
      if (dialog_ == nullptr)
        return;
      dialog_->UserType(id, ToWindows1252(text));
      // What code page 1252 cannot hold shows as the framework keeps it.
      ShowControlAt(index);
    });
  } else if (auto *multi = qobject_cast<QPlainTextEdit *>(widget)) {
    if ((dialog_->Controls()[index].Template.Style & ES_CHOOSABLE) != 0) {
      multi->installEventFilter(this);
      multi->viewport()->installEventFilter(this); // the double click lands there
    }
    connect(multi, &QPlainTextEdit::textChanged, this, [this, id, index, multi] {
      if (dialog_ == nullptr)
        return;
      dialog_->UserType(id, FromEditText(multi->toPlainText()));
      ShowControlAt(index);
    });
  }
}

void DialogWidget::Click(size_t index) {
  if (dialog_ == nullptr)
    return;
  dialog_->UserClick(ids_[index]);
  // Qt has toggled the button itself; the framework may see it otherwise (a
  // checked radio button stays checked when clicked again).
  ShowControlAt(index);
}

size_t DialogWidget::RadioAfter(size_t index, bool forward) const {
  const auto &controls = dialog_->Controls();
  auto radio = [&](size_t i) { return controls[i].Template.Kind == TControlKind::AutoRadioButton; };
  auto starts = [&](size_t i) { return (controls[i].Template.Style & WS_GROUP) != 0; };
  size_t first = index;
  while (first > 0 && !starts(first) && radio(first - 1))
    --first;
  size_t end = index + 1;
  while (end < controls.size() && radio(end) && !starts(end))
    ++end;
  size_t count = end - first;
  for (size_t step = 1; step < count; ++step) {
    size_t offset = (index - first + (forward ? step : count - step)) % count;
    if (widgets_[first + offset]->isEnabled())
      return first + offset;
  }
  return index;
}

// A box the user chooses (ES_CHOOSABLE): Enter, Space and a double click
// choose it, the arrow keys move to the one beside, above or below.
bool DialogWidget::ChoosableEvent(QObject *watched, QEvent *event) {
  size_t index = 0;
  while (index < widgets_.size() && widgets_[index] != watched &&
         !(qobject_cast<QPlainTextEdit *>(widgets_[index]) != nullptr &&
           static_cast<QPlainTextEdit *>(widgets_[index])->viewport() == watched))
    ++index;
  if (index == widgets_.size() || (dialog_->Controls()[index].Template.Style & ES_CHOOSABLE) == 0)
    return false;
  const int id = ids_[index];
  if (event->type() == QEvent::MouseButtonDblClick) {
    dialog_->UserChoose(id);
    return true;
  }
  if (event->type() != QEvent::KeyPress)
    return false;
  auto *key = static_cast<QKeyEvent *>(event);
  if ((key->modifiers() & ~Qt::KeypadModifier) != 0)
    return false;
  int step = 0;
  switch (key->key()) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
  case Qt::Key_Space:
    dialog_->UserChoose(id);
    return true;
  case Qt::Key_Left:
    step = -1;
    break;
  case Qt::Key_Right:
    step = 1;
    break;
  case Qt::Key_Up:
    step = -7;
    break;
  case Qt::Key_Down:
    step = 7;
    break;
  default:
    return false;
  }
  if (QWidget *next = ControlWidget(id + step); next != nullptr && next->isEnabled())
    next->setFocus(Qt::TabFocusReason);
  return true;
}

// An arrow key on a radio button moves to the next of its group and
// chooses it, as a click would.
bool DialogWidget::eventFilter(QObject *watched, QEvent *event) {
  if (dialog_ != nullptr && ChoosableEvent(watched, event))
    return true;
  if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
      std::find(documents_.begin(), documents_.end(), watched) != documents_.end()) {
    const bool overriding = event->type() == QEvent::ShortcutOverride;
    if (!DialogKey(static_cast<QKeyEvent *>(event), overriding))
      return QDialog::eventFilter(watched, event);
    event->accept(); // the key comes back as a key press, to the dialog
    return !overriding;
  }
  if (event->type() != QEvent::KeyPress || dialog_ == nullptr)
    return QDialog::eventFilter(watched, event);
  auto *key = static_cast<QKeyEvent *>(event);
  bool forward = key->key() == Qt::Key_Down || key->key() == Qt::Key_Right;
  bool back = key->key() == Qt::Key_Up || key->key() == Qt::Key_Left;
  auto at = std::find(widgets_.begin(), widgets_.end(), watched);
  if ((!forward && !back) || (key->modifiers() & ~Qt::KeypadModifier) != 0 || at == widgets_.end())
    return QDialog::eventFilter(watched, event);
  size_t next = RadioAfter(static_cast<size_t>(at - widgets_.begin()), forward);
  widgets_[next]->setFocus(Qt::TabFocusReason);
  if (auto *button = qobject_cast<QAbstractButton *>(widgets_[next]); !button->isChecked())
    button->click();
  return true;
}

void DialogWidget::GiveMnemonicsTargets() {
  // A label's mnemonic moves the focus to the next control that takes it.
  const auto &controls = dialog_->Controls();
  for (size_t i = 0; i < widgets_.size(); ++i) {
    auto *label = qobject_cast<QLabel *>(widgets_[i]);
    if (label == nullptr || controls[i].Template.Kind != TControlKind::Static ||
        controls[i].Template.Text.find('&') == std::string::npos)
      continue;
    for (size_t next = i + 1; next < widgets_.size(); ++next)
      if (TakesFocus(controls[next].Template)) {
        label->setBuddy(widgets_[next]);
        break;
      }
  }
}

void DialogWidget::PlaceOnScreen(QWidget *owner) {
  const TDialogTemplate &tmpl = dialog_->Template();
  QRect screen = AvailableArea(owner);
  QRect place(QPoint(0, 0), size());
  if (tmpl.X == 0 && tmpl.Y == 0) {
    place.moveCenter(owner != nullptr ? owner->frameGeometry().center() : screen.center());
  } else {
    // The template's place is relative to the owner's client area.
    QPoint origin = owner != nullptr ? ClientOrigin(owner) : QPoint(0, 0);
    place.moveTopLeft(origin + QPoint(units_.X(tmpl.X), units_.Y(tmpl.Y)));
  }
  setGeometry(QRect(KeptOnScreen(place, screen), size()));
}

void DialogWidget::reject() {
  if (dialog_ != nullptr)
    dialog_->UserCancel();
}

void DialogWidget::closeEvent(QCloseEvent *event) {
  event->ignore();
  if (dialog_ != nullptr)
    dialog_->UserCancel();
}

void DialogWidget::keyPressEvent(QKeyEvent *event) {
  bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  bool plain = event->modifiers() == Qt::NoModifier ||
               (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
  if (enter && plain && dialog_ != nullptr) {
    bool hasDefault = false;
    for (QPushButton *button : findChildren<QPushButton *>())
      hasDefault = hasDefault || (button->isDefault() && button->isVisible());
    // Without a default button Enter means OK, as it always did.
    if (!hasDefault) {
      dialog_->UserClick(IdOk);
      return;
    }
  }
  QDialog::keyPressEvent(event);
}

int WidthForText(QWidget *widget) {
  const QFontMetrics metrics(widget->font());
  if (qobject_cast<QCheckBox *>(widget) != nullptr ||
      qobject_cast<QRadioButton *>(widget) != nullptr)
    return widget->sizeHint().width();
  if (auto *button = qobject_cast<QPushButton *>(widget)) {
    const QStyle *style = button->style();
    return metrics.horizontalAdvance(WithoutMnemonics(button->text())) +
           style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
  }
  auto *label = qobject_cast<QLabel *>(widget);
  if (label == nullptr || label->pixmap().isNull() == false ||
      label->text().contains(QLatin1Char('\n')))
    return 0;
  // A label wraps its words where their advances, summed unrounded, pass
  // its width: the rounded advance of the whole can fall short of that.
  int width =
      static_cast<int>(std::ceil(
          QFontMetricsF(widget->font()).horizontalAdvance(WithoutMnemonics(label->text())))) +
      2 * label->margin();
  if (label->wordWrap()) {
    const int oneLine = label->heightForWidth(QWIDGETSIZE_MAX);
    for (int extra = 0; extra < 8 && label->heightForWidth(width) > oneLine; ++extra)
      ++width;
  }
  return width;
}

DialogWidget *DialogWidgetOf(const TDialog &dialog) {
  return dynamic_cast<DialogWidget *>(static_cast<QWidget *>(dialog.Peer));
}
