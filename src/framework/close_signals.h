#pragma once

// SIGTERM, SIGINT and SIGHUP close the main window the way File/Exit does,
// so that its clean-up saves the window's state. The signal handler only
// writes a byte into a pipe; the event loop reads it and does the closing.

// Installs the handlers (once) and returns the descriptor to watch for
// reading; -1 when no pipe could be made.
int InstallCloseSignals();

// Reads what the handlers wrote; true when a close was asked for.
bool TakeCloseRequest(int fd);

// Takes a close signal that came while the loop that watches the pipe
// could not act on it (the program waits for a partner): true, and the
// program is asked to close, when one came. False when none came or the
// handlers are not installed.
bool TakeCloseSignalNow();

// The program was asked to end (by a close signal, or by the window
// system's close of the main window) while code that must finish first is
// on the stack: a wait for a partner, a modal dialog or box. From then on a
// wait ends at once, and no message box or modal dialog is shown, so that
// this code returns soon and says nothing on its way; the outermost loop
// then closes the main window (CloseMainWindowForSignal).
void AskProgramToClose();
bool ProgramClosing();

// Closes the running application's main window (its client, with result 0);
// the backend cancels open modal boxes first. A request that comes before
// the main window exists is kept until it does.
void CloseMainWindowForSignal();

// Whether a close request waits for the main window to exist; taking it
// clears it.
bool TakePendingSignalClose();

// Forgets both kinds of request, as a new process starts (the windowing
// layer's reset).
void ForgetCloseRequests();
