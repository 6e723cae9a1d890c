#include "concordance_link/dde_client.h"

#include <string>

#include "concordance_link/conversation_slot.h"
#include "framework/backend.h"
#include "framework/message_box.h"
#include "framework/translation.h"
#include "framework/window.h"

using namespace platform;

namespace {

TDdeInitializer Initializer = DdeInitialize;

void WatchConversations(DWORD inst) {
  CurrentBackend().WatchSockets(DdeWatchedSockets(inst),
                                [inst](int fd) { DdeSocketReady(inst, fd); });
}

// The owner's title as a caption; a window without a title gives none, and
// the message box shows its default.
const char *TitleOf(TWindow *owner, std::string &keep) {
  if (owner == nullptr)
    return nullptr;
  keep = owner->Title();
  return keep.empty() ? nullptr : keep.c_str();
}

} // namespace

void SetDdeInitializer(TDdeInitializer initializer) {
  Initializer = initializer != nullptr ? initializer : DdeInitialize;
}

bool StartDdeClient(std::uint32_t &instId, PFNCALLBACK callback) {
  instId = 0;
  DWORD id = 0;
  if (Initializer(&id, callback, ClientFlags, 0) != DMLERR_NO_ERROR) {
    MessageBox(nullptr, TR_NOOP("Messages", "DDE Initialization failed."),
               TR_NOOP("Messages", "Error"), MB_ICONHAND);
    return false;
  }
  instId = id;
  DdeSetWatchHook(id, [id] { WatchConversations(id); });
  // A partner that is slow to answer must not leave the windows blank, nor
  // hold the user who presses Escape.
  DdeSetWaitHook(id, [] { return !CurrentBackend().PaintWhileBusy(); });
  WatchConversations(id);
  return true;
}

void StopDdeClient(std::uint32_t instId) {
  if (instId == 0)
    return;
  DdeSetWatchHook(instId, {});
  DdeSetWaitHook(instId, {});
  CurrentBackend().WatchSockets({}, {});
  DdeUninitialize(instId);
}

HDDEDATA AnswerDdeCallback(UINT type, HCONV conv, TConversationSlot *slot, TWindow *owner) {
  std::string caption;
  switch (type) {
  case XTYP_ADVDATA:
    return DDE_FACK;
  case XTYP_ERROR:
    MessageBox(owner, TR_NOOP("Messages", "A critical DDE error has occured."),
               TitleOf(owner, caption), MB_TASKMODAL | MB_ICONINFORMATION);
    return 0;
  case XTYP_DISCONNECT:
    MessageBox(owner, TR_NOOP("Messages", "Disconnected."), TitleOf(owner, caption),
               MB_ICONINFORMATION);
    if (slot != nullptr)
      slot->PartnerLeft(conv);
    return 0;
  default:
    return 0;
  }
}
