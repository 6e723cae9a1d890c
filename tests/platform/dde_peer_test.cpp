// An in-process server and client, and peers that break the protocol: a
// fake client writing raw bytes to our server, a fake server answering our
// client with raw bytes.

#include "platform/dde.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/dde_frame.h"
#include "support/dde_sandbox.h"

namespace {

using namespace platform;
using ddewire::EncodeFrame;
using ddewire::Frame;
using ddewire::FrameStatus;
using ddewire::FrameType;
using ::testing::ElementsAre;
using testsupport::DdeSandbox;
using Clock = std::chrono::steady_clock;

struct Event {
  std::string side;
  UINT type;
  std::string text; // topic, item or data as fits
  bool operator==(const Event &) const = default;
};

std::vector<Event> Events;
DWORD ServerInst = 0;

std::string DataText(HDDEDATA data) {
  std::string text(DdeGetData(data, nullptr, 0, 0), '\0');
  DdeGetData(data, text.data(), static_cast<DWORD>(text.size()), 0);
  return text;
}

HDDEDATA LastAnswer = 0;

HDDEDATA ServerCallback(UINT type, UINT format, HCONV conv, HSZ topic, HSZ item, HDDEDATA data,
                        ULONG_PTR, ULONG_PTR) {
  std::string topicText = DdeStringText(ServerInst, topic);
  switch (type) {
  case XTYP_CONNECT:
    Events.push_back({"server", type, topicText});
    return topicText == "Refused" ? 0 : 1;
  case XTYP_REQUEST: {
    std::string itemText = DdeStringText(ServerInst, item);
    Events.push_back({"server", type, itemText});
    if (itemText == "Silent")
      return DDE_NOANSWER;
    if (itemText == "Hangup") { // answers, but ends the conversation first
      DdeDisconnect(conv);
      return LastAnswer = DdeCreateDataHandle(ServerInst, "x", 1, 0, item, format, 0);
    }
    if (itemText == "Big")
      return DdeCreateDataHandle(ServerInst, nullptr, DdeMaxData, 0, item, format, 0);
    std::string answer = topicText + "/" + itemText;
    return DdeCreateDataHandle(ServerInst, answer.data(), static_cast<DWORD>(answer.size()), 0,
                               item, format, 0);
  }
  case XTYP_POKE:
  case XTYP_EXECUTE:
    Events.push_back({"server", type, DataText(data)});
    return std::string(DataText(data).c_str()) == "busy" ? DDE_FBUSY : DDE_FACK;
  default:
    Events.push_back({"server", type, ""});
    return 0;
  }
}

HDDEDATA ClientCallback(UINT type, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  Events.push_back({"client", type, ""});
  return 0;
}

int RawConnect(const std::string &path) {
  int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof address.sun_path - 1);
  if (connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

void Write(int fd, const std::string &bytes) {
  ASSERT_EQ(send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL), static_cast<ssize_t>(bytes.size()));
}

// Reads what the peer sends until it closes; "(open)" when it is still open
// after the time given (a bound on a hang, which a loaded machine never
// comes near).
std::string ReadUntilClosed(int fd, int ms = 60'000) {
  std::string bytes;
  auto deadline = Clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    pollfd watch{fd, POLLIN, 0};
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0 || poll(&watch, 1, static_cast<int>(left.count())) <= 0)
      return "(open)";
    char buffer[4096];
    ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0)
      return bytes;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

Frame ConnectFrame(const std::string &topic) {
  return Frame{FrameType::Connect, FrameStatus::NotProcessed, 0, 0, topic, ""};
}

class DdePeerTest : public ::testing::Test {
protected:
  void SetUp() override {
    Events.clear();
    ASSERT_EQ(DdeInitialize(&ServerInst, ServerCallback, CBF_SKIP_CONNECT_CONFIRMS),
              DMLERR_NO_ERROR);
    ASSERT_EQ(DdeInitialize(&client, ClientCallback, APPCMD_CLIENTONLY), DMLERR_NO_ERROR);
    service = DdeCreateStringHandle(ServerInst, "Selftest");
    ASSERT_NE(DdeNameService(ServerInst, service, 0, DNS_REGISTER), 0u);
    path = sandbox.Folder() + "/selftest";
  }
  void TearDown() override {
    DdeUninitialize(client);
    DdeUninitialize(ServerInst);
    ServerInst = 0;
  }

  HCONV Connect(const char *topic) {
    HSZ serviceName = DdeCreateStringHandle(client, "SELFTEST");
    HSZ topicName = DdeCreateStringHandle(client, topic);
    HCONV conv = DdeConnect(client, serviceName, topicName);
    DdeFreeStringHandle(client, serviceName);
    DdeFreeStringHandle(client, topicName);
    return conv;
  }
  std::string Request(HCONV conv, const char *item, DWORD timeoutMs = 2000) {
    HSZ name = DdeCreateStringHandle(client, item);
    HDDEDATA data = DdeClientTransaction(nullptr, 0, conv, name, CF_TEXT, XTYP_REQUEST, timeoutMs);
    DdeFreeStringHandle(client, name);
    if (data == 0)
      return "(none)";
    std::string text = DataText(data);
    DdeFreeDataHandle(data);
    return text;
  }
  // Lets the server handle what a raw peer sent.
  void Serve(int rounds = 5) {
    for (int i = 0; i < rounds; ++i)
      DdeServeFor(ServerInst, 20);
  }
  // A raw connection that the server has accepted as a conversation.
  int OpenRawConversation(const std::string &topic) {
    int fd = RawConnect(path);
    EXPECT_GE(fd, 0);
    Write(fd, EncodeFrame(ConnectFrame(topic)));
    Serve();
    char reply[ddewire::HeaderSize];
    EXPECT_EQ(recv(fd, reply, sizeof reply, 0), static_cast<ssize_t>(sizeof reply));
    return fd;
  }

  DdeSandbox sandbox;
  DWORD client = 0;
  HSZ service = 0;
  std::string path;
};

TEST_F(DdePeerTest, ServerAndClientInOneThreadTalk) {
  HCONV conv = Connect("Data");
  ASSERT_NE(conv, 0u);
  EXPECT_EQ(Request(conv, "Item"), "Data/Item");
  EXPECT_EQ(Request(conv, "Big").size(), DdeMaxData);
  HSZ item = DdeCreateStringHandle(client, "Item");
  EXPECT_EQ(DdeClientTransaction("x", 2, conv, item, CF_TEXT, XTYP_POKE, 2000), 1u);
  DWORD flags = 1;
  EXPECT_EQ(DdeClientTransaction("busy", 5, conv, 0, CF_TEXT, XTYP_EXECUTE, 2000, &flags), 0u);
  EXPECT_EQ(flags, DDE_FBUSY);
  EXPECT_EQ(DdeGetLastError(client), DMLERR_BUSY);
  // Data passed as a handle is taken and freed by the call.
  HDDEDATA data = DdeCreateDataHandle(client, "y", 2, 0, item, CF_TEXT, 0);
  EXPECT_EQ(DdeClientTransaction(reinterpret_cast<const void *>(data), 0xFFFFFFFF, conv, item,
                                 CF_TEXT, XTYP_POKE, 2000),
            1u);
  EXPECT_FALSE(DdeFreeDataHandle(data));
  DdeFreeStringHandle(client, item);
  EXPECT_EQ(Connect("Refused"), 0u);
  EXPECT_TRUE(DdeDisconnect(conv));
  Serve();
  EXPECT_THAT(Events, ElementsAre(Event{"server", XTYP_CONNECT, "Data"},
                                  Event{"server", XTYP_REQUEST, "Item"},
                                  Event{"server", XTYP_REQUEST, "Big"},
                                  Event{"server", XTYP_POKE, std::string("x\0", 2)},
                                  Event{"server", XTYP_EXECUTE, std::string("busy\0", 5)},
                                  Event{"server", XTYP_POKE, std::string("y\0", 2)},
                                  Event{"server", XTYP_CONNECT, "Refused"},
                                  Event{"server", XTYP_DISCONNECT, ""}));
}

TEST_F(DdePeerTest, ALateAnswerIsNotTakenForTheNextTransactionsAnswer) {
  HCONV conv = Connect("Data");
  ASSERT_NE(conv, 0u);
  EXPECT_EQ(Request(conv, "Silent", 100), "(none)");
  EXPECT_EQ(Request(conv, "Next"), "Data/Next");
}

TEST_F(DdePeerTest, AServerThatHangsUpInsideItsCallbackSendsNothingAndLeaksNothing) {
  HCONV conv = Connect("Data");
  ASSERT_NE(conv, 0u);
  EXPECT_EQ(Request(conv, "Hangup"), "(none)");
  EXPECT_FALSE(DdeFreeDataHandle(LastAnswer)); // the layer freed the orphaned answer
  EXPECT_THAT(Events, ElementsAre(Event{"server", XTYP_CONNECT, "Data"},
                                  Event{"server", XTYP_REQUEST, "Hangup"},
                                  Event{"client", XTYP_DISCONNECT, ""}));
}

TEST_F(DdePeerTest, TheServerLeavesOutWhatItsFlagsFail) {
  DWORD inst = ServerInst;
  ASSERT_EQ(DdeInitialize(&inst, ServerCallback,
                          CBF_FAIL_POKES | CBF_SKIP_DISCONNECTS | CBF_SKIP_CONNECT_CONFIRMS),
            DMLERR_NO_ERROR);
  HCONV conv = Connect("Data");
  HSZ item = DdeCreateStringHandle(client, "Item");
  EXPECT_EQ(DdeClientTransaction("x", 2, conv, item, CF_TEXT, XTYP_POKE, 2000), 0u);
  EXPECT_EQ(DdeGetLastError(client), DMLERR_NOTPROCESSED);
  DdeFreeStringHandle(client, item);
  DdeDisconnect(conv);
  Serve();
  EXPECT_THAT(Events, ElementsAre(Event{"server", XTYP_CONNECT, "Data"}));
}

TEST_F(DdePeerTest, MalformedFramesFromAClientEndOnlyItsConversation) {
  std::string oversized =
      EncodeFrame(Frame{FrameType::Poke, FrameStatus::NotProcessed, 1, CF_TEXT, "x", ""});
  oversized[12] = oversized[13] = oversized[14] = oversized[15] = '\xff';
  std::string reply = EncodeFrame(Frame{FrameType::Reply, FrameStatus::Ack, 1, 0, "", ""});
  std::string sequenceZero =
      EncodeFrame(Frame{FrameType::Execute, FrameStatus::NotProcessed, 1, 0, "", "x"});
  sequenceZero[4] = 0;
  for (const std::string &bytes : {std::string("\x01\x03garbage that is not a frame"), oversized,
                                   reply, sequenceZero, EncodeFrame(ConnectFrame("Data"))}) {
    Events.clear();
    int fd = OpenRawConversation("Data");
    Write(fd, bytes);
    Serve();
    EXPECT_EQ(ReadUntilClosed(fd), "") << bytes.size();
    EXPECT_THAT(Events, ElementsAre(Event{"server", XTYP_CONNECT, "Data"},
                                    Event{"server", XTYP_DISCONNECT, ""}));
    close(fd);
  }
  // The server still serves everyone else.
  HCONV conv = Connect("Data");
  ASSERT_NE(conv, 0u);
  EXPECT_EQ(Request(conv, "Item"), "Data/Item");
  EXPECT_EQ(DdeWatchedSockets(ServerInst).size(), 2u); // the listener and this conversation
}

TEST_F(DdePeerTest, AClientThatSendsNothingOrHalfAFrameDoesNotHoldTheServerUp) {
  int silent = RawConnect(path);
  int half = RawConnect(path);
  std::string frame = EncodeFrame(ConnectFrame("Data"));
  Write(half, frame.substr(0, 5));
  Serve();
  HCONV conv = Connect("Data");
  ASSERT_NE(conv, 0u);
  EXPECT_EQ(Request(conv, "Item"), "Data/Item");
  // A wrong first frame, or a hang-up, ends a pending connection quietly.
  Write(half, std::string(ddewire::HeaderSize, '\x01'));
  close(silent);
  Serve();
  EXPECT_EQ(ReadUntilClosed(half), "");
  close(half);
  EXPECT_THAT(Events, ElementsAre(Event{"server", XTYP_CONNECT, "Data"},
                                  Event{"server", XTYP_REQUEST, "Item"}));
}

TEST_F(DdePeerTest, ClientsThatNeverSayTheirTopicAreDroppedAfterTheConnectTimeout) {
  DdeSetConnectTimeout(ServerInst, 50);
  std::vector<int> idle;
  for (int i = 0; i < 70; ++i) { // more than one instance keeps conversations
    idle.push_back(RawConnect(path));
    Serve(1);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  HCONV conv = Connect("Data");
  EXPECT_NE(conv, 0u);
  for (int fd : idle)
    close(fd);
}

TEST_F(DdePeerTest, APeerOfAnotherUserIsRefused) {
  if (geteuid() != 0)
    GTEST_SKIP() << "acting as another user needs root";
  // Let the other user reach the socket at all; the folder was checked when
  // the name was registered.
  for (const std::string &folder : {sandbox.Runtime().Path().string(), sandbox.Folder()})
    chmod(folder.c_str(), 0711);
  chmod(path.c_str(), 0777);
  pid_t child = fork();
  if (child == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0)
      _exit(2);
    int fd = RawConnect(path);
    std::string connect = EncodeFrame(ConnectFrame("Data"));
    if (fd < 0)
      _exit(3);
    send(fd, connect.data(), connect.size(), MSG_NOSIGNAL); // may meet a closed socket already
    _exit(ReadUntilClosed(fd) == "" ? 0 : 4);               // closed without an answer
  }
  int status = 0;
  ASSERT_TRUE(testsupport::WaitUntil([&] {
    Serve(1);
    return waitpid(child, &status, WNOHANG) == child;
  }));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_TRUE(Events.empty());
  EXPECT_EQ(DdeWatchedSockets(ServerInst).size(), 1u);
}

// A fake server at the service's socket: it accepts one client, answers its
// connect, and then answers each frame it receives with the next of the
// scripted replies.
class FakeServer {
public:
  FakeServer(const std::string &path, std::vector<std::string> replies, int delayMs = 0)
      : replies_(std::move(replies)) {
    listener_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    unlink(path.c_str());
    if (bind(listener_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        listen(listener_, 4) != 0)
      ADD_FAILURE() << "fake server cannot listen";
    thread_ = std::thread([this, delayMs] { Run(delayMs); });
  }
  ~FakeServer() {
    shutdown(listener_, SHUT_RDWR);
    thread_.join();
    close(listener_);
  }

private:
  void Run(int delayMs) {
    int fd = accept(listener_, nullptr, nullptr);
    if (fd < 0)
      return;
    char buffer[ddewire::HeaderSize + 64];
    recv(fd, buffer, sizeof buffer, 0); // the connect
    std::string accept =
        EncodeFrame(Frame{FrameType::ConnectReply, FrameStatus::Ack, 0, 0, "", ""});
    send(fd, accept.data(), accept.size(), MSG_NOSIGNAL);
    for (const std::string &reply : replies_) {
      if (recv(fd, buffer, sizeof buffer, 0) <= 0)
        break;
      std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
      send(fd, reply.data(), reply.size(), MSG_NOSIGNAL);
    }
    pollfd watch{fd, POLLIN, 0};
    poll(&watch, 1, 3000); // until the client hangs up
    close(fd);
  }

  int listener_ = -1;
  std::vector<std::string> replies_;
  std::thread thread_;
};

TEST_F(DdePeerTest, MalformedAnswersEndTheClientsConversationAndAreReported) {
  std::string oversized = EncodeFrame(Frame{FrameType::Reply, FrameStatus::Ack, 1, 0, "", "x"});
  oversized[12] = oversized[13] = oversized[14] = '\x7f';
  std::string future = EncodeFrame(Frame{FrameType::Reply, FrameStatus::Ack, 99, 0, "", "x"});
  std::string wrongType = EncodeFrame(ConnectFrame("Data"));
  for (const std::string &reply : {std::string(40, '\xff'), oversized, future, wrongType}) {
    Events.clear();
    FakeServer fake(sandbox.Folder() + "/fake", {reply});
    HSZ name = DdeCreateStringHandle(client, "Fake");
    HCONV conv = DdeConnect(client, name, name);
    ASSERT_NE(conv, 0u);
    // Not a time-out: only the malformed answer can end this wait.
    EXPECT_EQ(
        DdeClientTransaction(nullptr, 0, conv, name, CF_TEXT, XTYP_REQUEST, testsupport::NeverMs),
        0u);
    EXPECT_THAT(Events, ElementsAre(Event{"client", XTYP_DISCONNECT, ""}));
    EXPECT_FALSE(DdeDisconnect(conv));
    DdeFreeStringHandle(client, name);
  }
}

TEST_F(DdePeerTest, AServerThatNeverAnswersTheConnectIsGivenUp) {
  int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  (sandbox.Folder() + "/mute").copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
  ASSERT_EQ(listen(listener, 4), 0);
  // Given up at the time-out: a wait past it would hang the test.
  DdeSetConnectTimeout(client, 200);
  HSZ name = DdeCreateStringHandle(client, "Mute");
  EXPECT_EQ(DdeConnect(client, name, name), 0u);
  EXPECT_TRUE(Events.empty());
  close(listener);
}

} // namespace
