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
  // Every window ever shown, by caption, in order of creation.
  const std::vector<std::string> &CreatedCaptions() const { return created_; }

  void CreatePeer(TWindow &window) override;
  void DestroyPeer(TWindow &window) override;
  void CaptionChanged(TWindow &window) override;
  void RunMessageLoop(TMessageQueue &queue) override;
  void MessagePosted() override {}

private:
  std::map<const TWindow *, std::string> peers_;
  std::vector<std::string> created_;
  std::deque<std::function<void()>> script_;
  Backend *previous_;
};
