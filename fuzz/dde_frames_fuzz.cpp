// DDE frames: any bytes as a stream from a partner. First through the pure
// decoder, whole and in pieces: every frame it takes must re-encode to the
// very bytes it took, and it must never ask for more than one frame's worth.
// Then through live conversations on real sockets: as a client's stream to
// our server (after a connect), and as a server's answer to our client's
// request. Either side must end or keep the conversation without leaking
// it, and the client's transaction must return.

#include "platform/dde.h"
#include "platform/dde_frame.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace platform;
using ddewire::DecodeFrame;
using ddewire::DecodeStatus;

void Check(bool holds, const char *what) {
  if (!holds) {
    std::fprintf(stderr, "DDE frame invariant broken: %s\n", what);
    std::abort();
  }
}

// Decodes a stream frame by frame; returns how many bytes the frames took.
std::size_t DecodeStream(std::string_view stream) {
  std::size_t taken = 0;
  for (;;) {
    ddewire::DecodeResult result = DecodeFrame(stream.substr(taken));
    if (result.status != DecodeStatus::Complete) {
      if (result.status == DecodeStatus::Incomplete)
        Check(stream.size() - taken < ddewire::MaxFrameSize(), "incomplete beyond a frame");
      return taken;
    }
    Check(result.size >= ddewire::HeaderSize && result.size <= ddewire::MaxFrameSize(),
          "frame size out of bounds");
    Check(ddewire::EncodeFrame(result.frame) == stream.substr(taken, result.size),
          "frame does not re-encode to its bytes");
    taken += result.size;
  }
}

// Feeding the stream in pieces, as sockets deliver it, takes the same frames.
void DecodeInPieces(std::string_view stream, std::size_t piece) {
  std::string inbox;
  std::size_t taken = 0;
  for (std::size_t at = 0; at < stream.size(); at += piece) {
    inbox.append(stream.substr(at, piece));
    for (;;) {
      ddewire::DecodeResult result = DecodeFrame(inbox);
      if (result.status == DecodeStatus::Malformed)
        return;
      if (result.status == DecodeStatus::Incomplete)
        break;
      taken += result.size;
      inbox.erase(0, result.size);
    }
    Check(inbox.size() < ddewire::MaxFrameSize(), "inbox grew past a frame");
  }
  Check(taken <= stream.size(), "took more than was given");
}

DWORD ServerInst = 0;
std::string ServicePath;

HDDEDATA Serve(UINT type, UINT format, HCONV, HSZ, HSZ item, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  switch (type) {
  case XTYP_CONNECT:
    return 1;
  case XTYP_REQUEST:
    return DdeCreateDataHandle(ServerInst, "answer", 7, 0, item, format, 0);
  case XTYP_POKE:
  case XTYP_EXECUTE:
    return DDE_FACK;
  default:
    return 0;
  }
}

bool StartServer() {
  char folder[] = "/tmp/selwarth-fuzz-XXXXXX";
  if (mkdtemp(folder) == nullptr)
    return false;
  setenv("XDG_RUNTIME_DIR", folder, 1);
  if (DdeInitialize(&ServerInst, Serve, 0) != DMLERR_NO_ERROR)
    return false;
  HSZ name = DdeCreateStringHandle(ServerInst, "Fuzz");
  ServicePath = DdeSocketFolder() + "/fuzz";
  return DdeNameService(ServerInst, name, 0, DNS_REGISTER) != 0;
}

bool StartClient();

void Setup() {
  static bool started = StartServer() && StartClient();
  Check(started, "the fuzz server or client did not start");
}

void Drain(int fd) {
  char buffer[4096];
  while (recv(fd, buffer, sizeof buffer, MSG_DONTWAIT) > 0) {
  }
}

void ThroughLiveConversation(std::string_view bytes) {
  Setup();
  int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ServicePath.copy(address.sun_path, sizeof address.sun_path - 1);
  Check(connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0, "connect");
  ddewire::Frame connectFrame;
  connectFrame.type = ddewire::FrameType::Connect;
  connectFrame.name = "Fuzz";
  std::string stream = ddewire::EncodeFrame(connectFrame);
  stream.append(bytes.substr(0, 32 * 1024));
  send(fd, stream.data(), stream.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
  shutdown(fd, SHUT_WR);
  // The server takes the connection, and the end of the stream ends the
  // conversation at the latest.
  bool accepted = false;
  for (int round = 0; round < 200; ++round) {
    DdeServeFor(ServerInst, 10);
    Drain(fd);
    std::size_t watched = DdeWatchedSockets(ServerInst).size();
    accepted = accepted || watched > 1;
    if (accepted && watched == 1)
      break;
  }
  Check(accepted, "the connection was not taken");
  Check(DdeWatchedSockets(ServerInst).size() == 1, "a conversation outlived its socket");
  close(fd);
}

// The fake server for the client side: accepts, answers the connect, reads
// one frame, sends the bytes of the current input and hangs up.
struct FakeServer {
  std::mutex mutex;
  std::string answer;
  int listener = -1;
};

FakeServer Fake;

bool ReadFrame(int fd) {
  std::string inbox;
  char buffer[4096];
  while (DecodeFrame(inbox).status == DecodeStatus::Incomplete) {
    ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0)
      return false;
    inbox.append(buffer, static_cast<std::size_t>(n));
  }
  return true;
}

void RunFakeServer() {
  for (;;) {
    int fd = accept(Fake.listener, nullptr, nullptr);
    if (fd < 0)
      continue;
    ddewire::Frame accepted;
    accepted.type = ddewire::FrameType::ConnectReply;
    accepted.status = ddewire::FrameStatus::Ack;
    std::string reply = ddewire::EncodeFrame(accepted);
    if (ReadFrame(fd) && send(fd, reply.data(), reply.size(), MSG_NOSIGNAL) > 0 && ReadFrame(fd)) {
      std::string answer;
      {
        std::lock_guard lock(Fake.mutex);
        answer = Fake.answer;
      }
      send(fd, answer.data(), answer.size(), MSG_NOSIGNAL);
    }
    shutdown(fd, SHUT_WR);
    char buffer[256];
    while (recv(fd, buffer, sizeof buffer, 0) > 0) {
    }
    close(fd);
  }
}

DWORD ClientInst = 0;
int Disconnects = 0;

HDDEDATA CountDisconnects(UINT type, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  Disconnects += type == XTYP_DISCONNECT;
  return 0;
}

bool StartClient() {
  Fake.listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  (DdeSocketFolder() + "/fake").copy(address.sun_path, sizeof address.sun_path - 1);
  if (bind(Fake.listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
      listen(Fake.listener, 4) != 0)
    return false;
  std::thread(RunFakeServer).detach();
  return DdeInitialize(&ClientInst, CountDisconnects, APPCMD_CLIENTONLY) == DMLERR_NO_ERROR;
}

void AsAnswerToTheClient(std::string_view bytes) {
  Setup();
  {
    std::lock_guard lock(Fake.mutex);
    Fake.answer.assign(bytes.substr(0, 32 * 1024));
  }
  HSZ name = DdeCreateStringHandle(ClientInst, "Fake");
  HCONV conv = DdeConnect(ClientInst, name, name);
  Check(conv != 0, "no conversation with the fake server");
  Disconnects = 0;
  HDDEDATA data = DdeClientTransaction(nullptr, 0, conv, name, CF_TEXT, XTYP_REQUEST, 2000);
  if (data != 0) {
    Check(DdeGetData(data, nullptr, 0, 0) <= DdeMaxData, "answer beyond the bound");
    Check(DdeFreeDataHandle(data), "answer handle not alive");
  }
  // The conversation is either lost (and was reported) or still ours to end.
  Check(DdeDisconnect(conv) == (Disconnects == 0), "a lost conversation unreported");
  Check(DdeWatchedSockets(ClientInst).empty(), "a client conversation outlived its socket");
  Check(Disconnects <= 1, "more than one disconnect for one conversation");
  DdeFreeStringHandle(ClientInst, name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char *>(data), size);
  DecodeStream(bytes);
  if (size > 0)
    DecodeInPieces(bytes, 1 + data[0] % 17);
  ThroughLiveConversation(bytes);
  AsAnswerToTheClient(bytes);
  return 0;
}
