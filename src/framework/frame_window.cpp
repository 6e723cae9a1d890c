#include "framework/frame_window.h"

#include "framework/backend.h"
#include "framework/response_table.h"

namespace {

void UpdateStates(TFrameWindow &frame, std::vector<TMenuItem> &items) {
  for (TMenuItem &item : items) {
    if (!item.Popup.empty()) {
      UpdateStates(frame, item.Popup);
      continue;
    }
    if (item.Separator)
      continue;
    TCommandEnabler enabler = frame.QueryCommand(item.Id);
    item.Grayed = !enabler.Enabled();
    item.Checked = enabler.Checked();
    item.Checkable = enabler.Checkable();
  }
}

} // namespace

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

void TFrameWindow::AssignMenu(std::optional<TMenu> menu) {
  menu_ = std::move(menu);
  DrawMenuBar();
}

void TFrameWindow::DrawMenuBar() {
  if (IsCreated())
    CurrentBackend().MenuChanged(*this);
}

void TFrameWindow::UpdateMenuStates() {
  if (menu_)
    UpdateStates(*this, menu_->Bar());
}

TCommandEnabler TFrameWindow::QueryCommand(unsigned id) {
  TCommandEnabler enabler(id);
  if (!EnableCommand(enabler))
    enabler.Enable(false);
  return enabler;
}

bool TFrameWindow::EnableCommand(TCommandEnabler &enabler) {
  return (client_ && client_->EnableCommand(enabler)) || TWindow::EnableCommand(enabler);
}

bool TFrameWindow::TranslateKey(TKeyPress key) {
  std::optional<unsigned> command = TranslateAccelerator(accelerators_, key);
  if (!command || !QueryCommand(*command).Enabled())
    return false;
  HandleMessage(CommandMessage(*command));
  return true;
}

bool TFrameWindow::KeyDown(TKeyPress key) {
  if (TranslateKey(key))
    return true;
  if (key.ctrl || key.virtualKey == 0)
    return false;
  if (key.virtualKey == VK_F10 || key.virtualKey == VK_MENU) {
    HandleMessage(TMessage{WM_SYSCOMMAND, SC_KEYMENU, 0});
    return true;
  }
  if (!client_ || !client_->IsCreated())
    return false;
  client_->HandleMessage(TMessage{WM_KEYDOWN, key.virtualKey, 0});
  return true;
}

void TFrameWindow::MenuCommand(unsigned id) {
  if (QueryCommand(id).Enabled())
    HandleMessage(CommandMessage(id));
}

bool TFrameWindow::Respond(const TMessage &msg) {
  // Commands reach the client first.
  if (msg.Id == WM_COMMAND && client_ && client_->IsCreated()) {
    client_->HandleMessage(msg);
    return true;
  }
  // Without a menu bar the menu key has nothing to open: the client may
  // have a use for it (bringing its menu back).
  if (msg.Id == WM_SYSCOMMAND && msg.WParam == SC_KEYMENU && !menu_ && client_ &&
      client_->IsCreated()) {
    client_->HandleMessage(msg);
    return true;
  }
  return TWindow::Respond(msg);
}

void TFrameWindow::ChildDestroyed(TWindow &child) {
  if (&child == client_.get())
    Destroy();
}
