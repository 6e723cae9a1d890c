#include "framework/headless/headless_backend.h"

#include "framework/application.h"
#include "framework/message_box.h"
#include "framework/message_queue.h"
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

std::string HeadlessBackend::CaptionOf(const TWindow &window) const {
  auto found = peers_.find(&window);
  return found == peers_.end() ? std::string() : found->second;
}

void HeadlessBackend::CreatePeer(TWindow &window) {
  peers_[&window] = window.Title();
  created_.push_back(window.Title());
}

void HeadlessBackend::DestroyPeer(TWindow &window) {
  peers_.erase(&window);
}

void HeadlessBackend::CaptionChanged(TWindow &window) {
  if (peers_.contains(&window))
    peers_[&window] = window.Title();
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
    if (queue.DispatchOne())
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
