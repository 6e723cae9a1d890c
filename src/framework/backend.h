#pragma once

// The backend renders the framework's windows and feeds user input back. The
// framework owns the state of every window; a backend only mirrors it. The Qt
// backend shows real windows; the headless backend records what would be
// shown and lets a test script the user.

#include <string>
#include <string_view>

class TMessageQueue;
class TWindow;

class Backend {
public:
  virtual ~Backend() = default;

  // The window now exists in the framework; make and show its peer.
  virtual void CreatePeer(TWindow &window) = 0;
  // The window is going away; drop its peer.
  virtual void DestroyPeer(TWindow &window) = 0;
  // The window's caption changed.
  virtual void CaptionChanged(TWindow &window) = 0;

  // Shows a modal message box (style: the MB_ bits) and returns the button
  // chosen (IDOK, IDYES, ...). The text is code page 1252 bytes.
  virtual int ShowMessageBox(TWindow *owner, std::string_view text, std::string_view caption,
                             unsigned style) = 0;

  // Waits for user input and delivers it and the posted messages until a
  // quit is posted.
  virtual void RunMessageLoop(TMessageQueue &queue) = 0;
  // A message was posted: wake the loop if it waits.
  virtual void MessagePosted() = 0;
};

// The backend in use; the program's entry point or a test sets it.
void SetBackend(Backend *backend);
bool HasBackend();
Backend &CurrentBackend();
