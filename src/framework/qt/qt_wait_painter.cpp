#include "framework/qt/qt_wait_painter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

void WaitPainter::PaintPending() {
  if (waiting_)
    return;
  waiting_ = true;
  QCoreApplication::instance()->installEventFilter(this);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                  QEventLoop::ExcludeSocketNotifiers);
  QCoreApplication::instance()->removeEventFilter(this);
  waiting_ = false;
}

bool WaitPainter::eventFilter(QObject *object, QEvent *event) {
  // The window system's close reaches the widget through its QWindow, which
  // passes it on: it is held back at the widget.
  if (event->type() != QEvent::Close || qobject_cast<QWidget *>(object) == nullptr)
    return false;
  QPointer<QWidget> window = static_cast<QWidget *>(object);
  // Asked again from the event loop; should the program still be waiting
  // then, it is held back once more.
  QTimer::singleShot(0, this, [window] {
    if (window != nullptr)
      window->close();
  });
  // Not accepted: the window stays as it is.
  event->ignore();
  return true;
}
