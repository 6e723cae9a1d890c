#include "framework/qt/qt_close_signals.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>

#include "framework/close_signals.h"

void WatchCloseSignals(QObject *owner) {
  int fd = InstallCloseSignals();
  if (fd < 0)
    return;
  auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, owner);
  QObject::connect(notifier, &QSocketNotifier::activated, owner, [fd] {
    if (!TakeCloseRequest(fd))
      return;
    // A modal box would keep its nested loop running: cancel each first.
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
    CloseMainWindowForSignal();
  });
}
