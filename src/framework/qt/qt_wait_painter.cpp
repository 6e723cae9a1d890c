#include "framework/qt/qt_wait_painter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

WaitPainter::WaitPainter(std::function<bool(QWidget *)> endsProgram)
    : endsProgram_(std::move(endsProgram)) {}

WaitPainter::~WaitPainter() = default;

bool WaitPainter::PaintPending() {
  if (waiting_)
    return false;
  waiting_ = true;
  escape_ = false;
  QCoreApplication::instance()->installEventFilter(this);
  // User input is let in to be looked at (Escape) and held back by the
  // filter; the window system would otherwise keep it out of sight.
  QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
  QCoreApplication::instance()->removeEventFilter(this);
  waiting_ = false;
  // Posted again in the order it came: delivered once the program is idle,
  // or held back once more by the next look while it still waits.
  for (auto &[receiver, event] : heldInput_)
    if (receiver != nullptr)
      QCoreApplication::postEvent(receiver, event.release());
  heldInput_.clear();
  return escape_;
}

bool WaitPainter::eventFilter(QObject *object, QEvent *event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // Taken by us, so that no shortcut (a button's mnemonic) fires; the key
    // press itself comes next and is held back.
    event->accept();
    return true;
  }
  if (event->type() == QEvent::Shortcut)
    return true;
  if (event->isInputEvent()) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
      escape_ = true;
    else
      heldInput_.emplace_back(object, event->clone());
    return true;
  }
  // The window system's close reaches the widget through its QWindow, which
  // passes it on: it is held back at the widget.
  if (event->type() != QEvent::Close || qobject_cast<QWidget *>(object) == nullptr)
    return false;
  // Not accepted: the window stays as it is for now.
  event->ignore();
  auto *widget = static_cast<QWidget *>(object);
  // The main window's ends the program, and so the wait (the backend says
  // so in PaintWhileBusy's answer).
  if (endsProgram_ && endsProgram_(widget))
    return true;
  QPointer<QWidget> window = widget;
  // Asked again from the event loop; should the program still be waiting
  // then, it is held back once more.
  QTimer::singleShot(0, this, [window] {
    if (window != nullptr)
      window->close();
  });
  return true;
}
