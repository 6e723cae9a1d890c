// Opening and ending conversations with the stand-in server, and what the
// callback tells the user.

#include "concordance_link/conversation_slot.h"

#include <gmock/gmock.h>

#include "dde_fixture.h"
#include "framework/message_box.h"

namespace {

using namespace platform;
using ::testing::ElementsAre;
using testsupport::StartConcordance;
using testsupport::WaitUntil;

class ConversationSlotTest : public ddetest::DdeClientTest {
protected:
  // True when the instance holds no other owner of the name than the test's
  // own handle (made here and freed here).
  bool NameHeldOnlyByTest(const char *name) {
    HSZ own = DdeCreateStringHandle(inst, name);
    bool freedOnce = DdeFreeStringHandle(inst, own);
    bool freedTwice = DdeFreeStringHandle(inst, own);
    return freedOnce && !freedTwice;
  }
};

TEST_F(ConversationSlotTest, ARunningServerIsReachedWithoutStartingAnything) {
  PutProgram("QVWIN", true);
  auto server = StartConcordance("QVWIN", {"--log", LogFile()});
  ASSERT_NE(server, nullptr);
  ASSERT_TRUE(slot.ConnectServer("QVWIN", "Verses"));
  EXPECT_NE(slot.HConv, 0u);
  EXPECT_EQ(DdeStringText(inst, slot.HszService), "QVWIN");
  EXPECT_EQ(DdeStringText(inst, slot.HszTopic), "Verses");
  slot.EndConversation();
  EXPECT_EQ(slot.HConv, 0u);
  slot.EndConversation(); // nothing open: nothing happens
  EXPECT_TRUE(StartedPids().empty());
  EXPECT_TRUE(NameHeldOnlyByTest("QVWIN"));
  EXPECT_TRUE(NameHeldOnlyByTest("Verses"));
  EXPECT_TRUE(WaitUntil([&] { return LogLines().size() >= 2; }));
  EXPECT_THAT(LogLines(), ElementsAre("CONNECT\tVerses\t\t", "DISCONNECT\t\t\t"));
}

TEST_F(ConversationSlotTest, AServerThatIsNotRunningIsStartedByItsName) {
  PutProgram("QVWIN", true);
  ASSERT_TRUE(slot.ConnectServer("QVWIN", "Verses"));
  EXPECT_EQ(StartedPids().size(), 1u);
  slot.EndConversation();
  EXPECT_TRUE(WaitUntil([&] { return LogLines().size() >= 2; }));
  EXPECT_THAT(LogLines(), ElementsAre("CONNECT\tVerses\t\t", "DISCONNECT\t\t\t"));
}

TEST_F(ConversationSlotTest, AServiceNameInAnotherCaseStartsTheProgram) {
  // The program is "QVWIN"; the setting names it "qvwin".
  PutProgram("QVWIN", true);
  ASSERT_TRUE(slot.ConnectServer("qvwin", "Verses"));
  EXPECT_EQ(StartedPids().size(), 1u);
  slot.EndConversation();
}

TEST_F(ConversationSlotTest, AServerThatCannotBeReachedIsTriedTwiceAndStartedOnce) {
  // A server that refuses the topic logs each connect; the program of its
  // name only notes that it was started.
  auto server = StartConcordance("SMW", {"--log", LogFile()});
  ASSERT_NE(server, nullptr);
  PutProgram("SMW", false);
  const auto connected = slot.ConnectServer("SMW", "Nonsense");
  ASSERT_FALSE(connected);
  EXPECT_EQ(connected.error(), platform::DMLERR_NO_CONV_ESTABLISHED); // the second try's
  EXPECT_EQ(slot.HConv, 0u);
  EXPECT_EQ(slot.HszService, 0u);
  EXPECT_EQ(slot.HszTopic, 0u);
  // The start returns as soon as the refusing server answers, which may be
  // before the program has noted its start.
  EXPECT_TRUE(WaitUntil([&] { return !StartedPids().empty(); }));
  EXPECT_EQ(StartedPids().size(), 1u);
  EXPECT_TRUE(WaitUntil([&] { return LogLines().size() >= 2; }));
  EXPECT_THAT(LogLines(), ElementsAre("CONNECT\tNonsense\t\t", "CONNECT\tNonsense\t\t"));
  EXPECT_TRUE(NameHeldOnlyByTest("SMW"));
  EXPECT_TRUE(NameHeldOnlyByTest("Nonsense"));
  // With no program of that name at all.
  EXPECT_FALSE(slot.ConnectServer("NoSuchServer", "Verses"));
  EXPECT_TRUE(NameHeldOnlyByTest("NoSuchServer"));
}

TEST_F(ConversationSlotTest, TwoConversationsInARowLeaveNothingOpen) {
  auto server = StartConcordance("Logos", {"--log", LogFile()});
  ASSERT_NE(server, nullptr);
  ASSERT_TRUE(slot.ConnectServer("Logos", "System"));
  EXPECT_EQ(slot.Request("Version", 10, 5000), "2.63");
  slot.EndConversation();
  ASSERT_TRUE(slot.ConnectServer("Logos", "Data"));
  ASSERT_TRUE(slot.ConnectServer("Logos", "Data")); // the one left open is ended first
  EXPECT_EQ(DdeWatchedSockets(inst).size(), 1u);
  EXPECT_EQ(slot.Request("NumVersions", 21, 5000), "2");
  EXPECT_EQ(slot.Request("VerAbr9", 21, 5000), std::nullopt);
  slot.EndConversation();
  EXPECT_TRUE(DdeWatchedSockets(inst).empty());
  EXPECT_TRUE(backend.WatchedSockets().empty());
  EXPECT_TRUE(NameHeldOnlyByTest("Logos"));
}

TEST_F(ConversationSlotTest, RepliesAreCutToTheirBuffers) {
  auto server = StartConcordance("Logos", {"--version", "01.60-beta-long"});
  ASSERT_NE(server, nullptr);
  ASSERT_TRUE(slot.ConnectServer("Logos", "System"));
  EXPECT_EQ(slot.Request("Version", 10, 5000), "01.60-bet");
  slot.EndConversation();
}

TEST_F(ConversationSlotTest, TheOpenConversationIsWatchedSoADepartureIsNoticedBetweenCalls) {
  auto server = StartConcordance("QVWIN");
  ASSERT_NE(server, nullptr);
  ASSERT_TRUE(slot.ConnectServer("QVWIN", "Verses"));
  EXPECT_EQ(backend.WatchedSockets(), DdeWatchedSockets(inst));
  ASSERT_EQ(backend.WatchedSockets().size(), 1u);
  server->Signal(SIGKILL);
  server->WaitForExit(std::chrono::seconds(60));
  EXPECT_TRUE(backend.PollSockets(5000));
  ASSERT_EQ(backend.Messages().size(), 1u);
  EXPECT_EQ(backend.Messages()[0].Text, "Disconnected.");
  EXPECT_EQ(backend.Messages()[0].Caption, "Error"); // no title: the default caption
  EXPECT_EQ(backend.Messages()[0].Style, MB_ICONINFORMATION);
  EXPECT_EQ(slot.HConv, 0u);
  EXPECT_EQ(slot.HszService, 0u);
  EXPECT_TRUE(backend.WatchedSockets().empty());
  EXPECT_TRUE(NameHeldOnlyByTest("QVWIN"));
}

TEST_F(ConversationSlotTest, TheCallbackAnswersEachTypeAsTheProgramNeeds) {
  TConversationSlot other;
  other.HConv = 77;
  EXPECT_EQ(AnswerDdeCallback(XTYP_ADVDATA, 0, &other, nullptr), DDE_FACK);
  EXPECT_EQ(AnswerDdeCallback(XTYP_ERROR, 0, &other, nullptr), 0u);
  EXPECT_EQ(AnswerDdeCallback(XTYP_XACT_COMPLETE, 0, &other, nullptr), 0u);
  EXPECT_EQ(AnswerDdeCallback(XTYP_REQUEST, 0, &other, nullptr), 0u);
  EXPECT_EQ(other.HConv, 77u);
  EXPECT_EQ(AnswerDdeCallback(XTYP_DISCONNECT, 78, &other, nullptr), 0u); // another one
  EXPECT_EQ(other.HConv, 77u);
  EXPECT_EQ(AnswerDdeCallback(XTYP_DISCONNECT, 77, &other, nullptr), 0u);
  EXPECT_EQ(other.HConv, 0u);
  ASSERT_EQ(backend.Messages().size(), 3u);
  EXPECT_EQ(backend.Messages()[0].Text, "A critical DDE error has occured.");
  EXPECT_EQ(backend.Messages()[0].Style, MB_TASKMODAL | MB_ICONINFORMATION);
  EXPECT_EQ(backend.Messages()[1].Text, "Disconnected.");
  EXPECT_EQ(backend.Messages()[2].Text, "Disconnected.");
}

TEST_F(ConversationSlotTest, AFailedStartOfTheInstanceIsToldAndLeavesNone) {
  SetDdeInitializer([](DWORD *, PFNCALLBACK, DWORD, DWORD) -> UINT { return DMLERR_SYS_ERROR; });
  std::uint32_t failed = 5;
  EXPECT_FALSE(StartDdeClient(failed, ddetest::TestCallBack));
  SetDdeInitializer(nullptr);
  EXPECT_EQ(failed, 0u);
  ASSERT_EQ(backend.Messages().size(), 1u);
  EXPECT_EQ(backend.Messages()[0].Text, "DDE Initialization failed.");
  EXPECT_EQ(backend.Messages()[0].Caption, "Error");
  EXPECT_EQ(backend.Messages()[0].Style, MB_ICONHAND);
  StopDdeClient(failed); // nothing to end
}

} // namespace
