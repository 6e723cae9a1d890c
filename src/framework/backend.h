#pragma once

// The backend renders the framework's windows and feeds user input back. The
// framework owns the state of every window; a backend only mirrors it and
// turns what the user does into messages. The Qt backend shows real
// windows; the headless backend records what would be shown and lets a test
// script the user.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/dc.h"

class TDialog;
class TFrameWindow;
class TMessageQueue;
class TWindow;
class SessionBus;

enum class ForwardOutcome {
  Asked,       // the window manager was asked to activate the window
  NoWindow,    // the program has no window this backend can find
  NotPossible, // this desktop lets no program bring another's window forward
};

class Backend {
public:
  virtual ~Backend() = default;

  // The window now exists in the framework; make and show its peer (a
  // top-level window at its Attr place, a child inside its parent).
  virtual void CreatePeer(TWindow &window) = 0;
  // The window is going away; drop its peer.
  virtual void DestroyPeer(TWindow &window) = 0;
  // The window's caption changed.
  virtual void CaptionChanged(TWindow &window) = 0;
  // The frame's menu was assigned, removed or changed (DrawMenuBar).
  virtual void MenuChanged(TFrameWindow &frame) = 0;
  // The window's scroller changed range or position.
  virtual void ScrollerChanged(TWindow &window) = 0;
  // The window needs painting; erase: clear its background first.
  virtual void Invalidate(TWindow &window, bool erase) = 0;
  // Keeps a top-level window above all others, or not.
  virtual void SetTopmost(TWindow &window, bool topmost) = 0;
  // The window's readable parts changed (a screen reader is told); a
  // backend without screen readers ignores it.
  virtual void ReadablePartsChanged(TWindow &) {}

  // The client area of a window and its rectangle on the screen.
  virtual TRect ClientRect(const TWindow &window) const = 0;
  virtual TRect WindowRect(const TWindow &window) const = 0;
  // The desktop's colours for the page a window shows (a backend without a
  // theme gives black on white).
  virtual TPageColors PageColors(const TWindow &) const { return TPageColors{}; }
  // The size of the screen in pixels.
  virtual TSize ScreenSize() const = 0;
  // The face name of every font family of the screen, once each (code page
  // 1252; families whose names it cannot hold are left out).
  virtual std::vector<std::string> FontFamilies() const = 0;
  // A font to read text in comfortably: the desktop's serif family at about
  // the height of the desktop's own text (a cell height, as TFontDesc
  // holds). A backend that cannot tell gives the plain default.
  virtual TFontDesc ReadableFont() const { return TFontDesc{}; }

  // Starts or replaces a timer that posts WM_TIMER with id to window every
  // periodMs; false when no timer is available.
  virtual bool StartTimer(TWindow &window, unsigned id, unsigned periodMs) = 0;
  virtual void StopTimer(TWindow &window, unsigned id) = 0;

  // Watches sockets for reading on the GUI thread: ready(fd) is called from
  // the message loop (and from modal runs) whenever one of fds can be read.
  // A new call replaces the set; an empty set stops watching.
  virtual void WatchSockets(const std::vector<int> &fds, std::function<void(int)> ready) = 0;

  // Paints what needs painting now, and does nothing else: no input, no
  // posted message, no timer's or socket's work, no close reaches the
  // program (input waits until the program is idle again). Called every few
  // milliseconds while the program waits for a DDE partner, so that its
  // windows do not go blank. True when the user pressed Escape meanwhile,
  // or the program was asked to close (close_signals.h): the wait is to end
  // at once.
  virtual bool PaintWhileBusy() = 0;

  // The desktop session's message bus; null when this backend has none.
  virtual SessionBus *Bus() { return nullptr; }
  // Brings the window of another program forward and gives it the focus,
  // where the desktop lets a program do so: the window of the process
  // processId, else one of the window class windowClass (the class or
  // instance part of X11's WM_CLASS).
  virtual ForwardOutcome BringProgramForward(std::optional<int> processId,
                                             std::string_view windowClass) {
    (void)processId;
    (void)windowClass;
    return ForwardOutcome::NotPossible;
  }

  // Puts text (code page 1252, CR LF line ends) on the clipboard; false when
  // the clipboard is held by someone else.
  virtual bool SetClipboardText(std::string_view text) = 0;
  // The same for UTF-8 text (a document's).
  virtual bool SetClipboardUtf8(std::string_view text) { return SetClipboardText(text); }

  // The language the interface is shown in ("es", "de"; "en" for English).
  virtual std::string InterfaceLanguage() const { return "en"; }

  // Shows a modal message box (style: the MB_ bits) and returns the button
  // chosen (IDOK, IDYES, ...). The text is code page 1252 bytes.
  virtual int ShowMessageBox(TWindow *owner, std::string_view text, std::string_view caption,
                             unsigned style) = 0;

  // The translation of source (code page 1252) in context for the language
  // the interface is shown in; source itself where there is none.
  virtual std::string Translate(const char *, std::string_view source) const {
    return std::string(source);
  }

  // Runs a created dialog modally: delivers user input and posted messages
  // until the dialog has ended.
  virtual void RunModal(TDialog &dialog) = 0;
  // A control's state (text, check, items, selection, enabled) changed.
  virtual void ControlChanged(TDialog &dialog, int id) = 0;
  // Gives the keyboard focus to a top-level window.
  virtual void Activate(TWindow &window) = 0;

  // Waits for user input and delivers it and the posted messages until a
  // quit is posted.
  virtual void RunMessageLoop(TMessageQueue &queue) = 0;
  // A message was posted: wake the loop if it waits.
  virtual void MessagePosted() = 0;
};

// The backend in use; the program's entry point or a test sets it.
void SetBackend(Backend *backend);
bool HasBackend();
Backend &CurrentBackend();
