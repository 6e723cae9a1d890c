#include "stop_signals.h"

#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace concordance {
namespace {

volatile std::sig_atomic_t StopRequested = 0;
int StopPipe[2] = {-1, -1};

extern "C" void RequestStop(int) {
  StopRequested = 1;
  if (StopPipe[1] >= 0)
    (void)!write(StopPipe[1], "x", 1);
}

} // namespace

bool InstallStopSignals() {
  if (StopPipe[0] < 0 && pipe2(StopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
    return false;
  struct sigaction stop {};
  stop.sa_handler = RequestStop;
  sigemptyset(&stop.sa_mask);
  for (int signal : {SIGTERM, SIGINT, SIGHUP})
    sigaction(signal, &stop, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
  return true;
}

const volatile std::sig_atomic_t *StopFlag() {
  return &StopRequested;
}

int StopDescriptor() {
  return StopPipe[0];
}

} // namespace concordance
