#include "framework/qt/qt_program_start.h"

#include <QApplication>
#include <optional>

#include "framework/qt/qt_backend.h"
#include "framework/qt/qt_close_signals.h"
#include "framework/qt/qt_display_check.h"
#include "framework/qt/qt_icons.h"
#include "framework/qt/qt_translation.h"

std::string InDesktopLanguage(int argc, char **argv, const char *context, const std::string &text) {
  QCoreApplication core(argc, argv);
  return TranslatedBeforeStart(context, text);
}

int StartQtProgram(int argc, char **argv, const QtProgramNames &names, int (*run)(int, char **)) {
  if (!SomeDisplayIsNamed(argc, argv)) {
    SayThereIsNoDisplay(names.command);
    return 1;
  }
  std::optional<DisplayCheck> displayCheck(std::in_place, names.command);
  QApplication qtApp(argc, argv);
  QCoreApplication::setApplicationName(QString::fromUtf8(names.windowClass));
  displayCheck.reset();
  LoadInterfaceLanguage();
  QApplication::setWindowIcon(ProgramWindowIcon());
  QGuiApplication::setDesktopFileName(QString::fromUtf8(names.desktopEntry));
  QtBackend backend;
  WatchCloseSignals(&backend);
  return run(argc, argv);
}
