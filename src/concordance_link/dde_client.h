#pragma once

// The program's DDE instance: a client only. Start-up shows its failure to
// the user and leaves the program running without DDE; while the instance
// lives, the sockets of its conversations are watched by the GUI loop, so
// that a partner going away reaches the callback on the GUI thread.

#include <cstdint>

#include "platform/dde.h"

class TConversationSlot;
class TWindow;

// APPCMD_CLIENTONLY | CBF_FAIL_ADVISES | CBF_FAIL_POKES.
inline constexpr platform::DWORD ClientFlags = 0x14010;

// Starts the instance into instId (set to 0 first). On failure shows "DDE
// Initialization failed." and leaves instId at 0. True when it started.
bool StartDdeClient(std::uint32_t &instId, platform::PFNCALLBACK callback);
// Stops watching and ends the instance, when there is one.
void StopDdeClient(std::uint32_t instId);

// What the callback does for a transaction type: messages on owner (whose
// title is the caption; the main window has none) and the slot's part.
platform::HDDEDATA AnswerDdeCallback(platform::UINT type, platform::HCONV conv,
                                     TConversationSlot *slot, TWindow *owner);

// The function that starts an instance; tests put in one that fails.
using TDdeInitializer = platform::UINT (*)(platform::DWORD *, platform::PFNCALLBACK,
                                           platform::DWORD, platform::DWORD);
void SetDdeInitializer(TDdeInitializer initializer);
