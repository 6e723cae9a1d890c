#include "framework/application.h"

#include "framework/backend.h"
#include "framework/close_signals.h"

namespace {
TApplication *Running = nullptr;
}

TApplication *TheApplication() {
  return Running;
}

TMessageQueue &MessageQueue() {
  static TMessageQueue queue;
  return queue;
}

TApplication::TApplication() {
  Running = this;
}

TApplication::~TApplication() {
  mainWindow_.reset();
  if (Running == this)
    Running = nullptr;
}

int TApplication::Run() {
  Running = this;
  MessageQueue().ResetQuit();
  InitApplication();
  InitInstance();
  int status = 0;
  // The program was asked to end while it was starting.
  if (TakePendingSignalClose())
    CloseMainWindowForSignal();
  if (mainWindow_ && mainWindow_->IsCreated()) {
    CurrentBackend().RunMessageLoop(MessageQueue());
    status = MessageQueue().ExitStatus();
  }
  return TermInstance(status);
}

void TApplication::SetMainWindow(std::unique_ptr<TFrameWindow> window) {
  mainWindow_ = std::move(window);
}

void TApplication::InitInstance() {
  InitMainWindow();
  if (mainWindow_)
    mainWindow_->Create();
}

void TApplication::InitMainWindow() {
  SetMainWindow(std::make_unique<TFrameWindow>(nullptr, "", nullptr));
}
