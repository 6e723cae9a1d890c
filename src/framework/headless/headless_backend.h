#pragma once

// A backend without a screen, for tests: it records the windows that exist,
// their captions, menus, timers and what they paint, and plays a scripted
// user. Whenever the program has nothing left to do, the loop performs the
// next scripted action; when the script is used up, the user closes the main
// window.

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/accelerator.h"
#include "framework/backend.h"
#include "framework/headless/headless_dc.h"

class HeadlessBackend : public Backend {
public:
  HeadlessBackend();
  ~HeadlessBackend() override;

  // Queues an action of the scripted user.
  void Then(std::function<void()> action);
  // Queues what the scripted user does in the next modal run of the dialog
  // of the given template; the dialog is cancelled (Escape) when its steps
  // are used up and it is still open.
  void InDialog(const std::string &templateName, std::function<void(TDialog &)> step);
  // Answers SIGTERM, SIGINT and SIGHUP as the Qt backend does: the program
  // is asked to close (close_signals.h), so a wait ends and the open modal
  // dialogs are cancelled; the main window is closed at the next turn of
  // the outermost loop.
  void WatchCloseSignals();
  // Modal dialogs run so far, by template name.
  const std::vector<std::string> &DialogsRun() const { return dialogsRun_; }

  // --- What the backend shows.
  bool Shows(const TWindow &window) const { return peers_.contains(&window); }
  std::string CaptionOf(const TWindow &window) const;
  bool IsTopmost(const TWindow &window) const;
  // The window that last got the keyboard focus through Activate.
  const TWindow *ActiveWindow() const { return active_; }
  std::size_t WindowCount() const { return peers_.size(); }
  // Every window ever shown, by caption, in order of creation.
  const std::vector<std::string> &CreatedCaptions() const { return created_; }
  // A message box that was shown.
  struct ShownMessage {
    std::string Text;
    std::string Caption;
    unsigned Style;
  };
  const std::vector<ShownMessage> &Messages() const { return messages_; }
  // The answer to give the next message box; without one the first button
  // (OK or Yes) is taken.
  void AnswerNextMessage(int answer) { answers_.push_back(answer); }
  // How often a window was invalidated, and whether the last asked to erase.
  int InvalidationsOf(const TWindow &window) const;
  bool LastInvalidationErased(const TWindow &window) const;
  int MenuRedraws() const { return menuRedraws_; }
  const std::string &ClipboardText() const { return clipboard_; }

  // --- What the scripted user does.
  // Paints the window now, as the system would after an invalidation.
  HeadlessDC Paint(TWindow &window);
  // Resizes a top-level window; its client gets WM_SIZE.
  void Resize(TWindow &frame, int width, int height);
  // Chooses a menu item of the frame (after the menu's enabling query).
  void ChooseMenuItem(TFrameWindow &frame, unsigned id);
  // Presses a key in the frame (TFrameWindow::KeyDown).
  void PressKey(TFrameWindow &frame, TKeyPress key);
  void DoubleClick(TWindow &window);
  // Lets a timer's period pass: WM_TIMER is posted if the timer runs.
  bool FireTimer(TWindow &window, unsigned id);
  bool HasTimer(const TWindow &window, unsigned id) const;
  void SetScreenSize(TSize size) { screen_ = size; }
  void RefuseTimers(bool refuse) { refuseTimers_ = refuse; }
  void SetClipboardBusy(bool busy) { clipboardBusy_ = busy; }
  // The language the interface is shown in ("en" until set).
  std::string InterfaceLanguage() const override { return language_; }
  void SetInterfaceLanguage(std::string language) { language_ = std::move(language); }
  // Presses Escape once, in the first wait for a DDE partner that is still
  // going on after the given time from now.
  void PressEscapeWhileBusy(std::chrono::milliseconds after) {
    escapeAt_ = std::chrono::steady_clock::now() + after;
  }
  // Does action once, in the first wait for a partner that is still going
  // on after the given time from now (a signal raised there is answered
  // before the wait goes on).
  void WhileBusy(std::chrono::milliseconds after, std::function<void()> action) {
    whileBusy_.emplace(std::chrono::steady_clock::now() + after, std::move(action));
  }

  // --- Backend.
  void CreatePeer(TWindow &window) override;
  void DestroyPeer(TWindow &window) override;
  void CaptionChanged(TWindow &window) override;
  void MenuChanged(TFrameWindow &frame) override;
  void ScrollerChanged(TWindow &) override {}
  void Invalidate(TWindow &window, bool erase) override;
  void SetTopmost(TWindow &window, bool topmost) override;
  TRect ClientRect(const TWindow &window) const override;
  TRect WindowRect(const TWindow &window) const override;
  TSize ScreenSize() const override { return screen_; }
  std::vector<std::string> FontFamilies() const override { return fonts_; }
  void SetFontFamilies(std::vector<std::string> fonts) { fonts_ = std::move(fonts); }
  TFontDesc ReadableFont() const override { return readableFont_; }
  void SetReadableFont(TFontDesc font) { readableFont_ = std::move(font); }
  bool StartTimer(TWindow &window, unsigned id, unsigned periodMs) override;
  void StopTimer(TWindow &window, unsigned id) override;
  bool SetClipboardText(std::string_view text) override;
  // Nothing is painted without the scripted user; Escape is pressed when
  // the user was told to (PressEscapeWhileBusy); a close signal ends the
  // wait.
  bool PaintWhileBusy() override;
  // The bus a test puts in place of the session's (none at first).
  SessionBus *Bus() override { return bus_; }
  void SetBus(SessionBus *bus) { bus_ = bus; }
  // Notes each program whose window was to be brought forward ("pid 42" or
  // "class xiphos") and answers as SetForwardOutcome says (Asked at first).
  ForwardOutcome BringProgramForward(std::optional<int> processId,
                                     std::string_view windowClass) override;
  const std::vector<std::string> &BroughtForward() const { return broughtForward_; }
  void SetForwardOutcome(ForwardOutcome outcome) { forwardOutcome_ = outcome; }
  void WatchSockets(const std::vector<int> &fds, std::function<void(int)> ready) override;
  // Delivers what the watched sockets have, waiting up to timeoutMs for the
  // first; false when nothing was ready.
  bool PollSockets(int timeoutMs);
  const std::vector<int> &WatchedSockets() const { return watched_; }
  int ShowMessageBox(TWindow *owner, std::string_view text, std::string_view caption,
                     unsigned style) override;
  void RunModal(TDialog &dialog) override;
  void ControlChanged(TDialog &, int) override {}
  void Activate(TWindow &window) override { active_ = &window; }
  void RunMessageLoop(TMessageQueue &queue) override;
  void MessagePosted() override {}

private:
  // Asks the program to close when a close signal came.
  void TakeCloseSignal();

  struct Peer {
    std::string caption;
    TRect rect;
    bool topmost = false;
    int invalidations = 0;
    bool lastErase = false;
  };
  std::map<const TWindow *, Peer> peers_;
  std::map<std::pair<const TWindow *, unsigned>, unsigned> timers_;
  std::vector<std::string> created_;
  std::deque<std::function<void()>> script_;
  std::map<std::string, std::deque<std::function<void(TDialog &)>>> dialogSteps_;
  std::vector<std::string> dialogsRun_;
  const TWindow *active_ = nullptr;
  SessionBus *bus_ = nullptr;
  std::vector<std::string> broughtForward_;
  ForwardOutcome forwardOutcome_ = ForwardOutcome::Asked;
  std::vector<ShownMessage> messages_;
  std::deque<int> answers_;
  std::string clipboard_;
  std::vector<int> watched_;
  std::function<void(int)> socketReady_;
  TSize screen_{1024, 768};
  std::vector<std::string> fonts_{"System", "DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono"};
  TFontDesc readableFont_;
  int menuRedraws_ = 0;
  bool refuseTimers_ = false;
  std::string language_ = "en";
  bool clipboardBusy_ = false;
  int closeSignals_ = -1;
  bool closePending_ = false; // the main window is to close in the outermost loop
  std::optional<std::chrono::steady_clock::time_point> escapeAt_;
  std::optional<std::pair<std::chrono::steady_clock::time_point, std::function<void()>>> whileBusy_;
  Backend *previous_;
};
