#pragma once

// selwarth --remind: today's reminder as one desktop notification, without
// a window. With the server's "actions" capability it offers Open (the
// window, through the launcher) and, while today's plan day is unread, Mark
// as Read (the same locked write as Mark Reading as Read), and waits a
// bounded time for the user's choice.

#include <cstdio>
#include <string>

#include "app/reminder_notice.h"

class DesktopNotifications;

// How long the reminder waits for a click before it ends.
inline constexpr int ReminderWaitMs = 15 * 60 * 1000;

struct TReminderRun {
  DesktopNotifications &server;
  ReminderWords words;
  // The desktop entry's name, which is the icon's too.
  std::string appId;
  // What Open starts (the launcher); empty: nothing is offered to open.
  std::string openCommand;
  std::FILE *errors = stderr;
  int waitMs = ReminderWaitMs;
};

// The exit status: 0 when the reminder was shown or had nothing to say, 1
// when there is no session bus or notification server (said on errors), or
// the mark could not be written.
int RunReminder(const TReminderRun &run);
