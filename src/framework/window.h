#pragma once

// A window: the framework's state of one window (its caption, place, style,
// children, scroller, whether it exists) and the virtual operations a
// program overrides. The backend mirrors it on the screen and reports what
// the user does as messages.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/command_enabler.h"
#include "framework/dc.h"
#include "framework/message.h"
#include "framework/scroller.h"

// Window styles the program uses.
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000;
inline constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008;

// Where a window is made, and how.
struct TWindowAttr {
  int X = 0, Y = 0, W = 640, H = 480; // frame position and size on the screen
  std::uint32_t Style = 0;
  std::uint32_t ExStyle = 0;
};

class TWindow {
public:
  explicit TWindow(TWindow *parent = nullptr, std::string title = {});
  virtual ~TWindow();
  TWindow(const TWindow &) = delete;
  TWindow &operator=(const TWindow &) = delete;

  // Makes the window exist: its peer, then its children, then SetupWindow.
  // False when it already exists.
  bool Create();
  // Ends the window: CleanupWindow, its children, its peer. The parent is
  // told (ChildDestroyed); the main window's end ends the message loop with
  // retVal as the exit status.
  void Destroy(int retVal = 0);
  // Destroys the window if CanClose agrees.
  void CloseWindow(int retVal = 0);
  bool IsCreated() const { return created_; }

  // Whether the window may close now (asked before a close). By default a
  // window may close when each of its children may.
  virtual bool CanClose();

  // Queues a message to this window.
  void PostMessage(TMsgId id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
  // Delivers a message to this window now: its response table, else the
  // framework's default handling.
  void HandleMessage(const TMessage &msg);
  // Answers an enabling query for a command; false when no handler knows
  // the command (it is then disabled).
  virtual bool EnableCommand(TCommandEnabler &enabler);

  const std::string &Title() const { return title_; }
  void SetCaption(std::string title);
  TWindow *Parent() const { return parent_; }
  const std::vector<TWindow *> &Children() const { return children_; }

  // Repaints the window soon; erase: clear the background first.
  void Invalidate(bool erase = true);
  // The backend's paint request: the scroll offset applied, then Paint.
  void PaintWindow(TDC &dc, bool erase, const TRect &rect);
  // The client area's size (0, 0, width, height).
  TRect GetClientRect() const;
  // The window's rectangle on the screen.
  TRect GetWindowRect() const;
  // Keeps the window above every other window, or lets it go.
  void SetTopmost(bool topmost);

  // What a screen reader reads of the window, in the parts a reader moves
  // between (code page 1252 bytes), or nothing for a window whose drawing
  // is not text to read.
  virtual std::optional<std::vector<std::string>> ReadableParts() const { return std::nullopt; }
  // Tells the backend that ReadableParts changed.
  void ReadablePartsChanged();
  // Where each byte of a readable part is shown, in client coordinates: one
  // cell a byte, empty (no width) for a byte not drawn by itself (a line
  // end); nothing when the window cannot tell.
  virtual std::vector<TRect> ReadablePartCells(std::size_t /*part*/) const { return {}; }
  // Scrolls the least that brings the rows from top to bottom (client
  // coordinates) into view, their top first when they do not fit.
  void ScrollToShow(int top, int bottom);
  // How far the scroller has moved the contents, in pixels.
  TPoint ScrollOffset() const;

  // Sets the scroller's ranges and shows them. A position the new range
  // pulls back is painted again.
  void SetScrollRange(int xRange, int yRange);

  // Window timers: WM_TIMER with the id every periodMs. False when the
  // system has no timer to give.
  bool SetTimer(unsigned id, unsigned periodMs);
  void KillTimer(unsigned id);

  TWindowAttr Attr;
  // The vertical scroller, when the window has one.
  std::unique_ptr<TScroller> Scroller;
  // The backend's own data for this window's peer.
  void *Peer = nullptr;

protected:
  // After the window exists: the place for work that needs the peer.
  virtual void SetupWindow() {}
  // Before the window goes away.
  virtual void CleanupWindow() {}
  // A child window was destroyed.
  virtual void ChildDestroyed(TWindow &) {}
  // Makes a window built without a parent (a frame's client) a child.
  void AdoptChild(TWindow &child);
  // Draws the window's contents, with the scroll offset already applied.
  virtual void Paint(TDC &, bool /*erase*/, const TRect &) {}
  // The window's response table; false when it does not answer msg.
  virtual bool Respond(const TMessage &msg);
  // What happens to a message no response table answers.
  virtual void DefaultProcessing(const TMessage &msg);
  // Moves the scroller for a WM_VSCROLL code.
  void ScrollVertically(unsigned code, int thumbPosition);
  // Moves the scroller for a key: Up, Down, Page Up, Page Down, Home, End.
  void ScrollByKey(unsigned virtualKey);

private:
  void AddChild(TWindow &child);
  void RemoveChild(TWindow &child);

  TWindow *parent_;
  std::string title_;
  std::vector<TWindow *> children_;
  bool created_ = false;
  bool destroying_ = false;
};
