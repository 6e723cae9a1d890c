// Starts as the program does and ends at its first painted frame of the
// main window (or after idling there a while), closing as File/Exit does.
// The start-up and memory benchmarks run it as a whole process. With
// "qt-first-paint" it ends the process right after that frame instead, as
// minimal_qt_probe does, so that the two are timed to the same point.
//
//   startup_probe headless|qt|qt-first-paint [IDLE_MS]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <unistd.h>

#include "app/run_application.h"
#include "app/verse_window.h"
#include "framework/application.h"
#include "framework/frame_window.h"
#include "framework/headless/headless_backend.h"
#include "framework/module.h"

#ifdef SELWARTH_BENCH_QT
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "framework/qt/qt_backend.h"
#include "framework/qt/qt_widgets.h"
#endif

namespace {

void CloseMainWindow() {
  if (TApplication *app = TheApplication(); app != nullptr && app->GetMainWindow() != nullptr)
    app->GetMainWindow()->CloseWindow();
}

int RunHeadless(int argc, char **argv, int idleMs) {
  HeadlessBackend backend;
  backend.Then([&] {
    if (MainWindowHandle != nullptr)
      backend.Paint(*MainWindowHandle);
    // Idling on the headless backend is doing nothing.
    std::this_thread::sleep_for(std::chrono::milliseconds(idleMs));
    CloseMainWindow();
  });
  return RunApplication(argc, argv);
}

#ifdef SELWARTH_BENCH_QT
// Closes the program once the main window's text has been painted (the
// close is queued, so the paint finishes first).
class FirstPaint : public QObject {
public:
  FirstPaint(int idleMs, bool endAtOnce) : idleMs_(idleMs), endAtOnce_(endAtOnce) {}
  bool eventFilter(QObject *object, QEvent *event) override {
    if (!seen_ && event->type() == QEvent::Paint && IsTextArea(object)) {
      seen_ = true;
      if (endAtOnce_)
        QTimer::singleShot(0, [] {
          std::fflush(nullptr);
          _exit(0);
        });
      else
        QTimer::singleShot(idleMs_, [] { CloseMainWindow(); });
    }
    return false;
  }

private:
  // The area a client window paints its text on.
  static bool IsTextArea(QObject *object) {
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget == nullptr)
      return false;
    for (QWidget *owner : {widget, widget->parentWidget()})
      if (auto *window = dynamic_cast<WindowWidget *>(owner); window && window->Area() == widget)
        return true;
    return false;
  }

  int idleMs_;
  bool endAtOnce_;
  bool seen_ = false;
};

int RunQt(int argc, char **argv, int idleMs, bool endAtFirstPaint) {
  QApplication qtApp(argc, argv);
  QtBackend backend;
  FirstPaint firstPaint(idleMs, endAtFirstPaint);
  qtApp.installEventFilter(&firstPaint);
  Module().CmdShow = SW_SHOWNORMAL;
  return RunApplication(argc, argv);
}
#endif

} // namespace

int main(int argc, char **argv) {
  std::string mode = argc > 1 ? argv[1] : "";
  int idleMs = argc > 2 ? std::atoi(argv[2]) : 0;
  int programArgc = 1; // the program itself is started without arguments
  if (mode == "headless")
    return RunHeadless(programArgc, argv, idleMs);
#ifdef SELWARTH_BENCH_QT
  if (mode == "qt" || mode == "qt-first-paint")
    return RunQt(programArgc, argv, idleMs, mode == "qt-first-paint");
#endif
  return 2;
}
