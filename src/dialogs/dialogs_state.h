#pragma once

// The dialogs' part of the program-wide state: which of the modeless dialogs
// exist (CalendarOpen in calendar_dialog.h, ReferencesOpen in
// references_dialog.h).

// Puts it back to how a new process starts: none open.
void ResetDialogsState();
