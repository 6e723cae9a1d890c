#pragma once

// Starting a windowed program on the Qt backend. The program's entry point
// decides whether a window is needed at all (its --help and --version are
// answered without one); this makes the Qt application under the program's
// names and icon, sets up the backend and the close signals, and runs the
// program on them. No Qt header is needed to call it.

#include <string>

struct QtProgramNames {
  // The command's name, which begins its messages ("selwarth").
  const char *command;
  // The class of its windows on X11, which the desktop entry's
  // StartupWMClass names; by default Qt would take the file name.
  const char *windowClass;
  // The installed desktop entry's name: Wayland desktops match the windows
  // to the entry (its icon and name) by it.
  const char *desktopEntry;
};

// Without any display named, says so in one line on standard error and
// returns 1, as it does when the named one cannot be opened. Otherwise runs
// run(argc, argv) with the arguments Qt leaves (its own, such as -platform,
// taken out) and returns its status.
int StartQtProgram(int argc, char **argv, const QtProgramNames &names, int (*run)(int, char **));

// text (marked in context) in the desktop's language, as UTF-8 for a
// terminal; no display is needed. English as it is when no catalog matches.
std::string InDesktopLanguage(int argc, char **argv, const char *context, const std::string &text);
