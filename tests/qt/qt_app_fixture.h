#pragma once

// The one QApplication of the Qt tests (Qt allows one a process), under the
// offscreen platform or on a desktop the test starts (see below).

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "app/qx_app.h"
#include "framework/application.h"
#include "framework/qt/qt_backend.h"
#include "support/background_process.h"
#include "support/desktop_session.h"
#include "support/run_process.h"

namespace testsupport {

// The contrast of two colours, as the accessibility guidelines measure it.
inline double Contrast(const QColor &a, const QColor &b) {
  auto luminance = [](const QColor &c) {
    auto linear = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  double lighter = std::max(luminance(a), luminance(b));
  double darker = std::min(luminance(a), luminance(b));
  return (lighter + 0.05) / (darker + 0.05);
}

// The desktop the Qt tests run on: SELWARTH_TEST_DESKTOP names it
// ("openbox", "weston"; offscreen when unset). The desktop is started
// before the first test and stopped after the last, inside main: among the
// static destructors Qt's own globals are already gone.
class QtAppEnvironment : public testing::Environment {
public:
  static QApplication *&App() {
    static QApplication *app = nullptr;
    return app;
  }
  static std::unique_ptr<DesktopSession> &Session() {
    static std::unique_ptr<DesktopSession> session;
    return session;
  }
  void SetUp() override {
    const char *name = std::getenv("SELWARTH_TEST_DESKTOP");
    if (name == nullptr || *name == 0)
      return;
    std::optional<Desktop> desktop = DesktopNamed(name);
    ASSERT_TRUE(desktop) << "no desktop is called " << name;
    std::vector<std::string> missing = MissingDesktopPrograms(*desktop);
    if (!missing.empty())
      GTEST_SKIP() << name << " cannot be started: " << missing.front()
                   << " is not installed (scripts/install-deps.sh installs it)";
    Session() = std::make_unique<DesktopSession>(*desktop);
    Session()->Enter();
  }
  void TearDown() override {
    delete App();
    App() = nullptr;
    Session().reset();
  }
};

inline testing::Environment *const QtAppTeardown =
    testing::AddGlobalTestEnvironment(new QtAppEnvironment);

// The desktop the tests run on.
inline Desktop TestDesktop() {
  const auto &session = QtAppEnvironment::Session();
  return session ? session->Kind() : Desktop::Offscreen;
}

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

// Runs the program on the Qt backend, on program; check runs once its main
// window shows (a test failure when none does), then the program closes.
inline void RunShownProgram(TProgram &program, const std::function<void(QMainWindow &)> &check) {
  QtBackend backend;
  TQXApp app(program);
  QTimer::singleShot(300, [&] {
    if (QMainWindow *frame = ShownFrame(); frame != nullptr)
      check(*frame);
    else
      ADD_FAILURE() << "no main window";
    TheApplication()->GetMainWindow()->CloseWindow(0);
  });
  EXPECT_EQ(app.Run(), 0);
  DeleteDeferredWidgets();
}

// The ways a program running on an X desktop is closed from outside: the
// window manager's key, its close request as the title bar's button and the
// task bars send it (_NET_CLOSE_WINDOW), and the session's SIGTERM.
struct ProgramClose {
  const char *name;
  void (*close)(const DesktopSession &session, BackgroundProcess &program,
                const std::string &window);
};
inline const std::vector<ProgramClose> &ProgramCloses() {
  static const std::vector<ProgramClose> closes = {
      {"AltF4",
       [](const DesktopSession &session, BackgroundProcess &, const std::string &window) {
         session.RunX("xdotool", {"windowactivate", "--sync", window, "key", "alt+F4"});
       }},
      {"CloseButton",
       [](const DesktopSession &session, BackgroundProcess &, const std::string &window) {
         session.RunX("wmctrl", {"-i", "-c", window});
       }},
      {"Sigterm", [](const DesktopSession &, BackgroundProcess &program,
                     const std::string &) { program.Signal(SIGTERM); }},
  };
  return closes;
}

// Waits until program has ended; whether a window whose name holds title
// showed on session meanwhile.
inline bool ShownUntilEnd(const DesktopSession &session, BackgroundProcess &program,
                          const std::string &title) {
  bool shown = false;
  WaitUntil(
      [&] {
        shown =
            shown ||
            !session.RunX("xdotool", {"search", "--onlyvisible", "--name", title}).output.empty();
        return !program.Running();
      },
      std::chrono::seconds(30));
  return shown;
}

// Copies the sample packages of the build into the folder to.
inline void CopySamples(const std::filesystem::path &to) {
  std::filesystem::path samples = std::filesystem::path(BuiltProgram("")) / ".." / "samples";
  for (const auto &entry : std::filesystem::directory_iterator(samples))
    std::filesystem::copy_file(entry.path(), to / entry.path().filename());
}

// <build>/screenshots, where the Qt tests leave pictures to look at; those
// taken on another desktop or scale in a folder of their own (openbox,
// weston, offscreen_scale2, ...).
inline std::filesystem::path ScreenshotFolder() {
  std::filesystem::path folder = std::filesystem::path(BuiltProgram("")) / ".." / "screenshots";
  std::string where = TestDesktop() == Desktop::Offscreen ? "" : DesktopName(TestDesktop());
  if (const char *scale = std::getenv("QT_SCALE_FACTOR"); scale != nullptr && *scale != 0)
    where = (where.empty() ? "offscreen" : where) + "_scale" + scale;
  if (const char *dpi = std::getenv("QT_FONT_DPI"); dpi != nullptr && *dpi != 0)
    where = (where.empty() ? "offscreen" : where) + "_dpi" + dpi;
  if (!where.empty())
    folder /= where;
  std::filesystem::create_directories(folder);
  return folder;
}

} // namespace testsupport
