#include "content/reminder_schedule.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "content/settings.h"
#include "platform/profile.h"
#include "support/config_sandbox.h"
#include "support/run_process.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace {

TEST(ReminderScheduleTest, ATimeOfDayIsReadAsTheReaderWritesIt) {
  const std::pair<const char *, std::optional<ReminderTime>> rows[] = {
      {"07:30", ReminderTime{7, 30}},
      {"7:30", ReminderTime{7, 30}},
      {" 23:59 ", ReminderTime{23, 59}},
      {"00:00", ReminderTime{0, 0}},
      {"24:00", std::nullopt},
      {"12:60", std::nullopt},
      {"7:3", std::nullopt},
      {"7:300", std::nullopt},
      {"007:30", std::nullopt},
      {"7.30", std::nullopt},
      {"", std::nullopt},
      {":30", std::nullopt},
      {"07:30x", std::nullopt},
      {"-1:30", std::nullopt},
  };
  for (const auto &[text, time] : rows)
    EXPECT_EQ(ParseReminderTime(text), time) << "'" << text << "'";
  EXPECT_EQ(FormatReminderTime({7, 5}), "07:05");
}

// systemd itself reads the units written: "systemd-analyze --user verify"
// needs a runtime folder of the user's, which the test gives it.
std::string VerifyUnits(const std::vector<std::string> &units, const std::string &runtime) {
  std::vector<std::string> arguments = {"--user", "verify"};
  arguments.insert(arguments.end(), units.begin(), units.end());
  testsupport::ProcessOptions options;
  options.environment["XDG_RUNTIME_DIR"] = runtime;
  options.timeoutMs = 60000;
  const testsupport::ProcessResult verified =
      testsupport::RunProcess("/usr/bin/systemd-analyze", arguments, options);
  if (verified.errors.find("Failed to initialize manager") != std::string::npos)
    return "skip";
  return verified.exitStatus == 0 ? "" : verified.errors + verified.output;
}

// The reminder is set and taken away again where no user manager runs (as
// here): the units are written for systemd to read, the reader is told what
// to run, and the time is kept in the settings file.
TEST(ReminderScheduleTest, OnWritesUnitsSystemdReadsAndOffTakesThemAway) {
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir programs;
  // A launcher whose path holds what a unit file gives a meaning to.
  const std::string folder = programs.File("my 100% $HOME Bin");
  std::filesystem::create_directories(folder);
  const std::string launcher = folder + "/selwarth";
  std::ofstream(launcher) << "#!/bin/sh\nexit 0\n";
  ::chmod(launcher.c_str(), 0755);
  testsupport::ScopedEnvironment noManager("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
  testsupport::TempDir runtime;
  ::chmod(runtime.Path().c_str(), 0700);
  testsupport::ScopedEnvironment runtimeDir("XDG_RUNTIME_DIR", runtime.Path().string());

  const auto on = TurnReminderOn({7, 30}, launcher, programs.File("data 50%"));
  ASSERT_TRUE(on) << on.error();
  EXPECT_FALSE(on->Applied);
  EXPECT_EQ(
      on->Command,
      "systemctl --user daemon-reload && systemctl --user enable --now selwarth-remind.timer");
  EXPECT_EQ(ScheduledReminder(), (ReminderTime{7, 30}));
  EXPECT_EQ(TimerUnitPath(), (std::filesystem::path(sandbox.Folder()).parent_path() /
                              "systemd/user/selwarth-remind.timer")
                                 .string());
  EXPECT_EQ(platform::GetPrivateProfileString("Selwarth", ReminderTimeKey, "?", 10, SettingsFile),
            "07:30");
  std::ifstream timer(TimerUnitPath());
  const std::string timerText((std::istreambuf_iterator<char>(timer)), {});
  EXPECT_NE(timerText.find("\nOnCalendar=*-*-* 07:30:00\nPersistent=true\n"), std::string::npos);
  const std::string verified =
      VerifyUnits({TimerUnitPath(), ServiceUnitPath()}, runtime.Path().string());
  if (verified == "skip")
    std::cerr << "systemd-analyze cannot run here; the units were not verified\n";
  else
    EXPECT_EQ(verified, "");

  // A program systemd cannot name is refused before anything is written.
  for (const char *refused : {"/opt/a\"b/selwarth", "/opt/a\\b/selwarth", "selwarth"}) {
    const auto refusedOn = TurnReminderOn({9, 0}, refused, "");
    EXPECT_FALSE(refusedOn) << refused;
    EXPECT_EQ(ScheduledReminder(), (ReminderTime{7, 30})) << refused;
  }

  // A new time replaces the old.
  ASSERT_TRUE(TurnReminderOn({21, 5}, launcher, ""));
  EXPECT_EQ(ScheduledReminder(), (ReminderTime{21, 5}));

  const auto off = TurnReminderOff();
  ASSERT_TRUE(off) << off.error();
  EXPECT_FALSE(std::filesystem::exists(TimerUnitPath()));
  EXPECT_FALSE(std::filesystem::exists(ServiceUnitPath()));
  EXPECT_EQ(ScheduledReminder(), std::nullopt);
  EXPECT_EQ(platform::GetPrivateProfileString("Selwarth", ReminderTimeKey, "?", 10, SettingsFile),
            "");
  // Off again, with nothing there, is no failure.
  EXPECT_TRUE(TurnReminderOff());
}

// A service that runs a program that is not there is refused by systemd: the
// verification above can fail.
TEST(ReminderScheduleTest, SystemdRefusesAServiceWithoutItsProgram) {
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir runtime;
  ::chmod(runtime.Path().c_str(), 0700);
  testsupport::ScopedEnvironment runtimeDir("XDG_RUNTIME_DIR", runtime.Path().string());
  testsupport::ScopedEnvironment noManager("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
  ASSERT_TRUE(TurnReminderOn({7, 30}, "/nonexistent/selwarth", ""));
  const std::string verified = VerifyUnits({ServiceUnitPath()}, runtime.Path().string());
  if (verified == "skip")
    GTEST_SKIP() << "systemd-analyze cannot run here";
  EXPECT_NE(verified.find("/nonexistent/selwarth"), std::string::npos) << verified;
}

} // namespace
