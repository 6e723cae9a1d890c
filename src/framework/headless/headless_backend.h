#pragma once

// A backend without a screen, for tests: it records the windows that exist
// and their captions, and plays a scripted user. Whenever the program has
// nothing left to do, the loop performs the next scripted action; when the
// script is used up, the user closes the main window.

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/backend.h"

class HeadlessBackend : public Backend {
public:
  HeadlessBackend();
  ~HeadlessBackend() override;

  // Queues an action of the scripted user.
  void Then(std::function<void()> action);

  // What the backend shows: the windows that exist, with their captions.
  bool Shows(const TWindow &window) const { return peers_.contains(&window); }
  std::string CaptionOf(const TWindow &window) const;
  std::size_t WindowCount() const { return peers_.size(); }
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

  // Every window ever shown, by caption, in order of creation.
  const std::vector<std::string> &CreatedCaptions() const { return created_; }

  void CreatePeer(TWindow &window) override;
  void DestroyPeer(TWindow &window) override;
  void CaptionChanged(TWindow &window) override;
  int ShowMessageBox(TWindow *owner, std::string_view text, std::string_view caption,
                     unsigned style) override;
  void RunMessageLoop(TMessageQueue &queue) override;
  void MessagePosted() override {}

private:
  std::map<const TWindow *, std::string> peers_;
  std::vector<std::string> created_;
  std::deque<std::function<void()>> script_;
  std::vector<ShownMessage> messages_;
  std::deque<int> answers_;
  Backend *previous_;
};
