// The entry point of the windowed program: the options that need no window,
// then the program's main routine on the Qt backend.

#include <cstdio>
#include <string>

#include "app/program_options.h"
#include "app/reminder_command.h"
#include "app/reminder_run.h"
#include "app/run_application.h"
#include "content/reminder_schedule.h"
#include "framework/module.h"
#include "framework/qt/qt_program_start.h"
#include "framework/qt/qt_translation.h"
#include "framework/qt/qt_windowless_start.h"
#include "framework/translation.h"

namespace {

// What the toolkit left of the command line must be the program's own
// options; a word nobody took is said, and is a usage error.
bool OnlyOwnOptionsAreLeft(int argc, char **argv) {
  const TProgramOptions left = ReadProgramOptions(argc, argv);
  if (left.Unrecognized.empty())
    return true;
  // As UTF-8 for a terminal, the word as it was given.
  const std::string said = FormatText(TranslatedBeforeStart("Program", UnrecognizedOptionPattern()),
                                      {left.Unrecognized.front()});
  std::fputs(said.c_str(), stderr);
  return false;
}

constexpr int UsageStatus = 2;

// The words after --reminder, for the run without a window.
std::vector<std::string> ReminderWordsGiven;

int RunReminderWithoutWindow(WindowlessWords words, DesktopNotifications &notifications) {
  return RunReminder({notifications, words, SELWARTH_DESKTOP_ID, ReminderLauncher()});
}

int RunReminderCommandWithoutWindow(WindowlessWords words, DesktopNotifications &) {
  return RunReminderCommand(ReminderWordsGiven, words);
}

// The main routine, once the backend is up: the module object keeps the
// arguments the toolkit left.
int RunProgram(int argc, char **argv) {
  if (!OnlyOwnOptionsAreLeft(argc, argv))
    return UsageStatus;
  TModule &module = Module();
  for (int i = 1; i < argc; ++i)
    module.CommandLine += (i > 1 ? " " : "") + std::string(argv[i]);
  module.CmdShow = SW_SHOWNORMAL;
  return RunApplication(argc, argv);
}

} // namespace

int main(int argc, char **argv) {
  // Answered before the toolkit starts, so that they work without a display.
  const TProgramOptions options = ReadProgramOptions(argc, argv);
  if (options.Help || options.Version || !options.Say.empty()) {
    const std::vector<std::string> &say = options.Say;
    const std::string text =
        options.Help ? InDesktopLanguage(argc, argv, "Program", ProgramHelpText())
        : options.Version
            ? ProgramVersionText()
            : FormatText(InDesktopLanguage(argc, argv, "Launcher", say[0]), {say[1], say[2]}) +
                  "\n";
    return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
  }
  // The reminder and its schedule need no display.
  if (options.Reminder) {
    ReminderWordsGiven = *options.Reminder;
    return StartWithoutWindow(argc, argv, RunReminderCommandWithoutWindow);
  }
  if (options.Remind)
    return StartWithoutWindow(argc, argv, RunReminderWithoutWindow);
  const QtProgramNames names{"selwarth", "Selwarth", SELWARTH_DESKTOP_ID};
  // The launcher's question before a first start: the toolkit coming up on
  // a display that answers is the whole answer.
  if (options.CheckDisplay)
    return StartQtProgram(argc, argv, names, [](int argc, char **argv) {
      return OnlyOwnOptionsAreLeft(argc, argv) ? 0 : UsageStatus;
    });
  return StartQtProgram(argc, argv, names, RunProgram);
}
