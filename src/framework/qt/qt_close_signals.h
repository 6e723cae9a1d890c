#pragma once

// Closing the program on SIGTERM, SIGINT and SIGHUP under Qt: the signal
// pipe is watched by the event loop (also inside modal runs); open modal
// boxes are cancelled first, then the main window closes as File/Exit does.

class QObject;

void WatchCloseSignals(QObject *owner);
