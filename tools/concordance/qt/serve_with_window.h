#pragma once

// Runs the server inside a Qt event loop, so that it can show passages in a
// window: the DDE sockets and the stop signals are watched by the loop.

#include "options.h"

namespace concordance {

// Returns the process's exit status.
int ServeWithWindow(const Options &options, int &argc, char **argv);

} // namespace concordance
