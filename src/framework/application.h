#pragma once

// The application object: it initialises the program and its main window,
// runs the message loop until the main window is gone and returns the loop's
// exit status. A program derives from it and overrides the initialisation
// and termination steps it needs.

#include <memory>

#include "framework/frame_window.h"
#include "framework/message_queue.h"

class TApplication {
public:
  TApplication();
  virtual ~TApplication();
  TApplication(const TApplication &) = delete;
  TApplication &operator=(const TApplication &) = delete;

  // Application initialisation, instance initialisation (which builds,
  // creates and shows the main window), the message loop until the main
  // window is gone, instance termination. Returns the loop's exit status.
  int Run();

  TFrameWindow *GetMainWindow() const { return mainWindow_.get(); }
  void SetMainWindow(std::unique_ptr<TFrameWindow> window);

protected:
  // Once per process, before the first instance.
  virtual void InitApplication() {}
  // Calls InitMainWindow, then creates and shows the main window.
  virtual void InitInstance();
  // Builds the main window object (SetMainWindow). The default builds an
  // empty frame.
  virtual void InitMainWindow();
  // After the loop; returns the exit status to report.
  virtual int TermInstance(int status) { return status; }

private:
  std::unique_ptr<TFrameWindow> mainWindow_;
};

// The application object that is running, or null.
TApplication *TheApplication();

// The message queue of the GUI thread.
TMessageQueue &MessageQueue();
