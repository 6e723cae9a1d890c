#pragma once

// The queue of posted messages of the one GUI thread. Deferred work is always
// posted here (never done inside the handler that asked for it) and delivered
// by the message loop in the order it was posted.

#include <deque>

#include "framework/message.h"

class TWindow;

class TMessageQueue {
public:
  // Queues msg for target. A message for a window that is destroyed before
  // it is delivered is dropped.
  void Post(TWindow &target, const TMessage &msg);
  // Asks the loop to end with status once the messages already queued are
  // delivered.
  void PostQuit(int status);
  // Delivers the oldest message; false when there was none.
  bool DispatchOne();
  // Delivers messages until the queue is empty or a quit was posted.
  void DispatchPending();
  // Drops the messages for a window that is going away.
  void Forget(const TWindow &target);

  bool Empty() const { return queue_.empty(); }
  bool QuitPosted() const { return quitPosted_; }
  int ExitStatus() const { return exitStatus_; }
  // Starts a new loop (a run after an earlier quit).
  void ResetQuit();

private:
  struct Posted {
    TWindow *Target;
    TMessage Msg;
  };
  std::deque<Posted> queue_;
  bool quitPosted_ = false;
  int exitStatus_ = 0;
};
