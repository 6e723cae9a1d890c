// Conversations with the stand-in concordance server, a separate process
// reached through real sockets.

#include "platform/dde.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <poll.h>
#include <thread>

#include "support/dde_sandbox.h"

namespace {

using namespace platform;
using ::testing::ElementsAre;
using testsupport::BackgroundProcess;
using testsupport::DdeSandbox;
using testsupport::StartConcordance;
using testsupport::WaitUntil;

struct Event {
  UINT type;
  HCONV conv;
  bool operator==(const Event &) const = default;
};

std::vector<Event> Events;

HDDEDATA Record(UINT type, UINT, HCONV conv, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  Events.push_back({type, conv});
  return 0;
}

class DdeConversationTest : public ::testing::Test {
protected:
  void SetUp() override {
    Events.clear();
    ASSERT_EQ(DdeInitialize(&inst, Record, APPCMD_CLIENTONLY | CBF_FAIL_ADVISES | CBF_FAIL_POKES),
              DMLERR_NO_ERROR);
  }
  void TearDown() override {
    for (HSZ hsz : made)
      DdeFreeStringHandle(inst, hsz);
    DdeUninitialize(inst);
  }

  HSZ Name(const char *text) {
    HSZ hsz = DdeCreateStringHandle(inst, text);
    made.push_back(hsz);
    return hsz;
  }
  HCONV Connect(const char *service, const char *topic) {
    return DdeConnect(inst, Name(service), Name(topic));
  }
  // A request's reply as text, or "(none)" when it failed.
  std::string Request(HCONV conv, const char *item, DWORD timeoutMs = 5000) {
    HDDEDATA data =
        DdeClientTransaction(nullptr, 0, conv, Name(item), CF_TEXT, XTYP_REQUEST, timeoutMs);
    if (data == 0)
      return "(none)";
    std::string text(DdeGetData(data, nullptr, 0, 0), '\0');
    DdeGetData(data, text.data(), static_cast<DWORD>(text.size()), 0);
    EXPECT_TRUE(DdeFreeDataHandle(data));
    return text;
  }
  HDDEDATA Poke(HCONV conv, const char *item, const std::string &text, DWORD timeoutMs = 4000) {
    return DdeClientTransaction(text.c_str(), static_cast<DWORD>(text.size() + 1), conv, Name(item),
                                CF_TEXT, XTYP_POKE, timeoutMs);
  }
  // An execute as the link sends it: the command in a 60-byte buffer.
  HDDEDATA Execute(HCONV conv, const std::string &command, DWORD timeoutMs = 5000) {
    char buffer[60] = {};
    command.copy(buffer, sizeof buffer - 1);
    buffer[sizeof buffer - 1] = '\x7f'; // bytes after the NUL are not the command's
    return DdeClientTransaction(buffer, sizeof buffer, conv, 0, CF_TEXT, XTYP_EXECUTE, timeoutMs);
  }
  std::vector<std::string> LogLines() {
    std::vector<std::string> lines;
    std::string text = sandbox.Runtime().Read("log");
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1)
      lines.push_back(text.substr(start, end - start));
    return lines;
  }
  std::string LogFile() { return sandbox.Runtime().File("log"); }

  DdeSandbox sandbox;
  DWORD inst = 0;
  std::vector<HSZ> made;
};

TEST_F(DdeConversationTest, ARunningServerAnswersTheLogosRequests) {
  auto server = StartConcordance(
      "Logos", {"--version", "01.61", "--translations", "KJV,NIV,ASV", "--log", LogFile()});
  ASSERT_NE(server, nullptr);
  HCONV system = Connect("Logos", "System");
  ASSERT_NE(system, 0u);
  EXPECT_EQ(Request(system, "Version"), std::string("01.61\0", 6));
  EXPECT_TRUE(DdeDisconnect(system));

  HCONV data = Connect("Logos", "Data");
  ASSERT_NE(data, 0u);
  EXPECT_EQ(Request(data, "NumVersions"), std::string("3\0", 2));
  EXPECT_EQ(Request(data, "VerAbr0"), std::string("KJV\0", 4));
  EXPECT_EQ(Request(data, "VerAbr2"), std::string("ASV\0", 4));
  EXPECT_EQ(Request(data, "VerAbr3"), "(none)");
  EXPECT_EQ(DdeGetLastError(inst), DMLERR_NOTPROCESSED);
  EXPECT_TRUE(DdeDisconnect(data));

  EXPECT_TRUE(WaitUntil([&] { return LogLines().size() >= 9; }));
  EXPECT_THAT(LogLines(),
              ElementsAre("CONNECT\tSystem\t\t", "REQUEST\tSystem\tVersion\t", "DISCONNECT\t\t\t",
                          "CONNECT\tData\t\t", "REQUEST\tData\tNumVersions\t",
                          "REQUEST\tData\tVerAbr0\t", "REQUEST\tData\tVerAbr2\t",
                          "REQUEST\tData\tVerAbr3\t", "DISCONNECT\t\t\t"));
  EXPECT_TRUE(Events.empty()); // our own disconnects are not reported to us
}

TEST_F(DdeConversationTest, PokesShowAPassageWhenTheReferenceParses) {
  auto server = StartConcordance("Logos", {"--log", LogFile()});
  ASSERT_NE(server, nullptr);
  HCONV conv = Connect("Logos", "Passage");
  ASSERT_NE(conv, 0u);
  DWORD flags = 0;
  EXPECT_EQ(DdeClientTransaction("WEB", 4, conv, Name("CurVer"), CF_TEXT, XTYP_POKE, 4000, &flags),
            1u);
  EXPECT_EQ(flags, DDE_FACK);
  EXPECT_NE(Poke(conv, "CurRef", " John 3:16"), 0u);
  EXPECT_EQ(Poke(conv, "CurRef", "not a reference!"), 0u);
  EXPECT_EQ(Poke(conv, "CurVer", "XYZ"), 0u);
  EXPECT_NE(Poke(conv, "CurRef", "Genesis 1-2"), 0u);
  DdeDisconnect(conv);

  EXPECT_TRUE(WaitUntil([&] { return server->Output().find("Genesis") != std::string::npos; }));
  EXPECT_THAT(server->Output(), ::testing::HasSubstr("Showing John 3:16 (WEB)\n"
                                                     "Showing Genesis 1-2 (WEB)\n"));
  EXPECT_TRUE(WaitUntil([&] { return LogLines().size() >= 7; }));
  EXPECT_THAT(LogLines(),
              ElementsAre("CONNECT\tPassage\t\t", "POKE\tPassage\tCurVer\tWEB",
                          "POKE\tPassage\tCurRef\t John 3:16",
                          "POKE\tPassage\tCurRef\tnot a reference!", "POKE\tPassage\tCurVer\tXYZ",
                          "POKE\tPassage\tCurRef\tGenesis 1-2", "DISCONNECT\t\t\t"));
}

TEST_F(DdeConversationTest, ExecutesTakeTheCommandUpToItsNul) {
  auto server = StartConcordance("QVWIN", {"--log", LogFile()});
  ASSERT_NE(server, nullptr);
  HCONV conv = Connect("QVWIN", "Verses");
  ASSERT_NE(conv, 0u);
  EXPECT_EQ(Request(conv, "Version"), std::string("2.63\0", 5)); // asked on the check topic
  EXPECT_EQ(Execute(conv, "[GoTo(\"Romans 8:28\")]"), 1u);
  EXPECT_EQ(Execute(conv, "[Activate]"), 1u);
  EXPECT_EQ(Execute(conv, "[GoTo(\"\")]"), 0u);
  EXPECT_EQ(Execute(conv, "[Explode]"), 0u);
  DdeDisconnect(conv);
  EXPECT_TRUE(WaitUntil([&] { return LogLines().size() >= 7; }));
  EXPECT_THAT(LogLines(),
              ElementsAre("CONNECT\tVerses\t\t", "REQUEST\tVerses\tVersion\t",
                          "EXECUTE\tVerses\t\t[GoTo(\"Romans 8:28\")]",
                          "EXECUTE\tVerses\t\t[Activate]", "EXECUTE\tVerses\t\t[GoTo(\"\")]",
                          "EXECUTE\tVerses\t\t[Explode]", "DISCONNECT\t\t\t"));
  EXPECT_THAT(server->Output(), ::testing::HasSubstr("Showing Romans 8:28 (KJV)\nActivated\n"));
}

TEST_F(DdeConversationTest, RangesWithAnEnDashAreShownAndLoggedAsUtf8) {
  auto server = StartConcordance("QVWIN", {"--log", LogFile()});
  ASSERT_NE(server, nullptr);
  HCONV conv = Connect("QVWIN", "Verses");
  ASSERT_NE(conv, 0u);
  // Package text is code page 1252: 0x96 is the en dash, 0xE9 an e acute.
  EXPECT_EQ(Execute(conv, "[GoTo(\"Psalm 121:1\x96"
                          "2\")]"),
            1u);
  EXPECT_EQ(Execute(conv, "[GoTo(\"Psalm 121:1\xE2\x80\x93"
                          "2\")]"),
            1u);
  EXPECT_EQ(Execute(conv, "[GoTo(\"Gen\xE9se 1\x81\")]"), 0u);
  DdeDisconnect(conv);
  EXPECT_TRUE(WaitUntil([&] { return LogLines().size() >= 5; }));
  EXPECT_THAT(LogLines(),
              ElementsAre("CONNECT\tVerses\t\t",
                          "EXECUTE\tVerses\t\t[GoTo(\"Psalm 121:1\xE2\x80\x93"
                          "2\")]",
                          "EXECUTE\tVerses\t\t[GoTo(\"Psalm 121:1\xC3\xA2\xE2\x82\xAC\xE2\x80\x9C"
                          "2\")]",
                          "EXECUTE\tVerses\t\t[GoTo(\"Gen\xC3\xA9se 1\\x81\")]",
                          "DISCONNECT\t\t\t"));
  EXPECT_THAT(server->Output(), ::testing::HasSubstr("Showing Psalm 121:1-2 (KJV)\n"
                                                     "Showing Psalm 121:1-2 (KJV)\n"));
}

TEST_F(DdeConversationTest, ServiceAndTopicNamesCompareWithoutRegardToCase) {
  auto server = StartConcordance("QVWIN");
  ASSERT_NE(server, nullptr);
  for (const char *name : {"qvwin", "QvWiN"}) {
    HCONV conv = Connect(name, "vERSES");
    EXPECT_NE(conv, 0u) << name;
    DdeDisconnect(conv);
  }
  EXPECT_EQ(Connect("QVWIN", "Nonsense"), 0u); // the server refuses unknown topics
  EXPECT_EQ(DdeGetLastError(inst), DMLERR_NO_CONV_ESTABLISHED);
}

TEST_F(DdeConversationTest, ConnectingToNoServerFailsAtOnce) {
  // Waiting for an answer would hang the test: nothing is there to answer.
  DdeSetConnectTimeout(inst, testsupport::NeverMs);
  EXPECT_EQ(Connect("SMW", "Verses"), 0u);
  EXPECT_EQ(DdeGetLastError(inst), DMLERR_NO_CONV_ESTABLISHED);
  // A stale socket file of a dead server does not fool the client.
  auto server = StartConcordance("SMW");
  ASSERT_NE(server, nullptr);
  server->Signal(SIGKILL);
  server->WaitForExit(std::chrono::seconds(60));
  ASSERT_TRUE(std::filesystem::exists(sandbox.Folder() + "/smw"));
  EXPECT_EQ(Connect("SMW", "Verses"), 0u);
  // ... and a new server takes its place.
  auto second = StartConcordance("SMW");
  ASSERT_NE(second, nullptr);
  EXPECT_NE(Connect("SMW", "Verses"), 0u);
}

TEST_F(DdeConversationTest, AServerThatNeverAnswersTimesOutAfterTheTimeout) {
  auto server = StartConcordance("Logos", {"--no-answer"});
  ASSERT_NE(server, nullptr);
  HCONV conv = Connect("Logos", "System");
  ASSERT_NE(conv, 0u);
  // Each returns at its time-out (a wait past it would hang the test), and
  // says it was the time-out.
  EXPECT_EQ(Request(conv, "Version", 300), "(none)");
  EXPECT_EQ(DdeGetLastError(inst), DMLERR_DATAACKTIMEOUT);
  EXPECT_EQ(Poke(conv, "CurRef", "Jude", 200), 0u);
  EXPECT_EQ(DdeGetLastError(inst), DMLERR_POKEACKTIMEOUT);
  EXPECT_EQ(Execute(conv, "[Activate]", 0), 0u);
  EXPECT_EQ(DdeGetLastError(inst), DMLERR_EXECACKTIMEOUT);
  EXPECT_TRUE(Events.empty()); // the conversation stays open
  EXPECT_TRUE(DdeDisconnect(conv));
}

TEST_F(DdeConversationTest, AServerKilledDuringATransactionIsReportedBeforeItFails) {
  auto server = StartConcordance("Logos", {"--no-answer", "--log", LogFile()});
  ASSERT_NE(server, nullptr);
  HCONV conv = Connect("Logos", "Passage");
  ASSERT_NE(conv, 0u);
  std::vector<Event> seenAtReturn;
  pid_t pid = server->Pid();
  // Kill the server once it holds the transaction, unanswered.
  std::thread killer([this, pid] {
    testsupport::WaitUntil([this] {
      const std::vector<std::string> lines = LogLines();
      return !lines.empty() && lines.back().starts_with("POKE");
    });
    kill(pid, SIGKILL);
  });
  // Only the server's end can end this wait.
  HDDEDATA result = Poke(conv, "CurRef", "John 3:16", testsupport::NeverMs);
  seenAtReturn = Events;
  killer.join();
  EXPECT_EQ(result, 0u);
  EXPECT_THAT(seenAtReturn, ElementsAre(Event{XTYP_DISCONNECT, conv}));
  EXPECT_EQ(DdeGetLastError(inst), DMLERR_SERVER_DIED);
  EXPECT_FALSE(DdeDisconnect(conv)); // already gone
  EXPECT_TRUE(DdeWatchedSockets(inst).empty());
}

TEST_F(DdeConversationTest, AServerEndingBetweenTransactionsIsNoticedThroughTheWatchedSocket) {
  auto server = StartConcordance("QVWIN");
  ASSERT_NE(server, nullptr);
  int changes = 0;
  DdeSetWatchHook(inst, [&] { ++changes; });
  HCONV conv = Connect("QVWIN", "Verses");
  ASSERT_NE(conv, 0u);
  EXPECT_EQ(changes, 1);
  std::vector<int> watched = DdeWatchedSockets(inst);
  ASSERT_EQ(watched.size(), 1u);

  // Stopped politely: the server withdraws its name and leaves.
  server->Signal(SIGTERM);
  EXPECT_EQ(server->WaitForExit(std::chrono::seconds(60)), 0);
  EXPECT_FALSE(std::filesystem::exists(sandbox.Folder() + "/qvwin"));
  pollfd watch{watched[0], POLLIN, 0};
  ASSERT_EQ(poll(&watch, 1, 5000), 1);
  DdeSocketReady(inst, watched[0]);
  EXPECT_THAT(Events, ElementsAre(Event{XTYP_DISCONNECT, conv}));
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(DdeWatchedSockets(inst).empty());
  EXPECT_EQ(Execute(conv, "[Activate]"), 0u);
  DdeSocketReady(inst, watched[0]); // a descriptor it no longer knows: nothing happens
  EXPECT_EQ(Events.size(), 1u);
}

TEST_F(DdeConversationTest, NothingIsLeftBehindAfterAConversation) {
  auto server = StartConcordance("Logos");
  ASSERT_NE(server, nullptr);
  auto openFiles = [] {
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                         std::filesystem::directory_iterator());
  };
  auto before = openFiles();
  HSZ service = DdeCreateStringHandle(inst, "Logos");
  HSZ topic = DdeCreateStringHandle(inst, "System");
  HSZ item = DdeCreateStringHandle(inst, "Version");
  for (int round = 0; round < 3; ++round) {
    HCONV conv = DdeConnect(inst, service, topic);
    ASSERT_NE(conv, 0u);
    HDDEDATA data = DdeClientTransaction(nullptr, 0, conv, item, CF_TEXT, XTYP_REQUEST, 5000);
    EXPECT_TRUE(DdeFreeDataHandle(data));
    EXPECT_FALSE(DdeFreeDataHandle(data));
    EXPECT_TRUE(DdeDisconnect(conv));
    EXPECT_FALSE(DdeDisconnect(conv));
  }
  EXPECT_EQ(openFiles(), before);
  EXPECT_TRUE(DdeWatchedSockets(inst).empty());
  // The conversations let go of the names: one free each ends them.
  for (HSZ hsz : {service, topic, item}) {
    EXPECT_TRUE(DdeFreeStringHandle(inst, hsz));
    EXPECT_FALSE(DdeFreeStringHandle(inst, hsz));
  }
}

TEST_F(DdeConversationTest, TheServerEndsByItselfAfterItsTime) {
  auto server = StartConcordance("Logos", {"--exit-after", "1"});
  ASSERT_NE(server, nullptr);
  EXPECT_EQ(server->WaitForExit(std::chrono::seconds(60)), 0);
  EXPECT_FALSE(DdeServiceListening("Logos"));
  EXPECT_FALSE(std::filesystem::exists(sandbox.Folder() + "/logos"));
}

TEST_F(DdeConversationTest, ASecondServerOfTheSameNameIsRefused) {
  auto server = StartConcordance("Logos");
  ASSERT_NE(server, nullptr);
  auto result = testsupport::RunProcess(testsupport::BuiltProgram("selwarth-concordance"),
                                        {"--service", "LOGOS", "--exit-after", "5"});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_THAT(result.errors, ::testing::HasSubstr("another server has that name"));
  EXPECT_NE(Connect("Logos", "System"), 0u); // the first one still serves
}

} // namespace
