#pragma once

// The one conversation with a concordance program that the program may hold
// at a time. The main window owns the slot; the links and the DDE Settings
// dialog borrow it. A conversation lives for one user action: connect, one
// to three transactions, end.

#include <cstdint>
#include <optional>
#include <string>

#include "concordance_link/xiphos_link.h"
#include "platform/dde.h"
#include "platform/result.h"

// Why a server name may not be used, or empty when it may: a name with a
// '/' would start a program relative to the working folder, which holds
// packages from anywhere. Such a name is never started.
std::string ServerNameFault(const std::string &name);

class TConversationSlot {
public:
  TConversationSlot() = default;
  virtual ~TConversationSlot();
  TConversationSlot(const TConversationSlot &) = delete;
  TConversationSlot &operator=(const TConversationSlot &) = delete;

  // The DDE instance the conversations belong to (0: none); null until the
  // owner points it at the application's instance id.
  const std::uint32_t *Instance = nullptr;
  std::uint32_t InstanceId() const { return Instance != nullptr ? *Instance : 0; }

  platform::HCONV HConv = 0;    // 0: no conversation
  platform::HSZ HszService = 0; // the slot's while HConv is non-zero
  platform::HSZ HszTopic = 0;

  // Opens a conversation with service on topic; when nobody answers, starts
  // the program named service and tries exactly once more (not after a
  // server let the connect time out, nor after the user stopped the wait).
  // Succeeds with the conversation open; fails with the DDE error code
  // (DMLERR_…) and nothing left allocated.
  platform::Result<void, platform::UINT> ConnectServer(const std::string &service,
                                                       const std::string &topic);
  // Ends the conversation in the slot, if any.
  void EndConversation();
  // The partner ended the conversation conv: the slot lets go of it.
  void PartnerLeft(platform::HCONV conv);

  // Transactions on the open conversation; each creates and frees its item
  // name around the call. Zero / nullopt on failure or time-out.
  bool Poke(const char *item, const std::string &text, platform::DWORD timeoutMs);
  bool Execute(const void *buffer, platform::DWORD length, platform::DWORD timeoutMs);
  // A request's reply: at most limit - 1 bytes, up to its first NUL.
  std::optional<std::string> Request(const char *item, std::size_t limit,
                                     platform::DWORD timeoutMs);

  // Whether the user stopped the wait of the last connect or transaction
  // that failed (Escape): its caller then tells nothing and goes no further.
  bool WaitStopped() const { return waitStopped_; }

  // Xiphos, the concordance reached over the session bus instead of DDE:
  // what the links keep of it from one to the next.
  XiphosPeer Xiphos;

private:
  void FreeNames();
  // Notes whether the call that just failed was stopped by the user; its
  // error.
  platform::UINT NoteFailure();

  bool waitStopped_ = false;
};
