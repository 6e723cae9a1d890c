#include "framework/qt/qt_session_bus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <chrono>
#include <dbus/dbus.h>
#include <thread>
#include <utility>

namespace {

// How long one look at the bus may take: the bus itself answers at once.
constexpr int OwnerTimeoutMs = 2000;

QString FromUtf8(const std::string &text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

BusOutcome OutcomeOf(const QDBusError &error) {
  switch (error.type()) {
  case QDBusError::ServiceUnknown:
  case QDBusError::UnknownObject:
    return BusOutcome::NoOwner;
  case QDBusError::NoReply:
  case QDBusError::Timeout:
  case QDBusError::TimedOut:
    return BusOutcome::TimedOut;
  default:
    return BusOutcome::Failed;
  }
}

// Asks the bus itself about name; an empty answer when it does not answer.
QVariantList AskBus(const char *method, const std::string &name) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected())
    return {};
  QDBusMessage ask = QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                    "org.freedesktop.DBus", method);
  ask << FromUtf8(name);
  QDBusMessage answer = bus.call(ask, QDBus::Block, OwnerTimeoutMs);
  return answer.type() == QDBusMessage::ReplyMessage ? answer.arguments() : QVariantList();
}

} // namespace

QtSessionBus::QtSessionBus(std::function<bool()> paintWhileWaiting)
    : paintWhileWaiting_(std::move(paintWhileWaiting)),
      peerName_(QStringLiteral("selwarth-peers-%1").arg(reinterpret_cast<quintptr>(this))) {}

QtSessionBus::~QtSessionBus() {
  if (peerOpen_)
    QDBusConnection::disconnectFromBus(peerName_);
}

bool QtSessionBus::Connected() const {
  return QDBusConnection::sessionBus().isConnected();
}

bool QtSessionBus::HasOwner(const std::string &name) {
  QVariantList answer = AskBus("NameHasOwner", name);
  return !answer.isEmpty() && answer.front().toBool();
}

std::optional<int> QtSessionBus::OwnerProcess(const std::string &name) {
  QVariantList answer = AskBus("GetConnectionUnixProcessID", name);
  bool number = false;
  unsigned pid = answer.isEmpty() ? 0 : answer.front().toUInt(&number);
  if (!number || pid == 0)
    return std::nullopt;
  return static_cast<int>(pid);
}

QDBusConnection QtSessionBus::PeerConnection() {
  if (peerOpen_) {
    QDBusConnection open(peerName_);
    if (open.isConnected())
      return open;
    QDBusConnection::disconnectFromBus(peerName_);
  }
  QDBusConnection peer = QDBusConnection::connectToBus(QDBusConnection::SessionBus, peerName_);
  peerOpen_ = true;
  if (peer.isConnected())
    dbus_connection_set_max_message_size(static_cast<DBusConnection *>(peer.internalPointer()),
                                         MaxBusAnswer);
  return peer;
}

TBusReply QtSessionBus::Call(const TBusObject &object, const std::string &method,
                             const std::optional<std::string> &argument, unsigned timeoutMs) {
  QDBusConnection bus = PeerConnection();
  if (!bus.isConnected())
    return {BusOutcome::NoOwner, {}};
  QDBusMessage message =
      QDBusMessage::createMethodCall(FromUtf8(object.service), FromUtf8(object.path),
                                     FromUtf8(object.interface), FromUtf8(method));
  if (argument)
    message << FromUtf8(*argument);
  QDBusPendingCall call = bus.asyncCall(message, static_cast<int>(timeoutMs));
  // The bus ends the call with NoReply at the time-out; the deadline only
  // guards against a bus that does not.
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline =
      Clock::now() + std::chrono::milliseconds(timeoutMs) + std::chrono::milliseconds(500);
  while (!call.isFinished()) {
    if (paintWhileWaiting_ && paintWhileWaiting_())
      return {BusOutcome::Stopped, {}};
    if (Clock::now() >= deadline)
      return {BusOutcome::TimedOut, {}};
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  QDBusMessage answer = call.reply();
  if (answer.type() != QDBusMessage::ReplyMessage) {
    // Our connection dropped while the bus goes on: the answer was longer
    // than the connection reads.
    if (!bus.isConnected() && Connected())
      return {BusOutcome::TooLarge, {}};
    return {OutcomeOf(call.error()), {}};
  }
  TBusReply reply{BusOutcome::Answered, {}};
  if (!answer.arguments().isEmpty())
    reply.text = answer.arguments().front().toString().toStdString();
  return reply;
}
