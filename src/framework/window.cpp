#include "framework/window.h"

#include <algorithm>
#include <utility>

#include "framework/accelerator.h"
#include "framework/application.h"
#include "framework/backend.h"
#include "framework/offset_dc.h"

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
  if (!Respond(msg))
    DefaultProcessing(msg);
}

bool TWindow::Respond(const TMessage &) {
  return false;
}

bool TWindow::EnableCommand(TCommandEnabler &) {
  return false;
}

void TWindow::DefaultProcessing(const TMessage &msg) {
  switch (msg.Id) {
  case WM_CLOSE:
    CloseWindow();
    break;
  case WM_VSCROLL:
    ScrollVertically(static_cast<unsigned>(msg.WParam & 0xFFFF),
                     static_cast<int>((msg.WParam >> 16) & 0xFFFF));
    break;
  case WM_KEYDOWN:
    ScrollByKey(static_cast<unsigned>(msg.WParam));
    break;
  default:
    break;
  }
}

void TWindow::ScrollByKey(unsigned virtualKey) {
  // The keys move the text as the scroll bar's arrows, page areas and ends do.
  static constexpr std::pair<unsigned, unsigned> KeyCodes[] = {
      {VK_UP, SB_LINEUP},     {VK_DOWN, SB_LINEDOWN}, {VK_PRIOR, SB_PAGEUP},
      {VK_NEXT, SB_PAGEDOWN}, {VK_HOME, SB_TOP},      {VK_END, SB_BOTTOM},
  };
  for (const auto &[key, code] : KeyCodes)
    if (key == virtualKey)
      ScrollVertically(code, 0);
}

void TWindow::ScrollVertically(unsigned code, int thumbPosition) {
  if (!Scroller)
    return;
  int before = Scroller->YPos;
  switch (code) {
  case SB_LINEUP:
    Scroller->ScrollBy(-1);
    break;
  case SB_LINEDOWN:
    Scroller->ScrollBy(1);
    break;
  case SB_PAGEUP:
    Scroller->ScrollBy(-Scroller->PageStep(GetClientRect().Height()));
    break;
  case SB_PAGEDOWN:
    Scroller->ScrollBy(Scroller->PageStep(GetClientRect().Height()));
    break;
  case SB_THUMBPOSITION:
  case SB_THUMBTRACK:
    Scroller->ScrollTo(thumbPosition);
    break;
  case SB_TOP:
    Scroller->ScrollTo(0);
    break;
  case SB_BOTTOM:
    Scroller->ScrollTo(Scroller->YRange);
    break;
  default:
    return;
  }
  if (created_ && Scroller->YPos != before) {
    CurrentBackend().ScrollerChanged(*this);
    Invalidate(true);
  }
}

void TWindow::Invalidate(bool erase) {
  if (created_)
    CurrentBackend().Invalidate(*this, erase);
}

void TWindow::PaintWindow(TDC &dc, bool erase, const TRect &rect) {
  if (!Scroller) {
    Paint(dc, erase, rect);
    return;
  }
  const auto [dx, dy] = ScrollOffset();
  TOffsetDC scrolled(dc, dx, dy);
  TRect shifted{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
  Paint(scrolled, erase, shifted);
}

TPoint TWindow::ScrollOffset() const {
  if (!Scroller)
    return TPoint{};
  return TPoint{Scroller->XPos * Scroller->XUnit, Scroller->YPos * Scroller->YUnit};
}

void TWindow::ScrollToShow(int top, int bottom) {
  if (!Scroller || Scroller->YUnit <= 0)
    return;
  const int unit = Scroller->YUnit;
  const int height = GetClientRect().Height();
  int units = 0;
  if (top < 0)
    units = -((unit - 1 - top) / unit);
  else if (bottom > height)
    units = std::min((bottom - height + unit - 1) / unit, top / unit);
  if (units != 0)
    ScrollVertically(SB_THUMBPOSITION, Scroller->YPos + units);
}

TRect TWindow::GetClientRect() const {
  if (!created_)
    return TRect{0, 0, Attr.W, Attr.H};
  return CurrentBackend().ClientRect(*this);
}

TRect TWindow::GetWindowRect() const {
  if (!created_)
    return TRect{Attr.X, Attr.Y, Attr.X + Attr.W, Attr.Y + Attr.H};
  return CurrentBackend().WindowRect(*this);
}

void TWindow::SetTopmost(bool topmost) {
  if (topmost)
    Attr.ExStyle |= WS_EX_TOPMOST;
  else
    Attr.ExStyle &= ~WS_EX_TOPMOST;
  if (created_)
    CurrentBackend().SetTopmost(*this, topmost);
}

void TWindow::SetScrollRange(int xRange, int yRange) {
  if (!Scroller)
    return;
  const int xBefore = Scroller->XPos;
  const int yBefore = Scroller->YPos;
  Scroller->SetRange(xRange, yRange);
  if (!created_)
    return;
  CurrentBackend().ScrollerChanged(*this);
  // A shorter range pulled the position back: what was painted used the old
  // one, with the top of the text cut off.
  if (Scroller->XPos != xBefore || Scroller->YPos != yBefore)
    Invalidate(true);
}

bool TWindow::SetTimer(unsigned id, unsigned periodMs) {
  return created_ && CurrentBackend().StartTimer(*this, id, periodMs);
}

void TWindow::KillTimer(unsigned id) {
  if (created_)
    CurrentBackend().StopTimer(*this, id);
}

void TWindow::SetCaption(std::string title) {
  title_ = std::move(title);
  if (created_)
    CurrentBackend().CaptionChanged(*this);
}

void TWindow::ReadablePartsChanged() {
  if (created_)
    CurrentBackend().ReadablePartsChanged(*this);
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
