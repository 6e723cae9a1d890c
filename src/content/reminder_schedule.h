#pragma once

// The daily reminder's schedule: a systemd user timer and the service it
// starts, selwarth-remind.timer and selwarth-remind.service in
// $XDG_CONFIG_HOME/systemd/user (by default ~/.config/systemd/user). The
// timer fires at the chosen time each day and, as it is persistent, at the
// next wake or start after a time missed while the computer slept or was
// off. The service runs the program with --remind in the data folder. The
// time chosen is also kept in the settings file (ReminderTime, "07:30"; empty
// while off).

#include <optional>
#include <string>
#include <string_view>

#include "platform/result.h"

// A time of day, 00:00 to 23:59.
struct ReminderTime {
  int Hour = 0;
  int Minute = 0;
  bool operator==(const ReminderTime &) const = default;
};

inline constexpr const char *ReminderTimeKey = "ReminderTime";
inline constexpr const char *ReminderUnitName = "selwarth-remind";

// "7:30", "07:30" (blanks around allowed); nothing for anything else.
std::optional<ReminderTime> ParseReminderTime(std::string_view text);
// "07:30".
std::string FormatReminderTime(ReminderTime time);

// The folder of the user's systemd units.
std::string SystemdUserFolder();
std::string TimerUnitPath();
std::string ServiceUnitPath();

// The units' text. command is the program the service runs with --remind
// (the launcher, which runs it in the data folder); workingFolder is where it
// runs when that is not the launcher's own choice ("" for none).
std::string TimerUnitText(ReminderTime time);
std::string ServiceUnitText(const std::string &command, const std::string &workingFolder);

// What turning the reminder on or off did with systemd.
struct ReminderChange {
  // systemctl --user did it; otherwise Command is what the user should run
  // once a user manager runs (as after logging in to the desktop).
  bool Applied = false;
  std::string Command;
};

// Writes the units and the settings key, and enables the timer when a user
// manager runs.
platform::Result<ReminderChange> TurnReminderOn(ReminderTime time, const std::string &command,
                                                const std::string &workingFolder);
// Stops the timer when a user manager runs, removes the units and empties
// the settings key.
platform::Result<ReminderChange> TurnReminderOff();

// The time of the timer unit written; nothing while there is none.
std::optional<ReminderTime> ScheduledReminder();

// The program Open starts and the reminder's service runs: the launcher the
// environment names (SELWARTH_LAUNCHER, which the launcher sets), else this
// program itself.
std::string ReminderLauncher();
