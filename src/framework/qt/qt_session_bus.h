#pragma once

// The session bus through QtDBus. Its connection runs in a thread of Qt's
// own, so an answer arrives while the GUI thread only paints.

#include <functional>

#include "framework/session_bus.h"

class QtSessionBus : public SessionBus {
public:
  // paintWhileWaiting paints and says whether the user pressed Escape.
  explicit QtSessionBus(std::function<bool()> paintWhileWaiting);

  // Whether the program is connected to a session bus.
  bool Connected() const;
  bool HasOwner(const std::string &name) override;
  std::optional<int> OwnerProcess(const std::string &name) override;
  TBusReply Call(const TBusObject &object, const std::string &method,
                 const std::optional<std::string> &argument, unsigned timeoutMs) override;

private:
  std::function<bool()> paintWhileWaiting_;
};
