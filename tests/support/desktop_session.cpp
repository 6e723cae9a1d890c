#include "support/desktop_session.h"

#include <cctype>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

#include "platform/start_program.h"

namespace testsupport {
namespace {

constexpr auto StartWait = std::chrono::seconds(10);
constexpr auto StopWait = std::chrono::seconds(5);

// The LeakSanitizer suppressions of what the libraries of Qt's platforms
// (the session bus, the Wayland client) leak, not our code.
std::string SystemLeakSuppressions() {
  return SourceTree() + "/tests/support/system_leaks.supp";
}

std::vector<std::string> NeededPrograms(Desktop desktop) {
  switch (desktop) {
  case Desktop::Offscreen:
    return {};
  case Desktop::Openbox:
    return {"Xvfb", "openbox", "xprop", "xdotool", "wmctrl"};
  case Desktop::Weston:
    return {"weston"};
  }
  return {};
}

// The display number Xvfb writes on -displayfd: a whole line of digits.
std::optional<std::string> DisplayNumber(const std::string &output) {
  std::istringstream lines(output.substr(0, output.rfind('\n') + 1));
  std::string line;
  while (std::getline(lines, line)) {
    bool digits = !line.empty();
    for (char c : line)
      digits = digits && std::isdigit(static_cast<unsigned char>(c)) != 0;
    if (digits)
      return line;
  }
  return std::nullopt;
}

// Ends a program: asked first, killed when it does not go in time.
void Stop(BackgroundProcess &program) {
  program.Signal(SIGTERM);
  if (program.WaitForExit(StopWait) < 0 && program.Running()) {
    program.Signal(SIGKILL);
    program.WaitForExit(StopWait);
  }
}

} // namespace

std::string DesktopName(Desktop desktop) {
  switch (desktop) {
  case Desktop::Offscreen:
    return "offscreen";
  case Desktop::Openbox:
    return "openbox";
  case Desktop::Weston:
    return "weston";
  }
  return "?";
}

std::optional<Desktop> DesktopNamed(const std::string &name) {
  for (Desktop desktop : {Desktop::Offscreen, Desktop::Openbox, Desktop::Weston})
    if (DesktopName(desktop) == name)
      return desktop;
  return std::nullopt;
}

std::vector<std::string> MissingDesktopPrograms(Desktop desktop) {
  std::vector<std::string> missing;
  for (const std::string &program : NeededPrograms(desktop))
    if (platform::FindProgram(program).empty())
      missing.push_back(program);
  return missing;
}

DesktopSession::DesktopSession(Desktop desktop, const DesktopOptions &options) : desktop_(desktop) {
  std::vector<std::string> missing = MissingDesktopPrograms(desktop);
  if (!missing.empty())
    throw std::runtime_error("not installed: " + missing.front());
  try {
    if (desktop == Desktop::Openbox)
      StartOpenbox(options);
    else if (desktop == Desktop::Weston)
      StartWeston(options);
  } catch (...) {
    for (auto it = programs_.rbegin(); it != programs_.rend(); ++it)
      Stop(**it);
    throw;
  }
}

DesktopSession::~DesktopSession() {
  // The window manager before its server, the compositor's clients with it.
  for (auto it = programs_.rbegin(); it != programs_.rend(); ++it)
    Stop(**it);
}

void DesktopSession::StartOpenbox(const DesktopOptions &options) {
  // Xvfb picks a free display itself and writes its number on -displayfd:
  // parallel tests never race for one. -noreset: by default the server
  // resets as its last client leaves, and a client that connects meanwhile
  // (openbox, while a look with xprop ends) is refused.
  std::string screen = std::to_string(options.width) + "x" + std::to_string(options.height) + "x24";
  ProcessOptions server;
  server.endWithCaller = true;
  programs_.push_back(std::make_unique<BackgroundProcess>(
      platform::FindProgram("Xvfb"),
      std::vector<std::string>{"-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp",
                               "-noreset"},
      server));
  BackgroundProcess &xvfb = *programs_.back();
  std::optional<std::string> number;
  WaitUntil([&] { return (number = DisplayNumber(xvfb.Output())) || !xvfb.Running(); }, StartWait);
  if (!number)
    throw std::runtime_error("Xvfb did not start: " + xvfb.Output());
  display_ = ":" + *number;

  ProcessOptions shown;
  shown.environment = Environment();
  shown.endWithCaller = true;
  programs_.push_back(std::make_unique<BackgroundProcess>(
      platform::FindProgram("openbox"), std::vector<std::string>{"--sm-disable"}, shown));
  BackgroundProcess &manager = *programs_.back();
  // A window manager announces itself on the root window.
  bool managed = WaitUntil(
      [&] {
        return !manager.Running() ||
               RunX("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).output.find("window id") !=
                   std::string::npos;
      },
      StartWait);
  if (!managed || !manager.Running())
    throw std::runtime_error("openbox did not start on " + display_ + ": " + Log());
}

void DesktopSession::StartWeston(const DesktopOptions &options) {
  // The compositor's socket and lock in a private folder: the Wayland
  // display is then named by its absolute path.
  runtime_ = std::make_unique<TempDir>();
  display_ = runtime_->File("wayland-test");
  ProcessOptions compositor;
  compositor.endWithCaller = true;
  compositor.environment["XDG_RUNTIME_DIR"] = runtime_->Path().string();
  compositor.environment["WAYLAND_DISPLAY"] = "";
  compositor.environment["DISPLAY"] = "";
  programs_.push_back(std::make_unique<BackgroundProcess>(
      platform::FindProgram("weston"),
      std::vector<std::string>{"--backend=headless-backend.so", "--socket=wayland-test",
                               "--width=" + std::to_string(options.width),
                               "--height=" + std::to_string(options.height), "--use-pixman",
                               "--idle-time=0", "--no-config"},
      compositor));
  BackgroundProcess &weston = *programs_.back();
  // Clients that connect before the compositor's loop runs are served once
  // it does: the socket is enough.
  bool listening =
      WaitUntil([&] { return std::filesystem::exists(display_) || !weston.Running(); }, StartWait);
  if (!listening || !weston.Running())
    throw std::runtime_error("weston did not start: " + weston.Output());
}

std::map<std::string, std::string> DesktopSession::Environment() const {
  std::map<std::string, std::string> environment = PlatformEnvironment();
  // A program built with the sanitizers must not fail for what the
  // platform's libraries leak.
  const char *leaks = std::getenv("LSAN_OPTIONS");
  std::string options = leaks != nullptr && *leaks != 0 ? std::string(leaks) + ":" : "";
  environment["LSAN_OPTIONS"] = options + "suppressions=" + SystemLeakSuppressions();
  return environment;
}

std::map<std::string, std::string> DesktopSession::PlatformEnvironment() const {
  switch (desktop_) {
  case Desktop::Offscreen:
    return {{"QT_QPA_PLATFORM", "offscreen"}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}};
  case Desktop::Openbox:
    return {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", display_}, {"WAYLAND_DISPLAY", ""}};
  case Desktop::Weston:
    // The headless compositor has no keyboard, and Qt's Wayland text input
    // (Qt 6.4) then crashes on the key events a test sends: no input method.
    return {{"QT_QPA_PLATFORM", "wayland"},
            {"DISPLAY", ""},
            {"WAYLAND_DISPLAY", display_},
            {"QT_IM_MODULE", "none"}};
  }
  return {};
}

void DesktopSession::Enter() const {
  for (const auto &[name, value] : Environment()) {
    if (value.empty())
      unsetenv(name.c_str());
    else
      setenv(name.c_str(), value.c_str(), 1);
  }
}

ProcessResult DesktopSession::RunX(const std::string &program,
                                   const std::vector<std::string> &arguments) const {
  if (!IsX11())
    throw std::logic_error(program + " needs an X display");
  ProcessOptions options;
  options.environment["DISPLAY"] = display_;
  return RunProcess(platform::FindProgram(program), arguments, options);
}

std::vector<std::string> DesktopSession::WaitForWindows(const std::string &className,
                                                        std::chrono::milliseconds timeout) const {
  std::vector<std::string> ids;
  WaitUntil(
      [&] {
        std::istringstream found(
            RunX("xdotool", {"search", "--onlyvisible", "--class", "^" + className + "$"}).output);
        std::string id;
        while (found >> id)
          ids.push_back(id);
        return !ids.empty();
      },
      timeout);
  return ids;
}

std::string DesktopSession::Log() const {
  std::string log;
  for (const auto &program : programs_)
    log += program->Output();
  return log;
}

} // namespace testsupport
