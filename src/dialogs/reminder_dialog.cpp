#include "dialogs/reminder_dialog.h"

#include "content/reminder_schedule.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "framework/controls.h"
#include "framework/message_box.h"
#include "framework/translation.h"
#include "platform/profile.h"
#include "resources/dialog_templates.h"
#include "resources/reminder_ids.h"

using namespace reminder;

namespace {

std::string WindowWords(const char *context, const char *text) {
  return TranslatedText(context, text);
}

} // namespace

std::string ReminderOnText(ReminderWords say, const std::string &time, bool applied,
                           const std::string &command) {
  if (applied)
    return FormatText(say("Reminder", TR_NOOP("Reminder", "Selwarth reminds you each day at %1.")),
                      {time});
  return FormatText(say("Reminder", TR_NOOP("Reminder", "The reminder at %1 is written, but no "
                                                        "systemd user manager runs here. Once "
                                                        "one does (as when you log in), run:\n%2")),
                    {time, command});
}

std::string ReminderOffText(ReminderWords say, bool applied, const std::string &command) {
  if (applied)
    return say("Reminder", TR_NOOP("Reminder", "Selwarth no longer reminds you."));
  return FormatText(say("Reminder", TR_NOOP("Reminder", "The reminder is removed. To stop the "
                                                        "timer that still runs, run:\n%1")),
                    {command});
}

TReminderDialog::TReminderDialog(TWindow *parent) : TDialog(parent, ReminderTemplate()) {}

void TReminderDialog::SetupWindow() {
  // The timer is what fires; the settings keep the time it was last set to.
  const std::optional<ReminderTime> scheduled = ScheduledReminder();
  const std::optional<ReminderTime> kept =
      ParseReminderTime(ReadSettingText(ReminderTimeKey, "", 16));
  TButton(*this, RemindCheck).SetCheck(scheduled ? BF_CHECKED : BF_UNCHECKED);
  TEdit(*this, TimeEdit)
      .SetText(FormatReminderTime(scheduled.value_or(kept.value_or(ReminderTime{7, 30}))));
}

void TReminderDialog::CmOk() {
  const bool on = TButton(*this, RemindCheck).GetCheck() == BF_CHECKED;
  const bool wasOn = ScheduledReminder().has_value();
  if (!on && !wasOn) {
    CloseDialog(IDOK);
    return;
  }
  std::optional<ReminderTime> time;
  if (on) {
    time = ParseReminderTime(TEdit(*this, TimeEdit).GetText());
    if (!time) {
      MessageBox(this, TR_NOOP("Messages", "Please enter the time of day as HH:MM, such as 07:30."),
                 TR_NOOP("Messages", "Oops... "), MB_ICONINFORMATION);
      return;
    }
  }
  const auto change =
      on ? TurnReminderOn(*time, ReminderLauncher(), platform::DataFolder()) : TurnReminderOff();
  if (!change) {
    MessageBox(this,
               FormatText(TranslatedText("Messages", "The reminder could not be set.\n%1"),
                          {change.error()}),
               TR_NOOP("Messages", "Unable to Comply"), MB_ICONEXCLAMATION);
    return;
  }
  const std::string said =
      on ? ReminderOnText(WindowWords, FormatReminderTime(*time), change->Applied, change->Command)
         : ReminderOffText(WindowWords, change->Applied, change->Command);
  MessageBox(this, said, TR_NOOP("REMINDER", "Daily Reminder"), MB_ICONINFORMATION);
  CloseDialog(IDOK);
}
