#pragma once

// SIGTERM, SIGINT and SIGHUP close the main window the way File/Exit does,
// so that its clean-up saves the window's state. The signal handler only
// writes a byte into a pipe; the event loop reads it and does the closing.

// Installs the handlers (once) and returns the descriptor to watch for
// reading; -1 when no pipe could be made.
int InstallCloseSignals();

// Reads what the handlers wrote; true when a close was asked for.
bool TakeCloseRequest(int fd);

// Closes the running application's main window (its client, with result 0);
// the backend cancels open modal boxes first. A request that comes before
// the main window exists is kept until it does.
void CloseMainWindowForSignal();

// Whether a close request waits for the main window to exist; taking it
// clears it.
bool TakePendingSignalClose();
