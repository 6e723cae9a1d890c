#pragma once

// A desktop of its own for a test: an X server (Xvfb) with the openbox
// window manager, or a Wayland compositor (weston's headless backend). The
// session is started by the test, ready when Start returns, and stopped
// (its programs ended and reaped, within bounded waits) when the object
// goes away. Programs are shown on it by giving them Environment(), or, for
// a QApplication made later in this process, by Enter().

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/background_process.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace testsupport {

enum class Desktop {
  Offscreen, // Qt's offscreen platform: nothing to start
  Openbox,   // Xvfb with the openbox window manager, Qt's xcb platform
  Weston,    // weston --backend=headless-backend.so, Qt's wayland platform
};

// "offscreen", "openbox", "weston"; and back (nullopt for another name).
std::string DesktopName(Desktop desktop);
std::optional<Desktop> DesktopNamed(const std::string &name);

// The programs the desktop needs that are not installed (by name), empty
// when it can be started. A test skips only for this reason.
std::vector<std::string> MissingDesktopPrograms(Desktop desktop);

struct DesktopOptions {
  int width = 1280;
  int height = 1024;
};

class DesktopSession {
public:
  // Starts the desktop and waits until it takes windows; throws
  // std::runtime_error (with what it printed) when it does not come up
  // within ten seconds, or when a program of MissingDesktopPrograms lacks.
  explicit DesktopSession(Desktop desktop, const DesktopOptions &options = {});
  ~DesktopSession();
  DesktopSession(const DesktopSession &) = delete;
  DesktopSession &operator=(const DesktopSession &) = delete;

  Desktop Kind() const { return desktop_; }
  bool IsX11() const { return desktop_ == Desktop::Openbox; }

  // What a Qt program needs to show its windows on this desktop:
  // QT_QPA_PLATFORM, and DISPLAY (":N") or WAYLAND_DISPLAY (the socket's
  // absolute path); the other one empty, so that nothing reaches the
  // desktop the tests were started from; LSAN_OPTIONS with the
  // suppressions of system_leaks.supp. Add it to ProcessOptions.
  std::map<std::string, std::string> Environment() const;
  // Sets Environment() in this process (for a QApplication made after it).
  void Enter() const;

  // X11 only: runs an X client (xdotool, xprop, xwininfo, xclip) on this
  // display and returns what it printed.
  ProcessResult RunX(const std::string &program, const std::vector<std::string> &arguments) const;
  // X11 only: the ids of the visible top-level windows whose WM_CLASS
  // class is className, polled until there is one or timeout passes.
  std::vector<std::string> WaitForWindows(const std::string &className,
                                          std::chrono::milliseconds timeout) const;

  // What the desktop's programs printed so far, for a failure message.
  std::string Log() const;

private:
  std::map<std::string, std::string> PlatformEnvironment() const;
  void StartOpenbox(const DesktopOptions &options);
  void StartWeston(const DesktopOptions &options);

  Desktop desktop_;
  std::string display_; // ":N" or the Wayland socket's path
  std::unique_ptr<TempDir> runtime_;
  std::vector<std::unique_ptr<BackgroundProcess>> programs_; // in start order
};

} // namespace testsupport
