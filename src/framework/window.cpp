#include "framework/window.h"

#include <algorithm>

#include "framework/application.h"
#include "framework/backend.h"

TWindow::TWindow(TWindow *parent, std::string title) : parent_(parent), title_(std::move(title)) {
  if (parent_ != nullptr)
    parent_->AddChild(*this);
}

TWindow::~TWindow() {
  // A window deleted while it still exists ends without asking anyone.
  if (created_) {
    created_ = false;
    if (HasBackend())
      CurrentBackend().DestroyPeer(*this);
  }
  MessageQueue().Forget(*this);
  for (TWindow *child : children_)
    child->parent_ = nullptr;
  if (parent_ != nullptr)
    parent_->RemoveChild(*this);
}

bool TWindow::Create() {
  if (created_)
    return false;
  created_ = true;
  CurrentBackend().CreatePeer(*this);
  // Children made before their parent existed come into being with it.
  std::vector<TWindow *> children = children_;
  for (TWindow *child : children)
    if (!child->created_)
      child->Create();
  SetupWindow();
  return true;
}

void TWindow::Destroy(int retVal) {
  if (!created_ || destroying_)
    return;
  destroying_ = true;
  CleanupWindow();
  std::vector<TWindow *> children = children_;
  for (TWindow *child : children)
    child->Destroy(retVal);
  CurrentBackend().DestroyPeer(*this);
  Peer = nullptr;
  created_ = false;
  destroying_ = false;
  MessageQueue().Forget(*this);
  if (parent_ != nullptr)
    parent_->ChildDestroyed(*this);
  if (TApplication *app = TheApplication(); app != nullptr && app->GetMainWindow() == this)
    MessageQueue().PostQuit(retVal);
}

bool TWindow::CanClose() {
  return std::all_of(children_.begin(), children_.end(),
                     [](TWindow *child) { return !child->IsCreated() || child->CanClose(); });
}

void TWindow::CloseWindow(int retVal) {
  if (created_ && CanClose())
    Destroy(retVal);
}

void TWindow::PostMessage(TMsgId id, std::uintptr_t wParam, std::intptr_t lParam) {
  MessageQueue().Post(*this, TMessage{id, wParam, lParam});
}

void TWindow::HandleMessage(const TMessage &msg) {
  if (msg.Id == WM_CLOSE)
    CloseWindow();
}

void TWindow::SetCaption(std::string title) {
  title_ = std::move(title);
  if (created_)
    CurrentBackend().CaptionChanged(*this);
}

void TWindow::AdoptChild(TWindow &child) {
  if (child.parent_ != nullptr)
    child.parent_->RemoveChild(child);
  child.parent_ = this;
  AddChild(child);
}

void TWindow::AddChild(TWindow &child) {
  children_.push_back(&child);
}

void TWindow::RemoveChild(TWindow &child) {
  std::erase(children_, &child);
}
