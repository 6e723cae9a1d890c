#pragma once

// What the daily reminder says: the day's verse (the first entry that is no
// reading plan's), and the plan's readings while today's plan day is unread.
// Nothing when the window was already shown today or today's plan reading is
// marked read: a reminder never nags.

#include <ctime>
#include <optional>
#include <string>

struct DayState;
struct Settings;

// ReminderWords: a text marked in context in the interface's language, as
// UTF-8 for the notification.
#include "dialogs/reminder_dialog.h"

struct TReminderNotice {
  std::string Summary; // UTF-8
  std::string Body;    // UTF-8, "" when no package has a text for the day
  // The plan package whose day is unread, and that day (0..364); "" and -1
  // without such a plan.
  std::string PlanFile;
  int PlanDay = -1;
};

// Today's reminder, loaded without touching a file (no SELWARTH.TXT, no
// screen saver text, no step of the incremental number).
std::optional<TReminderNotice> TodaysReminder(const Settings &settings, DayState &day,
                                              const std::tm &now, ReminderWords words);

// The key noted when the window is shown (the date, as LastStartup holds
// it), so that a reminder after that the same day stays away.
inline constexpr const char *LastShownKey = "LastShown";
