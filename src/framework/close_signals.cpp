#include "framework/close_signals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "framework/application.h"

namespace {

bool PendingClose = false;
bool Closing = false;
int WriteEnd = -1;
int ReadEnd = -1;

extern "C" void OnCloseSignal(int) {
  int saved = errno;
  char byte = 1;
  // Nothing else is safe in a handler; a full pipe already holds a request.
  [[maybe_unused]] ssize_t written = write(WriteEnd, &byte, 1);
  errno = saved;
}

} // namespace

int InstallCloseSignals() {
  if (ReadEnd >= 0)
    return ReadEnd;
  int ends[2];
  if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
    return -1;
  ReadEnd = ends[0];
  WriteEnd = ends[1];
  struct sigaction action {};
  action.sa_handler = OnCloseSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP})
    sigaction(signal, &action, nullptr);
  return ReadEnd;
}

bool TakeCloseRequest(int fd) {
  char buffer[64];
  bool asked = false;
  while (read(fd, buffer, sizeof buffer) > 0)
    asked = true;
  return asked;
}

bool TakeCloseSignalNow() {
  if (ReadEnd < 0 || !TakeCloseRequest(ReadEnd))
    return false;
  AskProgramToClose();
  return true;
}

void AskProgramToClose() {
  Closing = true;
}

bool ProgramClosing() {
  return Closing;
}

void CloseMainWindowForSignal() {
  TApplication *app = TheApplication();
  TFrameWindow *frame = app != nullptr ? app->GetMainWindow() : nullptr;
  if (frame == nullptr || !frame->IsCreated()) {
    PendingClose = true;
    return;
  }
  if (TWindow *client = frame->GetClientWindow(); client != nullptr && client->IsCreated())
    client->CloseWindow(0);
  else
    frame->CloseWindow(0);
}

bool TakePendingSignalClose() {
  bool pending = PendingClose;
  PendingClose = false;
  return pending;
}

void ForgetCloseRequests() {
  PendingClose = false;
  Closing = false;
}
