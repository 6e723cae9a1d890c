// The entry point of the windowed program: the Qt backend, the module
// object, then the program's main routine.

#include <QApplication>
#include <string>

#include "app/run_application.h"
#include "framework/module.h"
#include "framework/qt/qt_backend.h"
#include "framework/qt/qt_close_signals.h"
#include "framework/qt/qt_icons.h"

int main(int argc, char **argv) {
  QApplication qtApp(argc, argv);
  // The class of the program's windows on X11, which the desktop entry's
  // StartupWMClass names; by default Qt would take the file name.
  QCoreApplication::setApplicationName(QStringLiteral("Selwarth"));
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
