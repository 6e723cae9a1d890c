#pragma once

// The content layer's part of the program-wide state, put back in one call:
// the settings mirrors (settings.h), the day (day_state.h), today's date
// (today_text.h) and the day's entries (day_entries.h).

// Puts all of it back to how a new process starts.
void ResetContentState();
