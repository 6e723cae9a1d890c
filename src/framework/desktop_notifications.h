#pragma once

// Desktop notifications: the freedesktop notification server on the
// session bus (org.freedesktop.Notifications). The reminder posts one and
// waits for the user's answer. Texts are UTF-8.

#include <string>
#include <utility>
#include <vector>

#include "platform/result.h"

struct TNotice {
  std::string AppName;
  std::string Icon; // an icon theme's name
  std::string Summary;
  std::string Body;
  // The desktop entry that the notification belongs to (its name and icon).
  std::string DesktopEntry;
  // Key and label of each action, in order.
  std::vector<std::pair<std::string, std::string>> Actions;
};

enum class NoticeFault {
  NoBus,    // there is no session bus, or it does not answer
  NoServer, // nobody serves notifications on it
  Failed,   // the server refused or gave a wrong answer
};

class DesktopNotifications {
public:
  virtual ~DesktopNotifications() = default;
  // The server's capabilities ("actions", "body", "body-markup", ...).
  virtual platform::Result<std::vector<std::string>, platform::Fault<NoticeFault>>
  Capabilities() = 0;
  // Posts the notice; the server's id of it.
  virtual platform::Result<unsigned, platform::Fault<NoticeFault>> Show(const TNotice &notice) = 0;
  // Waits at most waitMs for the user: the key of the action chosen, or ""
  // when the notice was closed or the time passed.
  virtual std::string WaitForAnswer(unsigned id, int waitMs) = 0;
  // Takes the notice away.
  virtual void Close(unsigned id) = 0;
};
