#include "framework/qt/qt_close_signals.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>

#include "framework/close_signals.h"
#include "framework/qt/qt_backend.h"

namespace {

// A modal box keeps its nested loop running: cancel each.
void CancelModalBoxes() {
  for (int guard = 0; guard < 16; ++guard) {
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == nullptr)
      break;
    if (auto *dialog = qobject_cast<QDialog *>(modal))
      dialog->reject();
    else
      modal->close();
    QApplication::processEvents();
  }
}

// The code that opened a modal box is still on the stack until the box's
// nested loop returns, and goes on with the main window afterwards: the
// window is closed from the outermost loop, once those callers have
// finished. Should a caller open box after box, it is closed anyway after
// about two seconds.
void CloseFromOutermostLoop(const QtBackend *backend, int triesLeft) {
  CancelModalBoxes();
  if (backend != nullptr && backend->InModalLoop() && triesLeft > 0) {
    QTimer::singleShot(10,
                       [backend, triesLeft] { CloseFromOutermostLoop(backend, triesLeft - 1); });
    return;
  }
  CloseMainWindowForSignal();
}

} // namespace

void WatchCloseSignals(QObject *owner) {
  int fd = InstallCloseSignals();
  if (fd < 0)
    return;
  auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, owner);
  const auto *backend = dynamic_cast<const QtBackend *>(owner);
  QObject::connect(notifier, &QSocketNotifier::activated, owner, [fd, backend] {
    if (TakeCloseRequest(fd))
      CloseFromOutermostLoop(backend, 200);
  });
}
