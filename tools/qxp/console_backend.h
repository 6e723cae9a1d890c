#pragma once

// The backend of a command-line tool: no window is ever shown, and a message
// box becomes a line on standard error ("Caption: text").

#include <cstdio>

#include "framework/backend.h"

namespace qxp {

class ConsoleBackend : public Backend {
public:
  explicit ConsoleBackend(std::FILE *errors = stderr);
  ~ConsoleBackend() override;

  void CreatePeer(TWindow &) override {}
  void DestroyPeer(TWindow &) override {}
  void CaptionChanged(TWindow &) override {}
  void MenuChanged(TFrameWindow &) override {}
  void ScrollerChanged(TWindow &) override {}
  void Invalidate(TWindow &, bool) override {}
  void SetTopmost(TWindow &, bool) override {}
  TRect ClientRect(const TWindow &) const override { return {}; }
  TRect WindowRect(const TWindow &) const override { return {}; }
  TSize ScreenSize() const override { return {}; }
  std::vector<std::string> FontFamilies() const override { return {}; }
  // A tool has no message loop to deliver timer messages.
  bool StartTimer(TWindow &, unsigned, unsigned) override { return false; }
  void StopTimer(TWindow &, unsigned) override {}
  bool SetClipboardText(std::string_view) override { return false; }
  void PaintWhileBusy() override {}
  void WatchSockets(const std::vector<int> &, std::function<void(int)>) override {}
  // Nobody can answer a dialog here: it is cancelled at once.
  void RunModal(TDialog &dialog) override;
  void ControlChanged(TDialog &, int) override {}
  void Activate(TWindow &) override {}
  // Answers OK, or Yes to a question.
  int ShowMessageBox(TWindow *owner, std::string_view text, std::string_view caption,
                     unsigned style) override;
  // A tool has no message loop: delivers what was posted and returns.
  void RunMessageLoop(TMessageQueue &queue) override;
  void MessagePosted() override {}

private:
  std::FILE *errors_;
  Backend *previous_;
};

} // namespace qxp
