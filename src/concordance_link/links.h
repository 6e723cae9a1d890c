#pragma once

// The Links commands: today's reading, quiz reference or daily verse shown
// in the configured concordance program. Every outcome is told to the user
// in one message box on owner; no conversation is left open.

#include "content/day_entries.h"

struct Settings;
class TConversationSlot;
class TWindow;

// Runs the link of command commandId (CM_LINKMORNING ... CM_LINKVERSE) for
// the day's entries from first on, to the concordance of the settings.
void RunLink(unsigned commandId, const Settings &settings, const TDayEntry *first,
             TConversationSlot &slot, TWindow *owner);

// The time-outs of the link transactions, in milliseconds.
inline constexpr unsigned LogosPokeTimeoutMs = 4000;
inline constexpr unsigned ExecuteTimeoutMs = 5000;
// The size of the buffer an execute command is sent in, all of it.
inline constexpr unsigned CommandBufferSize = 60;
