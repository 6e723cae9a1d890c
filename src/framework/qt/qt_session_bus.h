#pragma once

// The session bus through QtDBus. Its connection runs in a thread of Qt's
// own, so an answer arrives while the GUI thread only paints.
//
// Peers are called on a connection of our own, which takes no message
// larger than MaxBusAnswer: the bus library reads a message's length before
// its body and drops the connection instead of reading more. A dropped
// connection is made anew for the next call.

#include <QString>
#include <functional>

#include "framework/session_bus.h"

class QDBusConnection;

class QtSessionBus : public SessionBus {
public:
  // paintWhileWaiting paints and says whether the user pressed Escape.
  explicit QtSessionBus(std::function<bool()> paintWhileWaiting);
  ~QtSessionBus() override;

  // Whether the program is connected to a session bus.
  bool Connected() const;
  bool HasOwner(const std::string &name) override;
  std::optional<int> OwnerProcess(const std::string &name) override;
  TBusReply Call(const TBusObject &object, const std::string &method,
                 const std::optional<std::string> &argument, unsigned timeoutMs) override;

private:
  // The connection for calls to peers, made when there is none.
  QDBusConnection PeerConnection();

  std::function<bool()> paintWhileWaiting_;
  QString peerName_;
  bool peerOpen_ = false;
};
