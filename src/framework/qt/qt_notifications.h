#pragma once

// Desktop notifications through QtDBus, for a program that runs without a
// window (QCoreApplication): the answers come as signals, which an event
// loop of our own waits for.

#include <QEventLoop>
#include <QObject>
#include <QString>
#include <memory>
#include <string>

#include "framework/desktop_notifications.h"

// Receives the server's signals and ends the wait for them.
class NotificationSignals : public QObject {
  Q_OBJECT
public:
  unsigned waitingFor = 0;
  std::string answer;
  QEventLoop loop;

public Q_SLOTS:
  void ActionInvoked(uint id, const QString &key) {
    if (id != waitingFor)
      return;
    answer = key.toStdString();
    loop.quit();
  }
  void NotificationClosed(uint id, uint) {
    if (id == waitingFor)
      loop.quit();
  }
};

class QtNotifications : public DesktopNotifications {
public:
  QtNotifications();
  ~QtNotifications() override;

  platform::Result<std::vector<std::string>, platform::Fault<NoticeFault>> Capabilities() override;
  platform::Result<unsigned, platform::Fault<NoticeFault>> Show(const TNotice &notice) override;
  std::string WaitForAnswer(unsigned id, int waitMs) override;
  void Close(unsigned id) override;

private:
  std::unique_ptr<NotificationSignals> signals_;
};
