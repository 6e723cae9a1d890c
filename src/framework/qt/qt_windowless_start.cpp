#include "framework/qt/qt_windowless_start.h"

#include <QCoreApplication>

#include "framework/qt/qt_notifications.h"
#include "framework/qt/qt_translation.h"

namespace {

std::string DesktopWords(const char *context, const char *text) {
  return TranslatedBeforeStart(context, text);
}

} // namespace

int StartWithoutWindow(int argc, char **argv,
                       int (*run)(WindowlessWords words, DesktopNotifications &notifications)) {
  QCoreApplication core(argc, argv);
  QtNotifications notifications;
  return run(DesktopWords, notifications);
}
