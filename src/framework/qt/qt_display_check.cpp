#include "framework/qt/qt_display_check.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/qt/qt_translation.h"
#include "framework/translation.h"

namespace {
DisplayCheck *ActiveCheck = nullptr;
const char *ProgramName = "";
bool Named(const char *variable) {
  const char *value = std::getenv(variable);
  return value != nullptr && value[0] != '\0';
}
} // namespace

bool SomeDisplayIsNamed(int argc, const char *const *argv) {
  for (int i = 1; i < argc && argv[i] != nullptr; ++i)
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
      return true;
  return Named("QT_QPA_PLATFORM") || Named("DISPLAY") || Named("WAYLAND_DISPLAY");
}

void SayThereIsNoDisplay(const char *programName) {
  const std::string said = FormatText(
      TranslatedBeforeStart("Program", TR_NOOP("Program", "%1: cannot open a window: no display "
                                                          "could be reached (is DISPLAY or "
                                                          "WAYLAND_DISPLAY set?)")),
      {programName});
  std::fprintf(stderr, "%s\n", said.c_str());
  std::fflush(stderr);
}

DisplayCheck::DisplayCheck(const char *programName) {
  ProgramName = programName;
  ActiveCheck = this;
  previous_ = qInstallMessageHandler(&DisplayCheck::Handle);
}

DisplayCheck::~DisplayCheck() {
  qInstallMessageHandler(previous_);
  ActiveCheck = nullptr;
  for (const Held &message : held_)
    qt_message_output(
        message.type,
        QMessageLogContext(message.file, message.line, message.function, message.category),
        message.text);
}

void DisplayCheck::Handle(QtMsgType type, const QMessageLogContext &context, const QString &text) {
  if (type != QtFatalMsg) {
    ActiveCheck->held_.push_back(
        {type, context.file, context.line, context.function, context.category, text});
    return;
  }
  // The only fatal message while the application is made is the one of a
  // platform that cannot start: nothing was drawn, nothing needs saving.
  SayThereIsNoDisplay(ProgramName);
  std::_Exit(1);
}
