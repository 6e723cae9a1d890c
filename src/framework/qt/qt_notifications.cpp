#include "framework/qt/qt_notifications.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include "platform/session_bus_probe.h"

namespace {

constexpr const char *Service = "org.freedesktop.Notifications";
constexpr const char *Path = "/org/freedesktop/Notifications";
constexpr const char *Interface = "org.freedesktop.Notifications";
// The server answers at once; one that is started by the bus for the call
// takes a moment more.
constexpr int CallTimeoutMs = 10000;
// A bus that takes connections and never answers is no bus.
constexpr int BusAnswerMs = 3000;

QString FromUtf8(const std::string &text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

platform::Unexpected<platform::Fault<NoticeFault>> FaultOf(const QDBusMessage &answer) {
  const QString name = answer.errorName();
  const std::string message = answer.errorMessage().toStdString();
  if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
      name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
    return platform::Failure(NoticeFault::NoServer, message);
  if (name == QLatin1String("org.freedesktop.DBus.Error.Disconnected"))
    return platform::Failure(NoticeFault::NoBus, message);
  return platform::Failure(NoticeFault::Failed, message);
}

} // namespace

QtNotifications::QtNotifications() : signals_(std::make_unique<NotificationSignals>()) {}

QtNotifications::~QtNotifications() = default;

platform::Result<std::vector<std::string>, platform::Fault<NoticeFault>>
QtNotifications::Capabilities() {
  if (platform::ProbeSessionBus(BusAnswerMs) == platform::BusProbe::Silent)
    return platform::Failure(NoticeFault::NoBus, "the session bus does not answer");
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected())
    return platform::Failure(NoticeFault::NoBus, bus.lastError().message().toStdString());
  // Connected before the notice goes out, so that no answer is missed.
  bus.connect(Service, Path, Interface, "ActionInvoked", signals_.get(),
              SLOT(ActionInvoked(uint, QString)));
  bus.connect(Service, Path, Interface, "NotificationClosed", signals_.get(),
              SLOT(NotificationClosed(uint, uint)));
  QDBusMessage ask = QDBusMessage::createMethodCall(Service, Path, Interface, "GetCapabilities");
  QDBusMessage answer = bus.call(ask, QDBus::Block, CallTimeoutMs);
  if (answer.type() != QDBusMessage::ReplyMessage)
    return FaultOf(answer);
  if (answer.arguments().isEmpty())
    return platform::Failure(NoticeFault::Failed, "no capabilities");
  std::vector<std::string> capabilities;
  for (const QString &capability : answer.arguments().front().toStringList())
    capabilities.push_back(capability.toStdString());
  return capabilities;
}

platform::Result<unsigned, platform::Fault<NoticeFault>>
QtNotifications::Show(const TNotice &notice) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  QStringList actions;
  for (const auto &[key, label] : notice.Actions)
    actions << FromUtf8(key) << FromUtf8(label);
  QVariantMap hints;
  if (!notice.DesktopEntry.empty())
    hints.insert("desktop-entry", FromUtf8(notice.DesktopEntry));
  QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, "Notify");
  call << FromUtf8(notice.AppName) << 0u << FromUtf8(notice.Icon) << FromUtf8(notice.Summary)
       << FromUtf8(notice.Body) << actions << hints << -1;
  QDBusMessage answer = bus.call(call, QDBus::Block, CallTimeoutMs);
  if (answer.type() != QDBusMessage::ReplyMessage)
    return FaultOf(answer);
  bool number = false;
  const unsigned id = answer.arguments().isEmpty() ? 0 : answer.arguments().front().toUInt(&number);
  if (!number)
    return platform::Failure(NoticeFault::Failed, "no notification id");
  return id;
}

std::string QtNotifications::WaitForAnswer(unsigned id, int waitMs) {
  signals_->waitingFor = id;
  signals_->answer.clear();
  QTimer::singleShot(waitMs, &signals_->loop, &QEventLoop::quit);
  signals_->loop.exec();
  return signals_->answer;
}

void QtNotifications::Close(unsigned id) {
  QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, "CloseNotification");
  call << id;
  QDBusConnection::sessionBus().call(call, QDBus::Block, CallTimeoutMs);
}
