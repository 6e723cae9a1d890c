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
  if (event->type() != QEvent::Close)
    return false;
  // Asked again from the event loop; should the program still be waiting
  // then, it is held back once more.
  QPointer<QWidget> window = qobject_cast<QWidget *>(object);
  if (window != nullptr)
    QTimer::singleShot(0, this, [window] {
      if (window != nullptr)
        window->close();
    });
  return true;
}
