// selwarth-concordance: a stand-in concordance program that answers
// Selwarth's concordance link over DDE.

#include <cstdlib>
#include <iostream>

#include "console_presenter.h"
#include "options.h"
#include "server.h"
#include "stop_signals.h"
#ifdef SELWARTH_CONCORDANCE_WINDOW
#include "serve_with_window.h"
#endif

namespace {

#ifdef SELWARTH_CONCORDANCE_WINDOW
bool Set(const char *name) {
  const char *value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

bool HasDisplay() {
  return Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}
#endif

// Whether passages go to a window; false with a message in error when a
// window was asked for and cannot be had.
bool UseWindow(const concordance::Options &options, std::string &error) {
  using Display = concordance::Options::Display;
#ifdef SELWARTH_CONCORDANCE_WINDOW
  if (options.display == Display::Automatic)
    return concordance::PassageLibrary::Available() && HasDisplay();
  // QT_QPA_PLATFORM names a platform without a display (offscreen).
  if (options.display == Display::Window && !HasDisplay() && !Set("QT_QPA_PLATFORM"))
    error = "--window: there is no display to show a window on (DISPLAY is not set)";
  return options.display == Display::Window;
#else
  if (options.display == Display::Window)
    error = "--window: this build has no window (it was built without Qt)";
  return false;
#endif
}

int ServeInConsole(const concordance::Options &options) {
  concordance::ConsolePresenter presenter(options.verseText);
  concordance::Server server(options, presenter);
  std::string error;
  if (!server.Start(error)) {
    std::cerr << "selwarth-concordance: " << error << "\n";
    return 1;
  }
  std::cout << "Serving \"" << options.service << "\"" << std::endl;
  server.Run(concordance::StopFlag());
  server.Stop();
  return 0;
}

} // namespace

int main(int argc, char *argv[]) {
  std::string error;
  std::optional<concordance::Options> options = concordance::ParseOptions(argc, argv, error);
  if (!options) {
    std::cerr << "selwarth-concordance: " << error << "\n";
    return 2;
  }
  if (options->help) {
    std::cout << concordance::HelpText;
    return 0;
  }
  bool window = UseWindow(*options, error);
  if (!error.empty()) {
    std::cerr << "selwarth-concordance: " << error << "\n";
    return 2;
  }
  if (!concordance::InstallStopSignals()) {
    std::cerr << "selwarth-concordance: cannot set up signal handling\n";
    return 1;
  }
#ifdef SELWARTH_CONCORDANCE_WINDOW
  if (window)
    return concordance::ServeWithWindow(*options, argc, argv);
#endif
  (void)window;
  return ServeInConsole(*options);
}
