// The entry point of the windowed program: the options that need no window,
// the Qt backend, the module object, then the program's main routine.

#include <QApplication>
#include <cstdio>
#include <optional>
#include <string>

#include "app/program_options.h"
#include "app/run_application.h"
#include "framework/module.h"
#include "framework/qt/qt_backend.h"
#include "framework/qt/qt_close_signals.h"
#include "framework/qt/qt_display_check.h"
#include "framework/qt/qt_icons.h"

int main(int argc, char **argv) {
  // Answered before Qt starts, so that they work without a display.
  const TProgramOptions options = ReadProgramOptions(argc, argv);
  if (options.Help || options.Version) {
    const std::string text = options.Help ? ProgramHelpText() : ProgramVersionText();
    return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
  }
  if (!SomeDisplayIsNamed(argc, argv)) {
    SayThereIsNoDisplay("selwarth");
    return 1;
  }
  std::optional<DisplayCheck> displayCheck(std::in_place, "selwarth");
  QApplication qtApp(argc, argv);
  // The class of the program's windows on X11, which the desktop entry's
  // StartupWMClass names; by default Qt would take the file name.
  QCoreApplication::setApplicationName(QStringLiteral("Selwarth"));
  displayCheck.reset();
  if (options.CheckDisplay)
    return 0; // a display answered, which is all that was asked
  QApplication::setWindowIcon(ProgramWindowIcon());
  // The name of the installed desktop entry: Wayland desktops match the
  // window to the entry (its icon and name) by it.
  QGuiApplication::setDesktopFileName(QStringLiteral(SELWARTH_DESKTOP_ID));
  QtBackend backend;
  WatchCloseSignals(&backend);
  TModule &module = Module();
  for (int i = 1; i < argc; ++i)
    module.CommandLine += (i > 1 ? " " : "") + std::string(argv[i]);
  module.CmdShow = SW_SHOWNORMAL;
  return RunApplication(argc, argv);
}
