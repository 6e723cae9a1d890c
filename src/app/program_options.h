#pragma once

// The windowed program's own command-line options. Every other word is left
// to the toolkit (its -platform, -style and the like).

#include <optional>
#include <string>
#include <vector>

struct TProgramOptions {
  bool Help = false;
  bool Version = false;
  // Started by the log-in entry that selwarth-autostart writes: this start
  // is the one right after the system started, for the once-a-day rule.
  bool Autostart = false;
  // The launcher's first start in a new data folder (--first-start, once
  // --readable-fonts): a readable default font and a window of two thirds of
  // the screen (readable_fonts.h).
  bool FirstStart = false;
  // The launcher's question before a first start: whether a display
  // answers. Nothing else is done; the status says it.
  bool CheckDisplay = false;
  // --remind: today's reminder as a desktop notification, no window
  // (reminder_run.h).
  bool Remind = false;
  // --reminder and the words after it: on HH:MM, off or status
  // (reminder_command.h), for selwarth-remind.
  std::optional<std::vector<std::string>> Reminder;
  // --say and the words after it: a message of the launchers (data/), then
  // what fills its %1 and %2; said in the desktop's language, which the
  // program's catalogs hold.
  std::vector<std::string> Say;
  // Every other word: after the toolkit has taken its own, each is an
  // error.
  std::vector<std::string> Unrecognized;
};

TProgramOptions ReadProgramOptions(int argc, const char *const *argv);

// The complaint about the first unrecognized word (%1), ending in a new
// line; marked for translation (context "Program").
const char *UnrecognizedOptionPattern();

// What --help and --version print, each ending in a new line.
std::string ProgramHelpText();
std::string ProgramVersionText();
