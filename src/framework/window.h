#pragma once

// A window: the framework's state of one window (its caption, its children,
// whether it exists) and the virtual operations a program overrides. The
// backend mirrors it on the screen.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/message.h"

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
  // Delivers a message to this window now.
  virtual void HandleMessage(const TMessage &msg);

  const std::string &Title() const { return title_; }
  void SetCaption(std::string title);
  TWindow *Parent() const { return parent_; }
  const std::vector<TWindow *> &Children() const { return children_; }

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

private:
  void AddChild(TWindow &child);
  void RemoveChild(TWindow &child);

  TWindow *parent_;
  std::string title_;
  std::vector<TWindow *> children_;
  bool created_ = false;
  bool destroying_ = false;
};
