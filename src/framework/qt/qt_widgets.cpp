#include "framework/qt/qt_widgets.h"

#include <algorithm>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "framework/frame_window.h"
#include "framework/qt/qt_dc.h"
#include "framework/qt/qt_translation.h"
#include "framework/qt/text_codec.h"
#include "framework/window.h"

namespace {

unsigned VirtualKeyOf(int key) {
  switch (key) {
  case Qt::Key_Left:
    return VK_LEFT;
  case Qt::Key_Right:
    return VK_RIGHT;
  case Qt::Key_Up:
    return VK_UP;
  case Qt::Key_Down:
    return VK_DOWN;
  case Qt::Key_PageUp:
    return VK_PRIOR;
  case Qt::Key_PageDown:
    return VK_NEXT;
  case Qt::Key_Home:
    return VK_HOME;
  case Qt::Key_End:
    return VK_END;
  case Qt::Key_F10:
    return VK_F10;
  case Qt::Key_F4:
    return VK_F4;
  case Qt::Key_F7:
    return VK_F7;
  case Qt::Key_F8:
    return VK_F8;
  case Qt::Key_F9:
    return VK_F9;
  case Qt::Key_Plus:
  case Qt::Key_Equal: // the "+" key without Shift, on many layouts
    return VK_OEM_PLUS;
  case Qt::Key_Minus:
    return VK_OEM_MINUS;
  case Qt::Key_0:
    return VK_0;
  default:
    return key >= Qt::Key_A && key <= Qt::Key_Z ? static_cast<unsigned>(key) : 0;
  }
}

void AddItems(TFrameWindow &frame, QMenu *menu, const std::vector<TMenuItem> &items);

QAction *MakeAction(TFrameWindow &frame, QObject *owner, const TMenuItem &item) {
  // The key after a tab shows as the item's shortcut, so that its name, what
  // a screen reader says, is the words alone. The frame's accelerators
  // still answer the key; as a shortcut it acts only in the open menu.
  const QString text = TranslatedMenuText(item.Text);
  const auto tab = text.indexOf(QLatin1Char('\t'));
  auto *action = new QAction(text.left(tab), owner);
  if (tab >= 0) {
    action->setShortcut(QKeySequence(text.mid(tab + 1)));
    action->setShortcutContext(Qt::WidgetShortcut);
  }
  action->setEnabled(!item.Grayed);
  action->setCheckable(item.Checkable || item.Checked);
  action->setChecked(item.Checked);
  unsigned id = item.Id;
  QObject::connect(action, &QAction::triggered, [&frame, id] { frame.MenuCommand(id); });
  return action;
}

void AddItems(TFrameWindow &frame, QMenu *menu, const std::vector<TMenuItem> &items) {
  for (const TMenuItem &item : items) {
    if (item.Separator)
      menu->addSeparator();
    else if (!item.Popup.empty())
      AddItems(frame, menu->addMenu(TranslatedMenuText(item.Text)), item.Popup);
    else
      menu->addAction(MakeAction(frame, menu, item));
  }
}

} // namespace

// The paint surface of a window: paints through the framework, reports size
// changes and double clicks.
class PaintArea : public QWidget {
public:
  PaintArea(TWindow &window, QWidget *parent) : QWidget(parent), window_(window) {
    // The page of the desktop's theme (white on a light one), as the window
    // paints its text in the theme's colours.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
  }

protected:
  void paintEvent(QPaintEvent *event) override {
    QPainter painter(this);
    QtDC dc(painter);
    QRect area = event->rect();
    window_.PaintWindow(dc, true,
                        TRect{area.left(), area.top(), area.right() + 1, area.bottom() + 1});
  }
  void resizeEvent(QResizeEvent *) override {
    std::intptr_t size = (static_cast<std::intptr_t>(height() & 0xFFFF) << 16) | (width() & 0xFFFF);
    window_.HandleMessage(TMessage{WM_SIZE, SIZE_RESTORED, size});
  }
  void mouseDoubleClickEvent(QMouseEvent *event) override {
    if (event->button() == Qt::LeftButton)
      window_.HandleMessage(TMessage{WM_LBUTTONDBLCLK, 0, 0});
  }
  void wheelEvent(QWheelEvent *event) override {
    if ((event->modifiers() & Qt::ControlModifier) != 0) {
      window_.HandleMessage(TMessage{
          WM_MOUSEWHEEL,
          MouseWheelParam(std::clamp(event->angleDelta().y(), -32767, 32767), MK_CONTROL), 0});
      return;
    }
    if (!window_.Scroller)
      return;
    int lines = event->angleDelta().y() / 40; // three lines a notch
    unsigned code = lines > 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int i = 0; i < std::abs(lines); ++i)
      window_.HandleMessage(TMessage{WM_VSCROLL, code, 0});
  }

private:
  TWindow &window_;
};

unsigned VirtualKeyOfQt(int key) {
  return VirtualKeyOf(key);
}

bool SendKeyToFrame(TFrameWindow &frame, QKeyEvent *event) {
  TKeyPress key;
  key.ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
  key.virtualKey = VirtualKeyOf(event->key());
  if (key.ctrl && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
    key.character = static_cast<unsigned>(event->key() - Qt::Key_A + 1);
  return frame.KeyDown(key);
}

FrameWidget::FrameWidget(TFrameWindow &frame) : frame_(frame) {
  setWindowTitle(TranslatedTitle(frame.Title()));
}

void FrameWidget::RebuildMenu() {
  QMenuBar *bar = menuBar();
  bar->clear();
  if (!frame_.GetMenu()) {
    bar->hide();
    return;
  }
  frame_.UpdateMenuStates();
  for (const TMenuItem &item : frame_.GetMenu()->Bar()) {
    if (item.Popup.empty()) {
      bar->addAction(MakeAction(frame_, bar, item));
      continue;
    }
    QMenu *popup = bar->addMenu(TranslatedMenuText(item.Text));
    AddItems(frame_, popup, item.Popup);
    // The states are asked for again each time a menu opens.
    QObject::connect(popup, &QMenu::aboutToShow, popup, [this, popup, item] {
      popup->clear();
      frame_.UpdateMenuStates();
      for (const TMenuItem &current : frame_.GetMenu()->Bar())
        if (current.Text == item.Text)
          AddItems(frame_, popup, current.Popup);
    });
  }
  bar->show();
  // The menus F10 brought back are entered as F10 enters them.
  if (menuKeyPending_) {
    menuKeyPending_ = false;
    EnterMenuBar();
  }
}

void FrameWidget::closeEvent(QCloseEvent *event) {
  // The framework decides and destroys the peer itself.
  event->ignore();
  frame_.HandleMessage(TMessage{WM_CLOSE, 0, 0});
}

// The menu key enters the menu bar by opening its first menu, as F10 does
// on other desktops; from there the arrow keys go on to the others, the
// date item too, which Return then chooses. The first menu is opened as
// its mnemonic opens it, so that the bar takes the keys (a menu only opened
// for it would leave them to the window once the arrows reach an item
// without a menu) and gives them back when it is left.
void FrameWidget::EnterMenuBar() {
  QMenuBar *bar = menuBar();
  if (!bar->isVisible() || bar->actions().isEmpty() || bar->activeAction() != nullptr)
    return;
  QAction *first = bar->actions().front();
  const QKeySequence mnemonic = QKeySequence::mnemonic(first->text());
  if (!mnemonic.isEmpty()) {
    QKeyEvent press(QEvent::KeyPress, mnemonic[0].key(), mnemonic[0].keyboardModifiers());
    QCoreApplication::sendEvent(this, &press);
  }
  if (bar->activeAction() == nullptr) // no mnemonic: the menu opens all the same
    bar->setActiveAction(first);
}

void FrameWidget::keyPressEvent(QKeyEvent *event) {
  // Alt counts as the menu key only when it is let go with no other key
  // pressed in between (Alt+F4 and the like are not it).
  altAlone_ = event->key() == Qt::Key_Alt && !event->isAutoRepeat();
  menuKeyPending_ = false;
  bool f10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier;
  if (f10 && frame_.GetMenu() && !event->isAutoRepeat()) {
    EnterMenuBar();
    return;
  }
  menuKeyPending_ = f10 && !frame_.GetMenu();
  if (event->key() == Qt::Key_Alt || !SendKeyToFrame(frame_, event))
    QMainWindow::keyPressEvent(event);
}

void FrameWidget::keyReleaseEvent(QKeyEvent *event) {
  bool menuKey = altAlone_ && event->key() == Qt::Key_Alt && !event->isAutoRepeat();
  altAlone_ = false;
  if (menuKey && !frame_.GetMenu())
    frame_.KeyDown(TKeyPress{VK_MENU, 0, false});
  else
    QMainWindow::keyReleaseEvent(event);
}

WindowWidget::WindowWidget(TWindow &window, QWidget *parent)
    : QWidget(parent), window_(window), area_(new PaintArea(window, this)) {
  auto *layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(area_);
  if ((window.Attr.Style & WS_VSCROLL) != 0) {
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    layout->addWidget(scrollBar_);
    QObject::connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
      if (syncing_)
        return;
      std::uintptr_t wParam = (static_cast<std::uintptr_t>(value & 0xFFFF) << 16) | SB_THUMBTRACK;
      window_.HandleMessage(TMessage{WM_VSCROLL, wParam, 0});
    });
  }
  setWindowTitle(FromProgramText(window.Title()));
}

QWidget *WindowWidget::Area() const {
  return area_;
}

void WindowWidget::SyncScrollBar() {
  if (scrollBar_ == nullptr || !window_.Scroller)
    return;
  syncing_ = true;
  const TScroller &scroller = *window_.Scroller;
  scrollBar_->setRange(0, scroller.YRange);
  scrollBar_->setPageStep(scroller.PageStep(area_->height()));
  scrollBar_->setValue(scroller.YPos);
  // Nothing to scroll, no scroll bar: the text gets its width.
  scrollBar_->setVisible(scroller.YRange > 0);
  syncing_ = false;
}

void WindowWidget::closeEvent(QCloseEvent *event) {
  event->ignore();
  window_.HandleMessage(TMessage{WM_CLOSE, 0, 0});
}
