#pragma once

// The Qt 6 Widgets backend: real windows on the desktop.

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "framework/backend.h"
#include "framework/qt/qt_wait_painter.h"

class QEventLoop;
class QtSessionBus;
class QSocketNotifier;
class QTimer;

class QtBackend : public QObject, public Backend {
  Q_OBJECT
public:
  QtBackend();
  ~QtBackend() override;

  void CreatePeer(TWindow &window) override;
  void DestroyPeer(TWindow &window) override;
  void CaptionChanged(TWindow &window) override;
  void MenuChanged(TFrameWindow &frame) override;
  void ScrollerChanged(TWindow &window) override;
  void Invalidate(TWindow &window, bool erase) override;
  void SetTopmost(TWindow &window, bool topmost) override;
  void ReadablePartsChanged(TWindow &window) override;
  TRect ClientRect(const TWindow &window) const override;
  TRect WindowRect(const TWindow &window) const override;
  TPageColors PageColors(const TWindow &window) const override;
  TSize ScreenSize() const override;
  std::vector<std::string> FontFamilies() const override;
  TFontDesc ReadableFont() const override;
  bool StartTimer(TWindow &window, unsigned id, unsigned periodMs) override;
  void StopTimer(TWindow &window, unsigned id) override;
  bool SetClipboardText(std::string_view text) override;
  bool SetClipboardUtf8(std::string_view text) override;
  std::string InterfaceLanguage() const override;
  bool PaintWhileBusy() override;
  // The session bus, connected at the first use; null when there is none.
  SessionBus *Bus() override;
  ForwardOutcome BringProgramForward(std::optional<int> processId,
                                     std::string_view windowClass) override;
  void WatchSockets(const std::vector<int> &fds, std::function<void(int)> ready) override;
  std::string Translate(const char *context, std::string_view source) const override;
  int ShowMessageBox(TWindow *owner, std::string_view text, std::string_view caption,
                     unsigned style) override;
  void RunModal(TDialog &dialog) override;
  void ControlChanged(TDialog &dialog, int id) override;
  void Activate(TWindow &window) override;
  void RunMessageLoop(TMessageQueue &queue) override;
  void MessagePosted() override;

  // Whether a modal dialog or message box of the program is waiting for its
  // user: the code that opened it is then still on the stack.
  bool InModalLoop() const { return modalDepth_ > 0; }

  // Ends the program as File/Exit does, for a close signal or the window
  // system's close of the main window: the program is asked to close
  // (close_signals.h), so that a wait ends and says nothing; open modal
  // boxes are cancelled; once the code that waited or opened them has
  // returned, the main window closes from the outermost loop.
  void CloseWhenIdle();

private:
  void DeliverPosted();
  void CloseFromOutermostLoop();

  std::map<std::pair<const TWindow *, unsigned>, QTimer *> timers_;
  std::vector<QSocketNotifier *> notifiers_;
  std::function<void(int)> socketReady_;
  TMessageQueue *queue_ = nullptr;
  QEventLoop *loop_ = nullptr;
  bool deliveryScheduled_ = false;
  int modalDepth_ = 0;
  bool closeScheduled_ = false;
  WaitPainter waitPainter_;
  std::unique_ptr<QtSessionBus> bus_;
  Backend *previous_;
  std::function<void()> previousLockWait_;
};
