#include "serve_with_window.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <map>
#include <memory>

#include "platform/dde.h"
#include "server.h"
#include "stop_signals.h"
#include "window_presenter.h"

namespace concordance {
namespace {

// Keeps one notifier per descriptor the DDE layer asks to watch.
class DdeWatch {
public:
  explicit DdeWatch(platform::DWORD inst) : inst_(inst) {
    platform::DdeSetWatchHook(inst_, [this] { Sync(); });
    Sync();
  }
  ~DdeWatch() { platform::DdeSetWatchHook(inst_, nullptr); }

private:
  // Called also from inside a notifier's own slot (a conversation that
  // ended): a notifier that is no longer wanted is switched off at once,
  // since its descriptor is being closed, and deleted later.
  void Sync() {
    std::vector<int> wanted = platform::DdeWatchedSockets(inst_);
    for (auto it = notifiers_.begin(); it != notifiers_.end();) {
      if (std::find(wanted.begin(), wanted.end(), it->first) == wanted.end()) {
        it->second->setEnabled(false);
        it->second.release()->deleteLater();
        it = notifiers_.erase(it);
      } else {
        ++it;
      }
    }
    for (int fd : wanted) {
      if (notifiers_.count(fd) != 0)
        continue;
      auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
      QObject::connect(notifier.get(), &QSocketNotifier::activated,
                       [this, fd] { platform::DdeSocketReady(inst_, fd); });
      notifiers_.emplace(fd, std::move(notifier));
    }
  }

  platform::DWORD inst_;
  std::map<int, std::unique_ptr<QSocketNotifier>> notifiers_;
};

} // namespace

int ServeWithWindow(const Options &options, int &argc, char **argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("selwarth-concordance");
  // Closing the window hides it; the server goes on until it is stopped.
  QApplication::setQuitOnLastWindowClosed(false);

  // Asked for a window by --window, it reports as the console does; chosen
  // by itself (as when Selwarth starts it), it shows and says nothing.
  const bool report = options.display == Options::Display::Window;
  WindowPresenter presenter(report);
  Server server(options, presenter);
  std::string error;
  if (!server.Start(error)) {
    std::cerr << "selwarth-concordance: " << error << "\n";
    return 1;
  }
  if (report)
    std::cout << "Serving \"" << options.service << "\" (passages shown in a window)" << std::endl;
  int status = 0;
  {
    DdeWatch watch(server.Instance());
    QSocketNotifier stop(StopDescriptor(), QSocketNotifier::Read);
    QObject::connect(&stop, &QSocketNotifier::activated, &application, &QApplication::quit);
    if (options.exitAfterSeconds > 0)
      QTimer::singleShot(options.exitAfterSeconds * 1000, &application, &QApplication::quit);
    if (*StopFlag() == 0)
      status = QApplication::exec();
  }
  server.Stop();
  return status;
}

} // namespace concordance
