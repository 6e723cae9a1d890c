#pragma once

// Closing the program on SIGTERM, SIGINT and SIGHUP under Qt: the signal
// pipe is watched by the event loop (also inside modal runs and waits). The
// program's QtBackend then closes it once nothing waits any more
// (QtBackend::CloseWhenIdle).

class QObject;

// owner is the program's QtBackend; another object works too, closing at
// once.
void WatchCloseSignals(QObject *owner);
