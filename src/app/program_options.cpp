#include "app/program_options.h"

#include <string_view>

#include "dialogs/about_dialogs.h"
#include "platform/translatable.h"

TProgramOptions ReadProgramOptions(int argc, const char *const *argv) {
  TProgramOptions options;
  for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
    const std::string_view word = argv[i];
    if (word == "--help" || word == "-h")
      options.Help = true;
    else if (word == "--version")
      options.Version = true;
    else if (word == "--autostart")
      options.Autostart = true;
    else if (word == "--first-start" || word == "--readable-fonts")
      options.FirstStart = true;
    else if (word == "--check-display")
      options.CheckDisplay = true;
    else if (word == "--remind")
      options.Remind = true;
    else if (word == "--reminder") {
      options.Reminder.emplace(argv + i + 1, argv + argc);
      break;
    } else if (word == "--say") {
      options.Say.assign(argv + i + 1, argv + argc);
      options.Say.resize(3); // the text, %1 and %2
      break;
    } else
      options.Unrecognized.emplace_back(word);
  }
  return options;
}

std::string ProgramHelpText() {
  return TR_NOOP("Program",
                 "Usage: selwarth [--autostart] [Qt options]\n"
                 "\n"
                 "Shows the day's entry of every enabled package in the working folder\n"
                 "(the launcher selwarth starts it in ~/.local/share/selwarth).\n"
                 "\n"
                 "  --autostart   this is the start at log-in: with Every Startup off, the\n"
                 "                window stays closed when it was already shown today\n"
                 "  --first-start  the launcher's first start in a new data folder: unless\n"
                 "                set already, the default font becomes the desktop's serif\n"
                 "                at its text size, and the window two thirds of the screen\n"
                 "  --check-display  only see whether a window can be opened: exit 0 when\n"
                 "                a display answers, else say so and exit 1\n"
                 "  --remind      show today's reminder as a desktop notification, without\n"
                 "                the window (the reminder's timer runs it; see\n"
                 "                selwarth-remind)\n"
                 "  --help        show this text\n"
                 "  --version     show the version\n"
                 "\n"
                 "Qt's own options, such as -platform and -style, are accepted; any other\n"
                 "word is an error (exit status 2).\n");
}

const char *UnrecognizedOptionPattern() {
  return TR_NOOP("Program",
                 "selwarth: unrecognized argument '%1'\nTry 'selwarth --help' for the options.\n");
}

namespace {

// The launchers' messages (data/selwarth.in, data/selwarth-autostart.in),
// listed here for the translators: a shell script has no catalog of its own,
// so the launchers have the program say them (--say).
[[maybe_unused]] constexpr const char *LauncherTexts[] = {
    TR_NOOP("Launcher", "could not copy the sample %1 into %2"),
    TR_NOOP("Launcher", "could not note the sample %1 in %2"),
    TR_NOOP("Launcher", "%1 stays locked; going on without the lock"),
    TR_NOOP("Launcher", "cannot write %1; no samples copied"),
    TR_NOOP("Launcher", "cannot use the data folder %1"),
    TR_NOOP("Launcher", "usage: selwarth-autostart on|off|status"),
    TR_NOOP("Launcher", "%1 is missing"),
    TR_NOOP("Launcher", "cannot write %1"),
    TR_NOOP("Launcher", "Selwarth starts when you log in (%1)."),
    TR_NOOP("Launcher", "Selwarth no longer starts when you log in."),
};

} // namespace

std::string ProgramVersionText() {
  return std::string("selwarth ") + ProgramVersion + "\n";
}
