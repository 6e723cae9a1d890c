// The concordance link of the running program against servers that break
// down: killed in the middle of each kind of transaction, silent, sending
// frames no client may take, or belonging to another user. The program goes
// on, says what the user is told in each case, keeps no conversation and no
// handle, and waits no longer than its time-outs.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <unistd.h>

#include "concordance_link/dde_settings_dialog.h"
#include "concordance_link/links.h"
#include "content/settings_file.h"
#include "framework/dialog.h"
#include "misbehaving_server.h"
#include "platform/dde.h"
#include "resources/dde_settings_ids.h"
#include "resources/main_menu.h"
#include "support/dde_sandbox.h"
#include "support/main_window_fixture.h"

namespace hardening {
namespace {

using testsupport::MainWindowTest;

using ::testing::ElementsAreArray;

const std::string CannotLink =
    "Unable to link with server. Please check your current settings in the DDE Settings dialog.";
const std::string CannotGoTo = "Unable to go to  John 3:16.";
const std::string CannotLoadKjv =
    "Unable to load the KJV translation. Please check your current settings in the DDE Settings "
    "dialog.";
const std::string NotResponding = "The server is not responding. Please check it for any errors.";
const std::string TooSlowToList = "The server took too long to name its translations; only those "
                                  "it named in time are listed.";

// How the scripted user reaches the server.
enum class Path {
  VerseLink, // Links > Verse: connect, execute [GoTo(...)]
  LogosLink, // Links > Verse with Logos: connect, poke CurVer, poke CurRef
  LogosCheck // DDE Settings, the Logos button: connect, request Version
};

struct FaultCase {
  const char *name;
  ServerFault fault;
  Path path;
  std::vector<std::string> messages;
};

class DdeFaultsTest : public MainWindowTest, public ::testing::WithParamInterface<FaultCase> {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    AddPackage("VERSE.QXP", "Daily Verse - King James Version",
               "For God so loved the world. -John 3:16", '-');
  }

  static std::string Service(Path path) { return path == Path::VerseLink ? "QVWIN" : "Logos"; }

  // Takes the path once and checks that the program is whole afterwards.
  void TakePath(Path path) {
    if (path == Path::LogosCheck)
      backend.InDialog("DDESETTINGS", [](TDialog &d) { d.UserClick(ddesettings::DdeLogosRadio); });
    settings.ConcordanceServer = path == Path::LogosCheck ? "" : Service(path);
    settings.ConcordanceTranslation = "KJV";
    // Each wait ends at its time-out or sooner (the messages say which); one
    // that did not would hang the test.
    Run({[&] {
           Frame().MenuCommand(path == Path::LogosCheck ? CM_DDE : CM_LINKVERSE);
           CheckNothingIsHeld(path);
         },
         [&] { stillRunning = Frame().IsCreated() && MainWindowHandle != nullptr; }});
    EXPECT_TRUE(stillRunning);
  }

  void CheckNothingIsHeld(Path path) {
    const platform::DWORD inst = static_cast<TQXApp *>(TheApplication())->InstId;
    ASSERT_NE(inst, 0u);
    EXPECT_EQ(Verse().HConv, 0u);
    EXPECT_EQ(Verse().HszService, 0u);
    EXPECT_EQ(Verse().HszTopic, 0u);
    EXPECT_TRUE(platform::DdeWatchedSockets(inst).empty()) << "a conversation's socket is open";
    const std::string service = Service(path);
    for (const char *name :
         {service.c_str(), "Verses", "Passage", "System", "CurVer", "CurRef", "Version"})
      EXPECT_FALSE(StringStillHeld(inst, name)) << name;
  }

  // Whether some owner other than us holds the string handle of text: texts
  // share one handle, so ours is not the last owner when it outlives our free.
  static bool StringStillHeld(platform::DWORD inst, const char *text) {
    platform::HSZ handle = platform::DdeCreateStringHandle(inst, text);
    platform::DdeFreeStringHandle(inst, handle);
    return !platform::DdeStringText(inst, handle).empty();
  }

  testsupport::DdeSandbox dde;
  bool stillRunning = false;
};

TEST_P(DdeFaultsTest, TheProgramReportsTheFailureAndHoldsNoConversation) {
  const FaultCase &c = GetParam();
  MisbehavingServer server(Service(c.path), c.fault);
  ASSERT_TRUE(server.Started());
  TakePath(c.path);
  EXPECT_THAT(Messages(), ElementsAreArray(c.messages));
  if (c.fault == ServerFault::DiesAtConnect || c.fault == ServerFault::DiesAtTransaction) {
    EXPECT_TRUE(server.Ended());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Servers, DdeFaultsTest,
    ::testing::Values(
        FaultCase{"KilledAtConnect", ServerFault::DiesAtConnect, Path::VerseLink, {CannotLink}},
        FaultCase{"KilledAtExecute",
                  ServerFault::DiesAtTransaction,
                  Path::VerseLink,
                  {"Disconnected.", CannotGoTo}},
        FaultCase{"KilledAtPoke",
                  ServerFault::DiesAtTransaction,
                  Path::LogosLink,
                  {"Disconnected.", CannotLoadKjv}},
        FaultCase{"KilledAtRequest",
                  ServerFault::DiesAtTransaction,
                  Path::LogosCheck,
                  {"Disconnected.", NotResponding}},
        FaultCase{"SilentAtExecute", ServerFault::NeverAnswers, Path::VerseLink, {CannotGoTo}},
        FaultCase{"OversizedReplyToExecute",
                  ServerFault::OversizedReply,
                  Path::VerseLink,
                  {"Disconnected.", CannotGoTo}},
        FaultCase{"OversizedReplyToRequest",
                  ServerFault::OversizedReply,
                  Path::LogosCheck,
                  {"Disconnected.", NotResponding}},
        FaultCase{"MalformedReplyToPoke",
                  ServerFault::MalformedReply,
                  Path::LogosLink,
                  {"Disconnected.", CannotLoadKjv}},
        // Waited for once: a server that runs is not started again.
        FaultCase{"SilentAtConnect", ServerFault::SilentAtConnect, Path::VerseLink, {CannotLink}},
        // The version, then the listing's whole time.
        FaultCase{"SlowToNameCountlessTranslations",
                  ServerFault::AnswersSlowly,
                  Path::LogosCheck,
                  {TooSlowToList}}),
    [](const ::testing::TestParamInfo<FaultCase> &info) { return std::string(info.param.name); });

TEST_F(DdeFaultsTest, EscapeEndsTheWaitForASlowServerAndTheDialog) {
  MisbehavingServer server("Logos", ServerFault::AnswersSlowly);
  ASSERT_TRUE(server.Started());
  // While the translations are listed, after the version was checked.
  backend.PressEscapeWhileBusy(std::chrono::milliseconds(SlowAnswerMs + 1500));
  TakePath(Path::LogosCheck);
  EXPECT_TRUE(Messages().empty()) << Messages().front(); // stopped, not failed
}

// A close signal in any wait for the server ends that wait: the failed step
// is not told, the state is saved, and the run ends with 0 once the command
// has returned, with nothing after it.
class CloseDuringWaitTest : public DdeFaultsTest {};

TEST_P(CloseDuringWaitTest, ASignalEndsTheWaitSilentlyAndTheProgramWithZero) {
  const FaultCase &c = GetParam();
  MisbehavingServer server(Service(c.path), c.fault);
  ASSERT_TRUE(server.Started());
  backend.WatchCloseSignals();
  backend.WhileBusy(std::chrono::milliseconds(200), [] { std::raise(SIGTERM); });
  if (c.path == Path::LogosCheck)
    backend.InDialog("DDESETTINGS", [](TDialog &d) { d.UserClick(ddesettings::DdeLogosRadio); });
  settings.ConcordanceServer = c.path == Path::LogosCheck ? "" : Service(c.path);
  settings.ConcordanceTranslation = "KJV";
  bool stopped = false;
  bool afterwards = false;
  int status = Run({[&] {
                      backend.Resize(Frame(), 640, 320);
                      Frame().MenuCommand(c.path == Path::LogosCheck ? CM_DDE : CM_LINKVERSE);
                      stopped = Verse().WaitStopped();
                      CheckNothingIsHeld(c.path);
                    },
                    [&] { afterwards = true; }});
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(stopped) << "the wait ran on to its time-out";
  EXPECT_FALSE(afterwards) << "the program ran on after SIGTERM";
  EXPECT_THAT(Messages(), ElementsAreArray(c.messages));
  EXPECT_EQ(ReadSettingInt("cx", 0), 640);
  EXPECT_EQ(ReadSettingText("LastStartup", "", 41), "Wed Mar 1, 2023");
}

INSTANTIATE_TEST_SUITE_P(
    Waits, CloseDuringWaitTest,
    ::testing::Values(FaultCase{"Connect", ServerFault::SilentAtConnect, Path::VerseLink, {}},
                      FaultCase{"Execute", ServerFault::NeverAnswers, Path::VerseLink, {}},
                      FaultCase{"Poke", ServerFault::NeverAnswers, Path::LogosLink, {}},
                      FaultCase{
                          "RequestInDdeSettings", ServerFault::NeverAnswers, Path::LogosCheck, {}}),
    [](const ::testing::TestParamInfo<FaultCase> &info) { return std::string(info.param.name); });

TEST_F(DdeFaultsTest, AServerOfAnotherUserIsNotTalkedTo) {
  if (geteuid() != 0)
    GTEST_SKIP() << "running a server as another user needs root";
  // Its socket is where ours would be, as if the folder had been open to it.
  MisbehavingServer server("QVWIN", ServerFault::NeverAnswers, 65534);
  ASSERT_TRUE(server.Started());
  ASSERT_TRUE(std::filesystem::exists(dde.Folder() + "/qvwin"));
  TakePath(Path::VerseLink);
  EXPECT_THAT(Messages(), ElementsAreArray({CannotLink}));
}

} // namespace
} // namespace hardening
