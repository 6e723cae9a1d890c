#pragma once

// The Qt 6 Widgets backend: real windows on the desktop.

#include <QObject>

#include "framework/backend.h"

class QEventLoop;

class QtBackend : public QObject, public Backend {
  Q_OBJECT
public:
  QtBackend();
  ~QtBackend() override;

  void CreatePeer(TWindow &window) override;
  void DestroyPeer(TWindow &window) override;
  void CaptionChanged(TWindow &window) override;
  int ShowMessageBox(TWindow *owner, std::string_view text, std::string_view caption,
                     unsigned style) override;
  void RunMessageLoop(TMessageQueue &queue) override;
  void MessagePosted() override;

private:
  void DeliverPosted();

  TMessageQueue *queue_ = nullptr;
  QEventLoop *loop_ = nullptr;
  bool deliveryScheduled_ = false;
  Backend *previous_;
};
