#pragma once

// The Links commands: today's reading, quiz reference or daily verse shown
// in the configured concordance program. Every outcome is told to the user
// in one message box on owner; no conversation is left open.

class TConversationSlot;
class TWindow;

// Runs the link of command commandId (CM_LINKMORNING ... CM_LINKVERSE).
void RunLink(unsigned commandId, TConversationSlot &slot, TWindow *owner);

// The time-outs of the link transactions, in milliseconds.
inline constexpr unsigned LogosPokeTimeoutMs = 4000;
inline constexpr unsigned ExecuteTimeoutMs = 5000;
// The size of the buffer an execute command is sent in, all of it.
inline constexpr unsigned CommandBufferSize = 60;
