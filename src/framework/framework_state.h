#pragma once

// What the windowing layer keeps for the whole process beyond the life of
// its windows: the module object (module.h), a close request that came before
// the main window existed or while the program could not close at once
// (close_signals.h) and a quit posted to the message queue that no loop took
// (application.h). The rest of its state (the
// backend, the running application, the queued messages of a window) lives
// and ends with the objects that own it.

// Puts that state back to how a new process starts. The close signals'
// handlers and pipe stay installed: they belong to the process.
void ResetFrameworkState();
