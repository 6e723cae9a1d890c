#pragma once

// Settings > Reminder: the daily reminder on or off, and its time of day,
// set as selwarth-remind sets them (content/reminder_schedule.h).

#include <string>

#include "framework/dialog.h"

// A text marked in context in the interface's language.
using ReminderWords = std::string (*)(const char *context, const char *text);

// What turning the reminder on or off did, in words: the time, and, when no
// systemd user manager runs, the command the user should run.
std::string ReminderOnText(ReminderWords say, const std::string &time, bool applied,
                           const std::string &command);
std::string ReminderOffText(ReminderWords say, bool applied, const std::string &command);

class TReminderDialog : public TDialog {
public:
  explicit TReminderDialog(TWindow *parent);

  void CmOk() override;

protected:
  void SetupWindow() override;
};
