#include "framework/qt/qt_close_signals.h"

#include <QSocketNotifier>

#include "framework/close_signals.h"
#include "framework/qt/qt_backend.h"

void WatchCloseSignals(QObject *owner) {
  int fd = InstallCloseSignals();
  if (fd < 0)
    return;
  auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, owner);
  auto *backend = dynamic_cast<QtBackend *>(owner);
  QObject::connect(notifier, &QSocketNotifier::activated, owner, [fd, backend] {
    if (!TakeCloseRequest(fd))
      return;
    if (backend != nullptr)
      backend->CloseWhenIdle();
    else
      CloseMainWindowForSignal();
  });
}
