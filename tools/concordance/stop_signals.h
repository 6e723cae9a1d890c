#pragma once

// SIGTERM, SIGINT and SIGHUP end the server cleanly, withdrawing its
// service: the handler sets a flag, for a loop that polls, and writes a byte
// to a pipe, for an event loop that watches descriptors.

#include <csignal>

namespace concordance {

// Installs the handlers (and ignores SIGPIPE: a client that goes away must
// not end the server). False when the pipe cannot be made.
bool InstallStopSignals();
const volatile std::sig_atomic_t *StopFlag();
// Readable once a stop was asked for.
int StopDescriptor();

} // namespace concordance
