#pragma once

// Closing the program on SIGTERM, SIGINT and SIGHUP under Qt: the signal
// pipe is watched by the event loop (also inside modal runs); open modal
// boxes are cancelled first, then, once the code that opened them has
// returned, the main window closes as File/Exit does.

class QObject;

// owner is the program's QtBackend (it says when a modal run is going on);
// another object works too, closing at once.
void WatchCloseSignals(QObject *owner);
