// The Links commands against the stand-in concordance server, a separate
// process; what the program sent is read from the server's log.

#include "concordance_link/links.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "concordance_link/xiphos_link.h"
#include "content/day_entries.h"
#include "dde_fixture.h"
#include "framework/message_box.h"
#include "framework/session_bus.h"
#include "resources/main_menu.h"
#include "support/sword_system_library.h"

namespace {

using ::testing::ElementsAre;
using testsupport::StartConcordance;
using testsupport::WaitUntil;

const std::string NotRunning = "Unable to link with server. Please check your current settings in "
                               "the DDE Settings dialog and make sure that your concordance is "
                               "running.";

class LinksTest : public ddetest::DdeClientTest {
protected:
  void SetUp() override {
    DdeClientTest::SetUp();
    settings.ConcordanceServer = "QVWIN";
    settings.ConcordanceTranslation = "KJV";
    Add("Daily Verse - King James Version", "For God so loved the world", "- John 3:16");
    Add("Through the Bible in a Year", "Morning: Genesis 1-2 / Evening: Matthew 1", "");
    Add("Daily Bible Quiz", "Who built the ark?", "Noah (Genesis 6:14)");
  }
  void TearDown() override {
    FreeDayEntries(day.DayEntries);
    DdeClientTest::TearDown();
  }

  TDayEntry &Add(const std::string &title, const std::string &text, const std::string &trailer) {
    std::unique_ptr<TDayEntry> *place = &day.DayEntries;
    while (*place)
      place = &(*place)->Next;
    *place = std::make_unique<TDayEntry>();
    (*place)->Title = title;
    (*place)->Kinds = PackageEntryKinds(title);
    (*place)->Text = text;
    (*place)->Trailer = trailer;
    return **place;
  }
  void Link(unsigned id) { RunLink(id, settings, day.DayEntries.get(), slot, nullptr); }
  // The log once the server has seen the conversation end.
  std::vector<std::string> Sent(std::size_t lines) {
    EXPECT_TRUE(WaitUntil([&] { return LogLines().size() >= lines; }));
    return LogLines();
  }
};

TEST_F(LinksTest, EachLinkGoesToItsReferenceOnAnotherServer) {
  auto server = StartConcordance("QVWIN", {"--log", LogFile()});
  ASSERT_NE(server, nullptr);
  for (unsigned id : {CM_LINKMORNING, CM_LINKEVENING, CM_LINKQUIZ, CM_LINKVERSE}) {
    Link(id);
    EXPECT_EQ(slot.HConv, 0u);
  }
  EXPECT_TRUE((Messages()).empty());
  auto goTo = [](const std::string &reference) {
    return "EXECUTE\tVerses\t\t[GoTo(\"" + reference + "\")]";
  };
  const std::string activate = "EXECUTE\tVerses\t\t[Activate]";
  const std::string connect = "CONNECT\tVerses\t\t", end = "DISCONNECT\t\t\t";
  EXPECT_THAT(Sent(16), ElementsAre(connect, goTo("Genesis 1-2"), activate, end, connect,
                                    goTo("Matthew 1"), activate, end, connect, goTo("Genesis 6:14"),
                                    activate, end, connect, goTo(" John 3:16"), activate, end));
  EXPECT_TRUE(WaitUntil([&] { return server->Output().find("John") != std::string::npos; }));
  EXPECT_THAT(server->Output(), ::testing::HasSubstr("Showing Genesis 1-2 (KJV)\nActivated\n"));
}

TEST_F(LinksTest, EachLinkPokesTheTranslationAndTheReferenceToLogos) {
  settings.ConcordanceServer = "logos"; // any case takes the Logos path
  settings.ConcordanceTranslation = "WEB";
  auto server = StartConcordance("Logos", {"--log", LogFile(), "--translations", "KJV,WEB"});
  ASSERT_NE(server, nullptr);
  for (unsigned id : {CM_LINKMORNING, CM_LINKEVENING, CM_LINKQUIZ, CM_LINKVERSE})
    Link(id);
  EXPECT_TRUE((Messages()).empty());
  auto ref = [](const std::string &reference) { return "POKE\tPassage\tCurRef\t" + reference; };
  const std::string connect = "CONNECT\tPassage\t\t", end = "DISCONNECT\t\t\t";
  const std::string version = "POKE\tPassage\tCurVer\tWEB";
  EXPECT_THAT(Sent(16), ElementsAre(connect, version, ref("Genesis 1-2"), end, connect, version,
                                    ref("Matthew 1"), end, connect, version, ref("Genesis 6:14"),
                                    end, connect, version, ref(" John 3:16"), end));
}

TEST_F(LinksTest, NothingIsSentBeforeTheSetUpAndTheEntryAreRight) {
  auto server = StartConcordance("QVWIN", {"--log", LogFile()});
  ASSERT_NE(server, nullptr);
  settings.ConcordanceTranslation = "";
  Link(CM_LINKVERSE);
  ASSERT_EQ(backend.Messages().size(), 1u);
  EXPECT_EQ(backend.Messages()[0].Text,
            "Please select a concordance server and Bible translation first. This may be done in "
            "the Data Exchange Settings dialog.");
  EXPECT_EQ(backend.Messages()[0].Caption, "DDE Not Set Up");
  EXPECT_EQ(backend.Messages()[0].Style, MB_OK);

  settings.ConcordanceTranslation = "KJV";
  FreeDayEntries(day.DayEntries);
  Add("Daily Verse - World English Bible", "Text", "- John 1:1");
  for (unsigned id : {CM_LINKMORNING, CM_LINKEVENING, CM_LINKQUIZ, CM_LINKVERSE})
    Link(id);
  Add("Through the Bible in a Year", "Morning: Genesis 1-2", "");
  Add("Bible Quiz", "Q", "Noah, Genesis 6:14");
  Add("New King James Version", "Text", "John 1:1");
  for (unsigned id : {CM_LINKMORNING, CM_LINKEVENING, CM_LINKQUIZ, CM_LINKVERSE})
    Link(id);
  ASSERT_EQ(backend.Messages().size(), 9u);
  EXPECT_EQ(Messages()[1], "First, you must enable the \"Through the Bible\" package.");
  EXPECT_EQ(Messages()[2], "First, you must enable the \"Through the Bible\" package.");
  EXPECT_EQ(Messages()[3], "First, you must enable the \"Daily Bible Quiz\" package.");
  EXPECT_EQ(Messages()[4], "In order to pull up today's verse in your concordance, Selwarth needs "
                           "one of the following packages enabled: KJV, NIV, NASB, NKJV, TLB, or "
                           "AMP");
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(backend.Messages()[i].Caption, "Unable to Comply");
    EXPECT_EQ(backend.Messages()[i].Style, MB_ICONEXCLAMATION);
  }
  for (int i = 5; i <= 8; ++i) {
    EXPECT_EQ(backend.Messages()[i].Text, "Unable to parse Scripture reference.");
    EXPECT_EQ(backend.Messages()[i].Caption, "Unknown Format");
    EXPECT_EQ(backend.Messages()[i].Style, MB_ICONEXCLAMATION);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_TRUE((LogLines()).empty());
}

TEST_F(LinksTest, AReferenceTheServerCannotShowIsReported) {
  day.DayEntries->Next->Next->Trailer = "Noah (not a reference!)"; // sent as it is
  auto server = StartConcordance("QVWIN", {"--log", LogFile()});
  ASSERT_NE(server, nullptr);
  Link(CM_LINKQUIZ);
  ASSERT_EQ(backend.Messages().size(), 1u);
  EXPECT_EQ(backend.Messages()[0].Text, "Unable to go to not a reference!.");
  EXPECT_EQ(backend.Messages()[0].Caption, "DDE Error");
  EXPECT_EQ(backend.Messages()[0].Style, MB_ICONEXCLAMATION);
  // No [Activate] after a failed GoTo.
  EXPECT_THAT(Sent(3),
              ElementsAre("CONNECT\tVerses\t\t", "EXECUTE\tVerses\t\t[GoTo(\"not a reference!\")]",
                          "DISCONNECT\t\t\t"));
}

TEST_F(LinksTest, AReferenceThatWouldBreakOutOfTheCommandIsNeverSent) {
  struct Entries {
    const char *plan, *quiz, *verse;
  };
  // Quotes and brackets that end the command, a '\' that escapes its
  // closing quote, curly quotes a server may fold into '"'.
  const Entries rows[] = {
      {"Morning: Mark 1\")][Activate][GoTo(\"John 3 / Evening: Luke [1]", "Noah (Gen]esis 6)",
       "- John \"3:16"},
      {"Morning: Mark 1\\ / Evening: Mark \x93"
       "1\x94",
       "Noah (Mark 1\\)", "- \x84John 3:16"},
  };
  for (const char *service : {"QVWIN", "Logos", "SMW"}) {
    settings.ConcordanceServer = service;
    auto server = StartConcordance(service, {"--log", LogFile(), "--translations", "KJV"});
    ASSERT_NE(server, nullptr);
    for (const Entries &row : rows) {
      day.DayEntries->Next->Text = row.plan;
      day.DayEntries->Next->Next->Trailer = row.quiz;
      day.DayEntries->Trailer = row.verse;
      for (unsigned id : {CM_LINKMORNING, CM_LINKEVENING, CM_LINKQUIZ, CM_LINKVERSE})
        Link(id);
    }
  }
  EXPECT_THAT(Messages(), ::testing::Each("Unable to parse Scripture reference."));
  EXPECT_EQ(Messages().size(), 3 * 2 * 4u);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_TRUE((LogLines()).empty());
}

TEST_F(LinksTest, LogosReportsAnUnknownTranslationAndAReferenceItCannotShow) {
  settings.ConcordanceServer = "Logos";
  settings.ConcordanceTranslation = "NIV";
  day.DayEntries->Next->Next->Trailer = "Noah (not a reference!)";
  auto server = StartConcordance("Logos", {"--log", LogFile(), "--translations", "KJV"});
  ASSERT_NE(server, nullptr);
  Link(CM_LINKQUIZ);
  settings.ConcordanceTranslation = "KJV";
  Link(CM_LINKQUIZ);
  EXPECT_THAT(Messages(), ElementsAre("Unable to load the NIV translation. Please check your "
                                      "current settings in the DDE Settings dialog.",
                                      "Unable to go to not a reference!."));
  EXPECT_EQ(backend.Messages()[0].Caption, "DDE Error");
  EXPECT_EQ(backend.Messages()[1].Caption, "DDE Error");
  EXPECT_THAT(Sent(7),
              ElementsAre("CONNECT\tPassage\t\t", "POKE\tPassage\tCurVer\tNIV", "DISCONNECT\t\t\t",
                          "CONNECT\tPassage\t\t", "POKE\tPassage\tCurVer\tKJV",
                          "POKE\tPassage\tCurRef\tnot a reference!", "DISCONNECT\t\t\t"));
}

TEST_F(LinksTest, AServerThatCannotBeReachedGivesEachPathItsMessage) {
  Link(CM_LINKVERSE);
  settings.ConcordanceServer = "LOGOS";
  Link(CM_LINKVERSE);
  // A stored name with a folder, leading to a program in the packages folder.
  PutProgram("QVWIN", false);
  settings.ConcordanceServer = "../" + work.Path().filename().string() + "/QVWIN";
  Link(CM_LINKVERSE);
  EXPECT_THAT(Messages(), ElementsAre("Unable to link with server. Please check your current "
                                      "settings in the DDE Settings dialog.",
                                      NotRunning,
                                      "The DDE Id \"" + settings.ConcordanceServer +
                                          "\" holds a '/'. A DDE Id is the name of a program "
                                          "alone, without a folder. Please choose the concordance "
                                          "again in the Data Exchange Settings dialog."));
  EXPECT_EQ(backend.Messages()[1].Caption, "DDE Error");
  EXPECT_EQ(backend.Messages()[1].Style, MB_ICONEXCLAMATION);
  EXPECT_TRUE(StartedPids().empty());
}

TEST_F(LinksTest, AServerThatNeverAnswersRunsIntoTheTimeOut) {
  settings.ConcordanceServer = "Logos";
  auto server = StartConcordance("Logos", {"--no-answer", "--log", LogFile()});
  ASSERT_NE(server, nullptr);
  // The poke's time-out ends the wait (a wait past it would hang the test):
  // the server holds the poke it never answers.
  Link(CM_LINKVERSE);
  EXPECT_TRUE(testsupport::WaitUntil([&] {
    return std::ranges::any_of(LogLines(), [](const std::string &line) {
      return line.starts_with("POKE\tPassage\tCurVer");
    });
  }));
  EXPECT_THAT(Messages(), ElementsAre("Unable to load the KJV translation. Please check your "
                                      "current settings in the DDE Settings dialog."));
}

TEST_F(LinksTest, AServerKilledDuringATransactionIsReportedThenTheLinkFails) {
  auto server = StartConcordance("QVWIN", {"--no-answer", "--log", LogFile()});
  ASSERT_NE(server, nullptr);
  pid_t pid = server->Pid();
  // Killed once it holds the command, unanswered.
  std::thread killer([this, pid] {
    testsupport::WaitUntil([this] {
      const std::vector<std::string> lines = LogLines();
      return !lines.empty() && lines.back().starts_with("EXECUTE");
    });
    kill(pid, SIGKILL);
  });
  Link(CM_LINKMORNING);
  killer.join();
  // "Disconnected." says the server's end ended the wait, not its time-out.
  EXPECT_THAT(Messages(), ElementsAre("Disconnected.", "Unable to go to Genesis 1-2."));
  EXPECT_EQ(backend.Messages()[0].Style, MB_ICONINFORMATION);
  EXPECT_EQ(slot.HConv, 0u);
  EXPECT_EQ(slot.HszService, 0u); // the names went with the conversation
  EXPECT_EQ(slot.HszTopic, 0u);
}

// Xiphos as the session bus shows it: whether it owns its name, and its
// answers to getCurrentReference, in turn (the last one repeats).
class FakeXiphos : public SessionBus {
public:
  bool HasOwner(const std::string &) override { return owner(); }
  std::optional<int> OwnerProcess(const std::string &) override { return 4242; }
  TBusReply Call(const TBusObject &, const std::string &method,
                 const std::optional<std::string> &argument, unsigned) override {
    calls.push_back(method + (argument ? " " + *argument : ""));
    if (method != "getCurrentReference")
      return setAnswer;
    TBusReply reply = answers.front();
    if (answers.size() > 1)
      answers.erase(answers.begin());
    return reply;
  }
  std::function<bool()> owner = [] { return true; };
  std::vector<TBusReply> answers = {{BusOutcome::Answered, "Genesis 1:1"}};
  TBusReply setAnswer = {BusOutcome::Answered, ""};
  std::vector<std::string> calls;
};

class XiphosLinksTest : public LinksTest {
protected:
  void SetUp() override {
    LinksTest::SetUp();
    settings.ConcordanceServer = "xiphos"; // any case
    backend.SetBus(&xiphos);
    // The Bibles are the user's own; KJV is one.
    std::filesystem::create_directories(work.Path() / ".sword/mods.d");
    work.Write(".sword/mods.d/kjv.conf",
               "[engKJV2006eb]\nAbbreviation=KJV\nDescription=King James Version\nModDrv=zText\n");
  }
  // A process named xiphos that runs a while: one of another log-in.
  std::unique_ptr<testsupport::BackgroundProcess> OtherXiphos() {
    std::filesystem::create_directories(work.Path() / "other");
    std::string path = work.Write("other/xiphos", "#!/bin/sh\nsleep 30\n");
    chmod(path.c_str(), 0700);
    testsupport::ProcessOptions options;
    options.endWithCaller = true;
    return std::make_unique<testsupport::BackgroundProcess>(path, std::vector<std::string>{},
                                                            options);
  }
  // A program xiphos on PATH that notes its arguments and runs a while.
  void PutXiphos() {
    std::string path =
        work.Write("xiphos", "#!/bin/sh\necho $$ >> '" + work.File("started") +
                                 "'\necho \"$*\" >> '" + work.File("arguments") + "'\nsleep 5\n");
    chmod(path.c_str(), 0700);
  }
  FakeXiphos xiphos;
  testsupport::ScopedEnvironment home{"HOME", work.Path().string()};
  // Only the user's Bibles above, whatever this machine has installed.
  testsupport::SwordSystemLibrary noneOfTheMachines;
};

// Xiphos is sent the module's name, which it knows exactly, and lists a
// reference only when it is a range or a list: a chapter or a verse alone
// goes as a range.
const std::string Get = "getCurrentReference", Set = "setCurrentReference sword://engKJV2006eb/";

// Each link also brings Xiphos's window forward (the owner of its name).
TEST_F(XiphosLinksTest, EachLinkSendsTheWholeReadingThenItsFirstVerse) {
  for (unsigned id : {CM_LINKMORNING, CM_LINKEVENING, CM_LINKQUIZ, CM_LINKVERSE})
    Link(id);
  EXPECT_TRUE((Messages()).empty());
  EXPECT_THAT(xiphos.calls,
              ElementsAre(Get, Set + "Genesis 1-2", Set + "Genesis 1:1", Get, Set + "Matthew 1-1",
                          Set + "Matthew 1:1", Get, Set + "Genesis 6:14-14", Set + "Genesis 6:14",
                          Get, Set + "John 3:16-16", Set + "John 3:16"));
  EXPECT_THAT(backend.BroughtForward(),
              ElementsAre("pid 4242", "pid 4242", "pid 4242", "pid 4242"));
}

// Where the desktop lets no program bring another's window forward, the
// user hears of it once, after the first link that reached Xiphos.
TEST_F(XiphosLinksTest, AWindowThatCannotBeBroughtForwardIsToldOnce) {
  backend.SetForwardOutcome(ForwardOutcome::NotPossible);
  Link(CM_LINKVERSE);
  Link(CM_LINKVERSE);
  backend.SetForwardOutcome(ForwardOutcome::NoWindow);
  Link(CM_LINKVERSE);
  EXPECT_THAT(Messages(), ElementsAre("Xiphos shows the passage in its own window. This desktop "
                                      "does not let Selwarth bring that window to the front."));
  EXPECT_EQ(backend.Messages()[0].Style, MB_ICONINFORMATION);
  EXPECT_EQ(backend.BroughtForward().size(), 3u);
}

TEST_F(XiphosLinksTest, AStartingXiphosIsSentNothingUntilItTellsWhereItIs) {
  xiphos.answers = {{BusOutcome::Answered, ""}, {BusOutcome::Answered, "Genesis 1:1"}};
  day.DayEntries->Next->Text = "Morning: Ps 23; Jude 3 / Evening: x";
  Link(CM_LINKMORNING);
  EXPECT_THAT(xiphos.calls,
              ElementsAre(Get, Get, Set + "Psalms 23-23; Jude 1:3-3", Set + "Psalms 23:1"));
}

TEST_F(XiphosLinksTest, AReadingXiphosWouldMisreadIsRefusedAndNothingSent) {
  day.DayEntries->Next->Text = "Morning: Foo 99:99 / Evening: Jude 2-1";
  Link(CM_LINKMORNING);
  Link(CM_LINKEVENING);
  EXPECT_THAT(Messages(), ElementsAre("Unable to parse Scripture reference.",
                                      "Unable to parse Scripture reference."));
  EXPECT_TRUE(xiphos.calls.empty());
}

// Xiphos would list nothing for a Bible it does not have, and show the
// passage in the Bible it shows.
TEST_F(XiphosLinksTest, ABibleThatIsNotInstalledIsToldAndNothingSent) {
  settings.ConcordanceTranslation = "Default";
  Link(CM_LINKVERSE);
  EXPECT_THAT(Messages(), ElementsAre("Unable to load the Default translation. Please check your "
                                      "current settings in the DDE Settings dialog."));
  EXPECT_TRUE(xiphos.calls.empty());
}

TEST_F(XiphosLinksTest, AXiphosThatHangsOrEndsIsToldAndSentNothingMore) {
  xiphos.answers = {{BusOutcome::TimedOut, ""}};
  Link(CM_LINKVERSE);
  xiphos.answers = {{BusOutcome::TooLarge, ""}};
  Link(CM_LINKVERSE);
  xiphos.answers = {{BusOutcome::Answered, "John 1:1"}};
  xiphos.setAnswer = {BusOutcome::NoOwner, ""};
  Link(CM_LINKVERSE);
  EXPECT_THAT(
      Messages(),
      ElementsAre("Xiphos did not answer in time. Please check it for any errors.",
                  "Xiphos gave an answer too large to read. Please check it for any errors.",
                  "Xiphos ended before it could show the passage."));
  EXPECT_THAT(xiphos.calls, ElementsAre(Get, Get, Get, Set + "John 3:16-16"));
  EXPECT_TRUE(backend.BroughtForward().empty());
}

TEST_F(XiphosLinksTest, XiphosNotInstalledIsToldWithItsPackage) {
  testsupport::ScopedEnvironment onlyWork("PATH", work.Path().string());
  xiphos.owner = [] { return false; };
  Link(CM_LINKVERSE);
  EXPECT_THAT(Messages(), ElementsAre(XiphosMissingMessage()));
  EXPECT_THAT(Messages()[0], ::testing::HasSubstr("\"xiphos\""));
  EXPECT_TRUE(xiphos.calls.empty());
}

// Started at the first verse when it is not running; while one runs (here
// still without its name) no second one is started.
TEST_F(XiphosLinksTest, XiphosIsStartedOnlyWhenNoneRuns) {
  PutXiphos();
  xiphos.owner = [this] { return !testsupport::ReadFileBytes(work.File("arguments")).empty(); };
  Link(CM_LINKVERSE);
  int asked = 0;
  xiphos.owner = [&asked] { return ++asked > 3; };
  Link(CM_LINKVERSE);
  EXPECT_TRUE((Messages()).empty());
  EXPECT_EQ(testsupport::ReadFileBytes(work.File("arguments")), "sword://engKJV2006eb/John 3:16\n");
  EXPECT_THAT(xiphos.calls, ElementsAre(Get, Set + "John 3:16-16", Set + "John 3:16", Get,
                                        Set + "John 3:16-16", Set + "John 3:16"));
}

// Whether Xiphos runs is the bus's answer for this desktop: a xiphos of
// another log-in, which owns no name here, does not keep the link from
// starting one (nor makes it wait for a name that never comes). The one
// started may have no window yet: that is no reason to tell the user.
TEST_F(XiphosLinksTest, AXiphosOfAnotherLogInIsNotTakenForOneOnThisDesktop) {
  auto other = OtherXiphos();
  ASSERT_TRUE(WaitUntil([&] {
    return testsupport::ReadFileBytes("/proc/" + std::to_string(other->Pid()) + "/comm") ==
           "xiphos\n";
  }));
  PutXiphos();
  xiphos.owner = [this] { return !testsupport::ReadFileBytes(work.File("arguments")).empty(); };
  backend.SetForwardOutcome(ForwardOutcome::NoWindow);
  Link(CM_LINKVERSE);
  EXPECT_TRUE((Messages()).empty());
  EXPECT_EQ(testsupport::ReadFileBytes(work.File("arguments")), "sword://engKJV2006eb/John 3:16\n");
}

} // namespace
