#pragma once

// The one QApplication of the Qt tests (Qt allows one a process), under the
// offscreen platform unless the environment asks for another.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <cstdlib>
#include <filesystem>

#include "support/run_process.h"

namespace testsupport {

// Takes the application down after the last test, inside main: among the
// static destructors Qt's own globals are already gone.
class QtAppEnvironment : public testing::Environment {
public:
  static QApplication *&App() {
    static QApplication *app = nullptr;
    return app;
  }
  void TearDown() override {
    delete App();
    App() = nullptr;
  }
};

inline testing::Environment *const QtAppTeardown =
    testing::AddGlobalTestEnvironment(new QtAppEnvironment);

// The application, made on first use.
inline QApplication &QtApp() {
  QApplication *&app = QtAppEnvironment::App();
  if (app == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "selwarth";
    static char *argv[] = {name, nullptr};
    app = new QApplication(argc, argv);
  }
  return *app;
}

// Deletes the widgets whose deletion was deferred (peers of destroyed
// windows), as an event loop would.
inline void DeleteDeferredWidgets() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The main window on the screen, if one shows.
inline QMainWindow *ShownFrame() {
  for (QWidget *top : QApplication::topLevelWidgets())
    if (auto *frame = qobject_cast<QMainWindow *>(top); frame != nullptr && frame->isVisible())
      return frame;
  return nullptr;
}

// <build>/screenshots, where the Qt tests leave pictures to look at.
inline std::filesystem::path ScreenshotFolder() {
  std::filesystem::path folder = std::filesystem::path(BuiltProgram("")) / ".." / "screenshots";
  std::filesystem::create_directories(folder);
  return folder;
}

} // namespace testsupport
