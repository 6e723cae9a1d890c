#include "misbehaving_server.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/dde.h"
#include "platform/dde_frame.h"
#include "platform/dde_socket.h"

namespace hardening {
namespace {

using platform::ddewire::DecodeFrame;
using platform::ddewire::DecodeStatus;
using platform::ddewire::Frame;
using platform::ddewire::FrameStatus;
using platform::ddewire::FrameType;

void SendRaw(int fd, const std::string &bytes) {
  [[maybe_unused]] ssize_t sent = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

// The next whole frame from the client; false when it hung up or sent
// something that is no frame.
bool ReadFrame(int fd, std::string &inbox, Frame &frame) {
  for (;;) {
    auto decoded = DecodeFrame(inbox);
    if (decoded.status == DecodeStatus::Complete) {
      frame = decoded.frame;
      inbox.erase(0, decoded.size);
      return true;
    }
    if (decoded.status == DecodeStatus::Malformed)
      return false;
    char buffer[4096];
    ssize_t got = read(fd, buffer, sizeof buffer);
    if (got <= 0)
      return false;
    inbox.append(buffer, static_cast<std::size_t>(got));
  }
}

void WaitForHangUp(int fd) {
  std::string inbox;
  Frame ignored;
  while (ReadFrame(fd, inbox, ignored)) {
  }
}

std::string ReplyHeader(std::uint32_t sequence, std::uint32_t dataLength) {
  std::string header(platform::ddewire::HeaderSize, '\0');
  header[0] = static_cast<char>(platform::ddewire::Version);
  header[1] = static_cast<char>(FrameType::Reply);
  header[2] = static_cast<char>(FrameStatus::Ack);
  for (int i = 0; i < 4; ++i) {
    header[4 + i] = static_cast<char>(sequence >> (8 * i));
    header[12 + i] = static_cast<char>(dataLength >> (8 * i));
  }
  header[8] = static_cast<char>(platform::CF_TEXT);
  return header;
}

void AnswerSlowly(int fd, std::string &inbox) {
  Frame frame;
  while (ReadFrame(fd, inbox, frame)) {
    usleep(SlowAnswerMs * 1000);
    std::string data = frame.name == "Version"       ? "01.60"
                       : frame.name == "NumVersions" ? "2147483648"
                                                     : frame.name;
    SendRaw(fd,
            platform::ddewire::EncodeFrame(Frame{FrameType::Reply, FrameStatus::Ack, frame.sequence,
                                                 platform::CF_TEXT, "", data + '\0'}));
  }
}

void Converse(int fd, ServerFault fault) {
  std::string inbox;
  Frame frame;
  if (!ReadFrame(fd, inbox, frame) || frame.type != FrameType::Connect)
    return;
  if (fault == ServerFault::DiesAtConnect)
    raise(SIGKILL);
  if (fault == ServerFault::SilentAtConnect)
    return WaitForHangUp(fd);
  SendRaw(fd, platform::ddewire::EncodeFrame(
                  Frame{FrameType::ConnectReply, FrameStatus::Ack, 0, 0, "", ""}));
  if (fault == ServerFault::AnswersSlowly)
    return AnswerSlowly(fd, inbox);
  if (!ReadFrame(fd, inbox, frame))
    return;
  switch (fault) {
  case ServerFault::DiesAtConnect:
  case ServerFault::DiesAtTransaction:
    raise(SIGKILL);
    break;
  case ServerFault::NeverAnswers:
  case ServerFault::SilentAtConnect: // (handled above)
  case ServerFault::AnswersSlowly:
    break;
  case ServerFault::OversizedReply: {
    const auto claimed = static_cast<std::uint32_t>(platform::DdeMaxData + 1);
    SendRaw(fd, ReplyHeader(frame.sequence, claimed) + std::string(4096, 'x'));
    break;
  }
  case ServerFault::MalformedReply:
    SendRaw(fd, std::string(platform::ddewire::HeaderSize, '\x7f'));
    break;
  }
  WaitForHangUp(fd);
}

[[noreturn]] void Serve(const std::string &path, ServerFault fault, uid_t user, int ready) {
  int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof address.sun_path - 1);
  unlink(path.c_str());
  if (listener < 0 || bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
    _exit(3);
  // A client learns who listens from the process that called listen(), so
  // the socket file can be made in our private folder first.
  if (user != 0 && (setgroups(0, nullptr) != 0 || setgid(user) != 0 || setuid(user) != 0))
    _exit(2);
  if (listen(listener, 8) != 0)
    _exit(3);
  if (fault == ServerFault::AnswersSlowly)
    alarm(SlowServerLifeSeconds); // a client that waits for every answer fails, not hangs
  [[maybe_unused]] ssize_t told = write(ready, "r", 1);
  close(ready);
  for (;;) {
    int fd = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0)
      continue;
    Converse(fd, fault);
    close(fd);
  }
}

} // namespace

MisbehavingServer::MisbehavingServer(const std::string &service, ServerFault fault, uid_t user) {
  const std::string path = platform::ddesock::ServicePath(service);
  int ready[2];
  if (path.empty() || pipe2(ready, O_CLOEXEC) != 0) {
    ADD_FAILURE() << "no DDE folder for " << service;
    return;
  }
  pid_ = fork();
  if (pid_ == 0) {
    close(ready[0]);
    Serve(path, fault, user, ready[1]);
  }
  close(ready[1]);
  pollfd wait{ready[0], POLLIN, 0};
  char byte = 0;
  started_ = pid_ > 0 && poll(&wait, 1, 10000) == 1 && read(ready[0], &byte, 1) == 1;
  close(ready[0]);
  if (!started_)
    ADD_FAILURE() << "the misbehaving server did not start";
}

MisbehavingServer::~MisbehavingServer() {
  if (pid_ <= 0 || reaped_)
    return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

bool MisbehavingServer::Ended() {
  if (pid_ > 0 && !reaped_ && waitpid(pid_, nullptr, WNOHANG) == pid_)
    reaped_ = true;
  return reaped_;
}

} // namespace hardening
