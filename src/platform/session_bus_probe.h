#pragma once

// Whether the desktop session's message bus answers at all, asked before
// the toolkit connects to it: the toolkit's first call on the bus (to find
// the screen readers' bus) blocks the start without a bound, so a bus that
// takes connections and never answers would keep the window from showing.

namespace platform {

enum class BusProbe {
  Answers, // the bus took part in the first step of its handshake in time
  Silent,  // it took the connection and said nothing in time
  Unknown, // no bus is named that we could reach (the toolkit finds none
           // at once), or one of a kind we do not look at (tcp, autolaunch)
};

// Looks at the bus that DBUS_SESSION_BUS_ADDRESS names (the first of its
// addresses that takes a connection), or without it at $XDG_RUNTIME_DIR/bus,
// waiting at most timeoutMs for its answer.
BusProbe ProbeSessionBus(int timeoutMs);

} // namespace platform
