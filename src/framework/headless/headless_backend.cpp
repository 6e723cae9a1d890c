#include "framework/headless/headless_backend.h"

#include <poll.h>

#include "framework/application.h"
#include "framework/close_signals.h"
#include "framework/dialog.h"
#include "framework/frame_window.h"
#include "framework/message_box.h"
#include "framework/message_queue.h"
#include "framework/response_table.h"
#include "framework/window.h"

HeadlessBackend::HeadlessBackend() : previous_(HasBackend() ? &CurrentBackend() : nullptr) {
  SetBackend(this);
}

HeadlessBackend::~HeadlessBackend() {
  SetBackend(previous_);
}

void HeadlessBackend::Then(std::function<void()> action) {
  script_.push_back(std::move(action));
}

void HeadlessBackend::InDialog(const std::string &templateName,
                               std::function<void(TDialog &)> step) {
  dialogSteps_[templateName].push_back(std::move(step));
}

void HeadlessBackend::WatchCloseSignals() {
  closeSignals_ = InstallCloseSignals();
}

void HeadlessBackend::TakeCloseSignal() {
  if (closeSignals_ < 0 || !TakeCloseRequest(closeSignals_))
    return;
  AskProgramToClose();
  closePending_ = true;
}

void HeadlessBackend::RunModal(TDialog &dialog) {
  const std::string &name = dialog.Template().Name;
  dialogsRun_.push_back(name);
  auto &steps = dialogSteps_[name];
  while (!dialog.Ended()) {
    TakeCloseSignal();
    if (ProgramClosing()) {
      dialog.CloseDialog(IDCANCEL);
      continue;
    }
    if (MessageQueue().DispatchOne())
      continue;
    if (!steps.empty()) {
      auto step = std::move(steps.front());
      steps.pop_front();
      step(dialog);
      continue;
    }
    // The scripted user has nothing more to do here: Escape.
    dialog.UserCancel();
    if (!dialog.Ended())
      dialog.CloseDialog(IDCANCEL);
  }
}

std::string HeadlessBackend::CaptionOf(const TWindow &window) const {
  auto found = peers_.find(&window);
  return found == peers_.end() ? std::string() : found->second.caption;
}

bool HeadlessBackend::IsTopmost(const TWindow &window) const {
  auto found = peers_.find(&window);
  return found != peers_.end() && found->second.topmost;
}

int HeadlessBackend::InvalidationsOf(const TWindow &window) const {
  auto found = peers_.find(&window);
  return found == peers_.end() ? 0 : found->second.invalidations;
}

bool HeadlessBackend::LastInvalidationErased(const TWindow &window) const {
  auto found = peers_.find(&window);
  return found != peers_.end() && found->second.lastErase;
}

HeadlessDC HeadlessBackend::Paint(TWindow &window) {
  HeadlessDC dc;
  bool erase = LastInvalidationErased(window);
  window.PaintWindow(dc, erase, ClientRect(window));
  return dc;
}

void HeadlessBackend::Resize(TWindow &frame, int width, int height) {
  auto found = peers_.find(&frame);
  if (found == peers_.end())
    return;
  TRect &rect = found->second.rect;
  rect.right = rect.left + width;
  rect.bottom = rect.top + height;
  for (TWindow *child : frame.Children()) {
    TRect client = ClientRect(*child);
    child->HandleMessage(
        TMessage{WM_SIZE, SIZE_RESTORED,
                 static_cast<std::intptr_t>((client.Height() << 16) | (client.Width() & 0xFFFF))});
  }
}

void HeadlessBackend::ChooseMenuItem(TFrameWindow &frame, unsigned id) {
  frame.UpdateMenuStates();
  frame.MenuCommand(id);
}

void HeadlessBackend::PressKey(TFrameWindow &frame, TKeyPress key) {
  frame.KeyDown(key);
}

void HeadlessBackend::DoubleClick(TWindow &window) {
  window.HandleMessage(TMessage{WM_LBUTTONDBLCLK, 0, 0});
}

bool HeadlessBackend::FireTimer(TWindow &window, unsigned id) {
  if (!HasTimer(window, id))
    return false;
  window.PostMessage(WM_TIMER, id);
  return true;
}

bool HeadlessBackend::HasTimer(const TWindow &window, unsigned id) const {
  return timers_.contains({&window, id});
}

void HeadlessBackend::CreatePeer(TWindow &window) {
  Peer peer;
  peer.caption = window.Title();
  peer.topmost = (window.Attr.ExStyle & WS_EX_TOPMOST) != 0;
  if (window.Parent() == nullptr)
    peer.rect = TRect{window.Attr.X, window.Attr.Y, window.Attr.X + window.Attr.W,
                      window.Attr.Y + window.Attr.H};
  peers_[&window] = peer;
  created_.push_back(window.Title());
}

void HeadlessBackend::DestroyPeer(TWindow &window) {
  peers_.erase(&window);
  std::erase_if(timers_, [&](const auto &timer) { return timer.first.first == &window; });
}

void HeadlessBackend::CaptionChanged(TWindow &window) {
  if (peers_.contains(&window))
    peers_[&window].caption = window.Title();
}

void HeadlessBackend::MenuChanged(TFrameWindow &) {
  ++menuRedraws_;
}

void HeadlessBackend::Invalidate(TWindow &window, bool erase) {
  auto found = peers_.find(&window);
  if (found == peers_.end())
    return;
  ++found->second.invalidations;
  found->second.lastErase = erase;
}

void HeadlessBackend::SetTopmost(TWindow &window, bool topmost) {
  if (peers_.contains(&window))
    peers_[&window].topmost = topmost;
}

TRect HeadlessBackend::ClientRect(const TWindow &window) const {
  // A child fills its parent; a top-level window has no border.
  const TWindow *top = &window;
  while (top->Parent() != nullptr)
    top = top->Parent();
  TRect rect = WindowRect(*top);
  return TRect{0, 0, rect.Width(), rect.Height()};
}

TRect HeadlessBackend::WindowRect(const TWindow &window) const {
  auto found = peers_.find(&window);
  if (found == peers_.end())
    return TRect{window.Attr.X, window.Attr.Y, window.Attr.X + window.Attr.W,
                 window.Attr.Y + window.Attr.H};
  if (window.Parent() == nullptr)
    return found->second.rect;
  // A child covers its top-level window's client area.
  const TWindow *top = &window;
  while (top->Parent() != nullptr)
    top = top->Parent();
  TRect outer = WindowRect(*top);
  return TRect{outer.left, outer.top, outer.right, outer.bottom};
}

bool HeadlessBackend::StartTimer(TWindow &window, unsigned id, unsigned periodMs) {
  if (refuseTimers_)
    return false;
  timers_[{&window, id}] = periodMs;
  return true;
}

void HeadlessBackend::StopTimer(TWindow &window, unsigned id) {
  timers_.erase({&window, id});
}

bool HeadlessBackend::SetClipboardText(std::string_view text) {
  if (clipboardBusy_)
    return false;
  clipboard_ = std::string(text);
  return true;
}

bool HeadlessBackend::PaintWhileBusy() {
  const auto now = std::chrono::steady_clock::now();
  if (whileBusy_ && now >= whileBusy_->first) {
    std::function<void()> action = std::move(whileBusy_->second);
    whileBusy_.reset();
    action();
  }
  TakeCloseSignal();
  if (ProgramClosing())
    return true;
  if (!escapeAt_ || now < *escapeAt_)
    return false;
  escapeAt_.reset();
  return true;
}

ForwardOutcome HeadlessBackend::BringProgramForward(std::optional<int> processId,
                                                    std::string_view windowClass) {
  broughtForward_.push_back(processId ? "pid " + std::to_string(*processId)
                                      : "class " + std::string(windowClass));
  return forwardOutcome_;
}

void HeadlessBackend::WatchSockets(const std::vector<int> &fds, std::function<void(int)> ready) {
  watched_ = fds;
  socketReady_ = std::move(ready);
}

bool HeadlessBackend::PollSockets(int timeoutMs) {
  if (watched_.empty() || !socketReady_)
    return false;
  std::vector<pollfd> polled;
  for (int fd : watched_)
    polled.push_back(pollfd{fd, POLLIN, 0});
  if (poll(polled.data(), polled.size(), timeoutMs) <= 0)
    return false;
  // The callback may change the watched set: take a copy of what is ready.
  std::function<void(int)> ready = socketReady_;
  for (const pollfd &entry : polled)
    if (entry.revents != 0)
      ready(entry.fd);
  return true;
}

int HeadlessBackend::ShowMessageBox(TWindow *, std::string_view text, std::string_view caption,
                                    unsigned style) {
  messages_.push_back({std::string(text), std::string(caption), style});
  if (!answers_.empty()) {
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return (style & 0x0F) == MB_YESNO ? IDYES : IDOK;
}

void HeadlessBackend::RunMessageLoop(TMessageQueue &queue) {
  while (!queue.QuitPosted()) {
    // A close asked for inside a modal run or a wait is done here, once the
    // code that ran them has returned.
    TakeCloseSignal();
    if (closePending_) {
      closePending_ = false;
      CloseMainWindowForSignal();
      continue;
    }
    if (queue.DispatchOne())
      continue;
    if (PollSockets(0))
      continue;
    if (!script_.empty()) {
      auto action = std::move(script_.front());
      script_.pop_front();
      action();
      continue;
    }
    // The script is done: the user closes the main window.
    TApplication *app = TheApplication();
    TFrameWindow *main = app != nullptr ? app->GetMainWindow() : nullptr;
    if (main != nullptr && main->IsCreated())
      main->HandleMessage(TMessage{WM_CLOSE, 0, 0});
    if (queue.Empty() && !queue.QuitPosted()) {
      // Nothing can happen any more (the window refused to close): end
      // rather than spin, with a status that says so.
      queue.PostQuit(-1);
    }
  }
}
