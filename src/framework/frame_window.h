#pragma once

// A frame window: a top-level window with a caption, a menu bar and an
// accelerator table around one client window. Commands from the menu and the
// accelerators go to the client first, then to the frame. When the client
// is destroyed the frame closes itself.

#include <memory>
#include <optional>
#include <string>

#include "framework/accelerator.h"
#include "framework/menu.h"
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

  // The menu bar; none while no menu is assigned.
  const std::optional<TMenu> &GetMenu() const { return menu_; }
  std::optional<TMenu> &GetMenu() { return menu_; }
  // Assigns a menu, or takes the menu bar away (nullopt).
  void AssignMenu(std::optional<TMenu> menu);
  // Shows the menu's changes.
  void DrawMenuBar();
  // Asks the windows which commands of the menu are enabled and checked,
  // and records it in the menu (before a menu opens).
  void UpdateMenuStates();

  void SetAcceleratorTable(TAcceleratorTable table) { accelerators_ = std::move(table); }
  // A key the user pressed: sends the command of a matching accelerator
  // when that command is enabled. True when a command was sent.
  bool TranslateKey(TKeyPress key);
  // A key the user pressed while the frame has the focus: an accelerator's
  // command when one matches; else F10 or Alt alone is the menu key
  // (WM_SYSCOMMAND SC_KEYMENU to the frame); else the client gets the key
  // (WM_KEYDOWN) when Ctrl is not held. False when nobody took it.
  bool KeyDown(TKeyPress key);
  // A menu item was chosen: sends its command when it is enabled.
  void MenuCommand(unsigned id);
  // Whether a command is enabled now (client, then frame).
  TCommandEnabler QueryCommand(unsigned id);

  // The icon resource number.
  int IconId = 0;

  bool EnableCommand(TCommandEnabler &enabler) override;

protected:
  void ChildDestroyed(TWindow &child) override;
  bool Respond(const TMessage &msg) override;

private:
  std::unique_ptr<TWindow> client_;
  bool shrinkToClient_;
  std::optional<TMenu> menu_;
  TAcceleratorTable accelerators_;
};
