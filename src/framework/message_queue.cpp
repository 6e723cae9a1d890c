#include "framework/message_queue.h"

#include <algorithm>

#include "framework/backend.h"
#include "framework/window.h"

void TMessageQueue::Post(TWindow &target, const TMessage &msg) {
  queue_.push_back({&target, msg});
  if (HasBackend())
    CurrentBackend().MessagePosted();
}

void TMessageQueue::PostQuit(int status) {
  if (quitPosted_)
    return;
  quitPosted_ = true;
  exitStatus_ = status;
  if (HasBackend())
    CurrentBackend().MessagePosted();
}

bool TMessageQueue::DispatchOne() {
  if (queue_.empty())
    return false;
  Posted next = queue_.front();
  queue_.pop_front();
  next.Target->HandleMessage(next.Msg);
  return true;
}

void TMessageQueue::DispatchPending() {
  while (!quitPosted_ && DispatchOne()) {
  }
}

void TMessageQueue::Forget(const TWindow &target) {
  std::erase_if(queue_, [&](const Posted &posted) { return posted.Target == &target; });
}

void TMessageQueue::ResetQuit() {
  quitPosted_ = false;
  exitStatus_ = 0;
}
