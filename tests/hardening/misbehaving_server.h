#pragma once

// A DDE server that breaks down on purpose, in a process of its own: it
// answers connects (or dies on one) and then dies, stays silent or answers
// with a frame no client may accept, at the first transaction of each
// conversation. It speaks the wire format directly, so that it can say what
// our own server never would.

#include <string>
#include <sys/types.h>

namespace hardening {

enum class ServerFault {
  DiesAtConnect,     // killed once the connect frame has arrived
  DiesAtTransaction, // killed once the first transaction has arrived
  NeverAnswers,      // takes transactions and says nothing
  OversizedReply,    // a reply whose header claims more data than a frame may hold
  MalformedReply,    // sixteen bytes that are no frame header at all
  SilentAtConnect,   // takes the connect frame and says nothing
  // Answers every request after SlowAnswer, counting 2^31 translations
  // (each named as its item), and ends itself after SlowServerLife.
  AnswersSlowly,
};

inline constexpr int SlowAnswerMs = 1000;
inline constexpr unsigned SlowServerLifeSeconds = 40;

class MisbehavingServer {
public:
  // Listens for service at its socket in the DDE folder of the calling
  // process. With a user id (the caller must be root) the server runs as that
  // user, as another user's program would. Fails the test when it cannot.
  MisbehavingServer(const std::string &service, ServerFault fault, uid_t user = 0);
  ~MisbehavingServer(); // kills and reaps the server
  MisbehavingServer(const MisbehavingServer &) = delete;
  MisbehavingServer &operator=(const MisbehavingServer &) = delete;

  bool Started() const { return started_; }
  // Whether the server process has ended (it kills itself where its fault
  // says so).
  bool Ended();

private:
  pid_t pid_ = -1;
  bool started_ = false;
  bool reaped_ = false;
};

} // namespace hardening
