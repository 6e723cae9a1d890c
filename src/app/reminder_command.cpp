#include "app/reminder_command.h"

#include "app/reminder_run.h"
#include "content/reminder_schedule.h"
#include "dialogs/reminder_dialog.h"
#include "framework/translation.h"
#include "platform/profile.h"
#include "platform/translatable.h"

namespace {

constexpr int UsageStatus = 2;

std::string Usage(ReminderWords say) {
  return say("Reminder", TR_NOOP("Reminder", "usage: selwarth-remind on HH:MM|off|status"));
}

int Failed(std::FILE *errors, const std::string &why) {
  std::fprintf(errors, "selwarth-remind: %s\n", why.c_str());
  return 1;
}

} // namespace

int RunReminderCommand(const std::vector<std::string> &words, ReminderWords say, std::FILE *out,
                       std::FILE *errors) {
  const std::string verb = words.empty() ? "" : words.front();
  if (verb == "status" && words.size() == 1) {
    const std::optional<ReminderTime> time = ScheduledReminder();
    std::fprintf(out, "%s\n", time ? FormatReminderTime(*time).c_str() : "off");
    return time ? 0 : 1;
  }
  if (verb == "off" && words.size() == 1) {
    const auto change = TurnReminderOff();
    if (!change)
      return Failed(errors, change.error());
    std::fprintf(out, "%s\n", ReminderOffText(say, change->Applied, change->Command).c_str());
    return 0;
  }
  if (verb == "on" && words.size() == 2) {
    const std::optional<ReminderTime> time = ParseReminderTime(words[1]);
    if (!time) {
      std::fprintf(errors, "selwarth-remind: %s\n",
                   FormatText(say("Reminder", TR_NOOP("Reminder", "'%1' is not a time of day "
                                                                  "(HH:MM, such as 07:30)")),
                              {words[1]})
                       .c_str());
      return UsageStatus;
    }
    const auto change = TurnReminderOn(*time, ReminderLauncher(), platform::DataFolder());
    if (!change)
      return Failed(errors, change.error());
    std::fprintf(
        out, "%s\n",
        ReminderOnText(say, FormatReminderTime(*time), change->Applied, change->Command).c_str());
    return 0;
  }
  std::fprintf(errors, "%s\n", Usage(say).c_str());
  return UsageStatus;
}
