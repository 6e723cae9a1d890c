#include "framework/qt/qt_program_start.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "framework/qt/qt_backend.h"
#include "framework/qt/qt_close_signals.h"
#include "framework/qt/qt_display_check.h"
#include "framework/qt/qt_icons.h"
#include "framework/qt/qt_translation.h"
#include "framework/translation.h"
#include "platform/session_bus_probe.h"

std::string InDesktopLanguage(int argc, char **argv, const char *context, const std::string &text) {
  QCoreApplication core(argc, argv);
  return TranslatedBeforeStart(context, text);
}

namespace {

// How long the session bus may take to answer before the program goes on
// without it: a bus answers in a millisecond, a busy machine's in a few.
constexpr int BusAnswerMs = 3000;

// Qt's first use of the session bus, as the window is shown (to find the
// screen readers' bus), waits for an answer without a bound: a bus that
// takes connections and never answers is not used at all.
void LeaveASilentBus(const char *programName) {
  if (platform::ProbeSessionBus(BusAnswerMs) != platform::BusProbe::Silent)
    return;
  const std::string said = FormatText(
      TranslatedBeforeStart("Program", TR_NOOP("Program", "%1: the session bus does not answer; "
                                                          "going on without it (no screen "
                                                          "reader, no Xiphos)")),
      {programName});
  std::fprintf(stderr, "%s\n", said.c_str());
  std::fflush(stderr);
  // An address the bus library refuses at once.
  setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

} // namespace

int StartQtProgram(int argc, char **argv, const QtProgramNames &names, int (*run)(int, char **)) {
  if (!SomeDisplayIsNamed(argc, argv)) {
    SayThereIsNoDisplay(names.command);
    return 1;
  }
  LeaveASilentBus(names.command);
  std::optional<DisplayCheck> displayCheck(std::in_place, names.command);
  // The menu bar stays in the window. A menu bar of the desktop's would be
  // looked for on the session bus as the window is made, and a bus that
  // does not answer would keep the window from ever showing.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
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
