#include "content/reminder_schedule.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "content/settings.h"
#include "content/settings_file.h"
#include "platform/profile.h"
#include "platform/profile_file.h"
#include "platform/profile_parse.h"
#include "platform/run_program.h"

namespace {

// A call of systemctl: the manager answers at once, or not at all.
constexpr int SystemctlWaitMs = 20000;

// The number of one or two digits at text's start.
std::optional<int> TwoDigits(std::string_view &text) {
  std::size_t digits = 0;
  int number = 0;
  while (digits < text.size() && digits < 3 && text[digits] >= '0' && text[digits] <= '9')
    number = number * 10 + (text[digits++] - '0');
  if (digits == 0 || digits > 2)
    return std::nullopt;
  text.remove_prefix(digits);
  return number;
}

// The program of a unit's command line as systemd reads it: in double
// quotes, "%" as "%%" (a specifier otherwise). A "$" stays: systemd puts
// variables into the arguments only.
std::string UnitQuoted(const std::string &program) {
  std::string quoted = "\"";
  for (const char c : program) {
    if (c == '%')
      quoted += c;
    quoted += c;
  }
  return quoted + '"';
}

// Whether systemd takes path as a unit's program: it refuses quotes, the
// backslash and control characters in one.
bool UnitCanName(const std::string &path) {
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\'' || c == '\\' || byte < 0x20 || byte == 0x7F)
      return false;
  }
  return !path.empty() && path.front() == '/';
}

// A path as a unit's setting holds it (WorkingDirectory=): specifiers
// escaped; it is not quoted.
std::string UnitPath(const std::string &path) {
  std::string escaped;
  for (const char c : path) {
    if (c == '%')
      escaped += '%';
    escaped += c;
  }
  return escaped;
}

std::string ParentOf(const std::string &folder) {
  const std::size_t slash = folder.rfind('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : folder.substr(0, slash);
}

// Whether a user manager answers: its own reload is the question.
bool UserManagerRuns() {
  const std::optional<int> status =
      platform::RunToEnd("systemctl", {"--user", "daemon-reload"}, SystemctlWaitMs);
  return status && *status == 0;
}

std::string TimerName() {
  return std::string(ReminderUnitName) + ".timer";
}

platform::Result<void> RemoveIfThere(const std::string &path) {
  if (::unlink(path.c_str()) == 0 || errno == ENOENT)
    return {};
  return platform::Failure(path + ": " + std::strerror(errno));
}

} // namespace

std::optional<ReminderTime> ParseReminderTime(std::string_view text) {
  text = platform::TrimBlanks(text);
  const std::optional<int> hour = TwoDigits(text);
  if (!hour || text.empty() || text.front() != ':')
    return std::nullopt;
  text.remove_prefix(1);
  const std::size_t minuteDigits = text.size();
  const std::optional<int> minute = TwoDigits(text);
  if (!minute || minuteDigits != 2 || !text.empty() || *hour > 23 || *minute > 59)
    return std::nullopt;
  return ReminderTime{*hour, *minute};
}

std::string FormatReminderTime(ReminderTime time) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", time.Hour % 100, time.Minute % 100);
  return text;
}

std::string SystemdUserFolder() {
  // ConfigFolder() is our folder in the configuration base.
  return ParentOf(platform::ConfigFolder()) + "/systemd/user";
}

std::string TimerUnitPath() {
  return SystemdUserFolder() + "/" + ReminderUnitName + ".timer";
}

std::string ServiceUnitPath() {
  return SystemdUserFolder() + "/" + ReminderUnitName + ".service";
}

std::string TimerUnitText(ReminderTime time) {
  return "# Written by selwarth-remind; 'selwarth-remind off' removes it.\n"
         "[Unit]\n"
         "Description=Selwarth's daily reminder\n"
         "\n"
         "[Timer]\n"
         "OnCalendar=*-*-* " +
         FormatReminderTime(time) +
         ":00\n"
         // A time missed while the computer slept or was off comes at once
         // when it is back.
         "Persistent=true\n"
         "Unit=" +
         ReminderUnitName +
         ".service\n"
         "\n"
         "[Install]\n"
         "WantedBy=timers.target\n";
}

std::string ServiceUnitText(const std::string &command, const std::string &workingFolder) {
  std::string text = "# Written by selwarth-remind; 'selwarth-remind off' removes it.\n"
                     "[Unit]\n"
                     "Description=Selwarth's daily reminder\n"
                     "\n"
                     "[Service]\n"
                     "Type=exec\n";
  if (!workingFolder.empty())
    text += "WorkingDirectory=-" + UnitPath(workingFolder) + "\n"; // "-": may be missing
  text += "ExecStart=" + UnitQuoted(command) + " --remind\n";
  return text;
}

platform::Result<ReminderChange> TurnReminderOn(ReminderTime time, const std::string &command,
                                                const std::string &workingFolder) {
  if (!UnitCanName(command))
    return platform::Failure("systemd cannot run a program from " + command +
                             ": rename the folders that hold a quote or a backslash");
  if (!UnitCanName(workingFolder) && !workingFolder.empty())
    return platform::Failure("systemd cannot run a program in " + workingFolder +
                             ": rename the folders that hold a quote or a backslash");
  if (auto made = platform::MakeFolders(SystemdUserFolder(), 0755); !made)
    return platform::Failure(made.error());
  if (auto written = platform::ReplaceFile(
          ServiceUnitPath(), ServiceUnitText(command, workingFolder), 0644, ::getuid(), ::getgid());
      !written)
    return platform::Failure(written.error());
  if (auto written =
          platform::ReplaceFile(TimerUnitPath(), TimerUnitText(time), 0644, ::getuid(), ::getgid());
      !written)
    return platform::Failure(written.error());
  if (auto stored = WriteSettings({{ReminderTimeKey, FormatReminderTime(time)}}); !stored)
    return platform::Failure(stored.error());
  ReminderChange change;
  change.Command = "systemctl --user daemon-reload && systemctl --user enable --now " + TimerName();
  if (UserManagerRuns()) {
    // A timer enabled already takes its new time at the restart.
    const std::optional<int> enabled =
        platform::RunToEnd("systemctl", {"--user", "enable", TimerName()}, SystemctlWaitMs);
    const std::optional<int> started =
        platform::RunToEnd("systemctl", {"--user", "restart", TimerName()}, SystemctlWaitMs);
    change.Applied = enabled == 0 && started == 0;
  }
  return change;
}

platform::Result<ReminderChange> TurnReminderOff() {
  ReminderChange change;
  change.Command = "systemctl --user disable --now " + TimerName();
  const bool manager = UserManagerRuns();
  if (manager)
    change.Applied = platform::RunToEnd("systemctl", {"--user", "disable", "--now", TimerName()},
                                        SystemctlWaitMs) == 0;
  if (auto removed = RemoveIfThere(TimerUnitPath()); !removed)
    return platform::Failure(removed.error());
  if (auto removed = RemoveIfThere(ServiceUnitPath()); !removed)
    return platform::Failure(removed.error());
  if (manager)
    (void)platform::RunToEnd("systemctl", {"--user", "daemon-reload"}, SystemctlWaitMs);
  // With the units gone nothing fires, whatever the manager was told.
  if (!manager)
    change.Applied = true;
  if (auto stored = WriteSettings({{ReminderTimeKey, ""}}); !stored)
    return platform::Failure(stored.error());
  return change;
}

std::optional<ReminderTime> ScheduledReminder() {
  auto file = platform::ReadWholeFile(TimerUnitPath());
  if (!file)
    return std::nullopt;
  const std::string &text = file->bytes;
  const std::string_view mark = "\nOnCalendar=*-*-* ";
  const std::size_t at = text.find(mark);
  if (at == std::string::npos)
    return std::nullopt;
  const std::size_t start = at + mark.size();
  return ParseReminderTime(std::string_view(text).substr(start, 5));
}

std::string ReminderLauncher() {
  if (const char *launcher = std::getenv("SELWARTH_LAUNCHER");
      launcher != nullptr && launcher[0] == '/' && ::access(launcher, X_OK) == 0)
    return launcher;
  char self[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
  return length > 0 ? std::string(self, static_cast<std::size_t>(length)) : std::string();
}
