#pragma once

// Method calls on the desktop session's message bus (D-Bus), for the peers
// the program reaches there (the Bible program Xiphos). The backend that
// has a bus gives one (Backend::Bus); the calls wait as the DDE layer's do:
// bounded, painting the windows (Backend::PaintWhileBusy) and ended by
// Escape.

#include <optional>
#include <string>

enum class BusOutcome {
  Answered,
  NoOwner,  // nobody owns the name (or there is no bus)
  TimedOut, // no answer within the time-out
  Failed,   // an error answer
  Stopped,  // the user pressed Escape while waiting
  TooLarge, // an answer larger than MaxBusAnswer, not read
};

// The largest message read from a peer on the bus: far more than a
// reference, far less than a peer could send to exhaust the memory.
inline constexpr long MaxBusAnswer = 64 * 1024;

struct TBusReply {
  BusOutcome outcome = BusOutcome::Failed;
  std::string text; // the answer's first text, UTF-8
};

struct TBusObject {
  std::string service; // the owned name, e.g. "org.xiphos.remote"
  std::string path;
  std::string interface;
};

class SessionBus {
public:
  virtual ~SessionBus() = default;
  // Whether a program owns name now; false also when there is no bus.
  virtual bool HasOwner(const std::string &name) = 0;
  // The process that owns name, as the bus knows it; nullopt when nobody
  // does or the bus cannot tell.
  virtual std::optional<int> OwnerProcess(const std::string &) { return std::nullopt; }
  // Calls method of object with one text argument, or none, and waits at
  // most timeoutMs for the answer. An answer larger than MaxBusAnswer is
  // refused before it is read whole.
  virtual TBusReply Call(const TBusObject &object, const std::string &method,
                         const std::optional<std::string> &argument, unsigned timeoutMs) = 0;
};
