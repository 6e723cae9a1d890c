#pragma once

// A frame window: a top-level window with a caption around one client window.
// When the client is destroyed the frame closes itself.

#include <memory>
#include <string>

#include "framework/window.h"

class TFrameWindow : public TWindow {
public:
  // The frame owns its client. shrinkToClient: size the frame to the client
  // rather than the client to the frame.
  TFrameWindow(TWindow *parent, std::string title, std::unique_ptr<TWindow> client,
               bool shrinkToClient = false);
  ~TFrameWindow() override;

  TWindow *GetClientWindow() const { return client_.get(); }
  bool ShrinkToClient() const { return shrinkToClient_; }

protected:
  void ChildDestroyed(TWindow &child) override;

private:
  std::unique_ptr<TWindow> client_;
  bool shrinkToClient_;
};
