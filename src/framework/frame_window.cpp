#include "framework/frame_window.h"

TFrameWindow::TFrameWindow(TWindow *parent, std::string title, std::unique_ptr<TWindow> client,
                           bool shrinkToClient)
    : TWindow(parent, std::move(title)), client_(std::move(client)),
      shrinkToClient_(shrinkToClient) {
  if (client_)
    AdoptChild(*client_);
}

TFrameWindow::~TFrameWindow() {
  // The client goes first, while the frame it belongs to still exists.
  client_.reset();
}

void TFrameWindow::ChildDestroyed(TWindow &child) {
  if (&child == client_.get())
    Destroy();
}
