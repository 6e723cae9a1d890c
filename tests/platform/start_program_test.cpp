#include "platform/start_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/dde.h"
#include "support/dde_sandbox.h"
#include "support/noted.h"
#include "support/scoped_environment.h"

namespace {

using namespace platform;
using testsupport::BuiltProgram;
using testsupport::DdeSandbox;
using testsupport::ScopedEnvironment;
using testsupport::TempDir;
using testsupport::WaitUntil;
using testsupport::WorkingDirectory;

HDDEDATA Ignore(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return 0;
}

std::string Script(const TempDir &dir, const std::string &name, const std::string &body) {
  std::string path = dir.Write(name, "#!/bin/sh\n" + body);
  chmod(path.c_str(), 0755);
  return path;
}

bool NoChildLeft() {
  return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

// Ends the concordance server serving service (it is not our child).
void StopServer(const std::string &service) {
  // Its pid is the socket's peer's.
  std::string path = DdeSocketFolder() + "/" + DdeSocketName(service);
  int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof address.sun_path - 1);
  if (connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0) {
    ucred peer{};
    socklen_t size = sizeof peer;
    if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0)
      kill(peer.pid, SIGTERM);
  }
  close(fd);
  EXPECT_TRUE(WaitUntil([&] { return !DdeServiceListening(service); }));
}

TEST(StartProgramTest, AServerFoundOnThePathIsStartedAndThenAnswers) {
  DdeSandbox sandbox;
  TempDir folder;
  std::filesystem::create_symlink(BuiltProgram("selwarth-concordance"), folder.File("QVWIN"));
  ScopedEnvironment path("PATH", "/nonexistent:" + folder.Path().string());
  EXPECT_FALSE(DdeServiceListening("QVWIN"));
  Result<StartOutcome> outcome = StartProgram("QVWIN", {.service = "QVWIN", .waitMs = 10000});
  ASSERT_TRUE(outcome) << outcome.error();
  EXPECT_EQ(*outcome, StartOutcome::Registered);
  EXPECT_TRUE(NoChildLeft());

  // The server took its service name from the name it was started by.
  DWORD inst = 0;
  ASSERT_EQ(DdeInitialize(&inst, Ignore, APPCMD_CLIENTONLY), DMLERR_NO_ERROR);
  HSZ service = DdeCreateStringHandle(inst, "qvwin");
  HSZ topic = DdeCreateStringHandle(inst, "Verses");
  HCONV conv = DdeConnect(inst, service, topic);
  EXPECT_NE(conv, 0u);
  DdeDisconnect(conv);
  DdeUninitialize(inst);
  StopServer("QVWIN");
}

TEST(StartProgramTest, WithoutAServiceNameAnyNewSocketCountsAsRegistered) {
  DdeSandbox sandbox;
  TempDir folder;
  std::filesystem::create_symlink(BuiltProgram("selwarth-concordance"), folder.File("SMW"));
  ScopedEnvironment path("PATH", folder.Path().string());
  Result<StartOutcome> outcome = StartProgram("SMW", {.service = "", .waitMs = 10000});
  ASSERT_TRUE(outcome) << outcome.error();
  EXPECT_EQ(*outcome, StartOutcome::Registered);
  EXPECT_TRUE(DdeServiceListening("SMW"));
  StopServer("SMW");
}

TEST(StartProgramTest, TheWorkingFolderIsNeverSearched) {
  TempDir here, onPath;
  Script(here, "which-one", "exit 0\n");
  Script(here, "QVWIN", "exit 0\n"); // a downloaded folder holding a "server"
  Script(onPath, "which-one", "exit 0\n");
  WorkingDirectory cwd(here.Path());
  // Neither an empty PATH entry nor a relative one leads to the working folder.
  ScopedEnvironment path("PATH", "/nonexistent::.:" + onPath.Path().string());
  EXPECT_EQ(FindProgram("which-one"), onPath.File("which-one"));
  EXPECT_EQ(FindProgram("QVWIN"), "");
  std::string error;
  EXPECT_FALSE(
      testsupport::Noted(StartProgram("QVWIN", {.service = "QVWIN", .waitMs = 1000}), error));
  // Nor is a name with a folder started, which would lead there.
  for (const std::string &name :
       {std::string("./QVWIN"), "../" + here.Path().filename().string() + "/QVWIN"}) {
    EXPECT_FALSE(
        testsupport::Noted(StartProgram(name, {.service = "QVWIN", .waitMs = 1000}), error))
        << name;
    EXPECT_EQ(error, "\"" + name + "\" is not a program's bare name: it names a folder");
  }
  EXPECT_EQ(FindProgram(onPath.File("which-one")), onPath.File("which-one"));
  EXPECT_EQ(FindProgram("sub/which-one"), ""); // a name with '/' is not searched
  EXPECT_EQ(FindProgram(""), "");
}

TEST(StartProgramTest, ProgramsAreFoundWithoutRegardToCase) {
  TempDir onPath, later;
  Script(onPath, "Logos", "exit 0\n");
  Script(later, "smw", "exit 0\n");
  Script(later, "LOGOS", "exit 0\n");
  ScopedEnvironment path("PATH", onPath.Path().string() + ":" + later.Path().string());
  EXPECT_EQ(FindProgram("LOGOS"), later.File("LOGOS")); // the exact name first
  EXPECT_EQ(FindProgram("logos"), onPath.File("Logos"));
  EXPECT_EQ(FindProgram("SMW"), later.File("smw"));
}

TEST(StartProgramTest, TheProgramsOwnFolderIsSearchedAfterThePath) {
  // The tests run from the folder of our built programs.
  ScopedEnvironment path("PATH", "/nonexistent");
  EXPECT_EQ(FindProgram("selwarth-concordance"), BuiltProgram("selwarth-concordance"));
}

TEST(StartProgramTest, AProgramThatCannotBeStartedFailsAtOnce) {
  TempDir folder;
  ScopedEnvironment path("PATH", folder.Path().string());
  folder.Write("not-executable", "#!/bin/sh\nexit 0\n");
  std::filesystem::create_directory(folder.File("a-folder"));
  folder.Write("bad-interpreter", "#!/nonexistent/interpreter\n");
  chmod(folder.File("bad-interpreter").c_str(), 0755);
  for (const char *name : {"NoSuchServer", "not-executable", "a-folder", "bad-interpreter",
                           "Logos /tmp", "./missing", ""}) {
    std::string error;
    EXPECT_FALSE(testsupport::Noted(
        StartProgram(name, {.service = "", .waitMs = testsupport::NeverMs}), error))
        << name;
    EXPECT_FALSE(error.empty()) << name;
  }
  EXPECT_TRUE(NoChildLeft());
}

TEST(StartProgramTest, TheCallReturnsWhenTheProgramEndsOrTheWaitRunsOut) {
  DdeSandbox sandbox;
  TempDir folder;
  ScopedEnvironment path("PATH", folder.Path().string() + ":/usr/bin:/bin");
  // One ends after a moment, which the call waits for; the other runs until
  // the test lets it end, so that the wait runs out first however slow the
  // machine.
  Script(folder, "quits", "sleep 0.2\nexit 3\n");
  const std::string flag = folder.Write("lingering", "");
  Script(folder, "lingers", "while [ -e '" + flag + "' ]; do sleep 0.05; done\n");
  Result<StartOutcome> outcome =
      StartProgram("quits", {.service = "Quits", .waitMs = testsupport::NeverMs});
  ASSERT_TRUE(outcome) << outcome.error();
  EXPECT_EQ(*outcome, StartOutcome::Ended);

  outcome = StartProgram("lingers", {.service = "Lingers", .waitMs = 300});
  std::filesystem::remove(flag);
  ASSERT_TRUE(outcome) << outcome.error();
  EXPECT_EQ(*outcome, StartOutcome::StillStarting);
  EXPECT_TRUE(NoChildLeft());

  // The caller ends the wait when it says no: the third look here, while
  // the program still runs.
  folder.Write("lingering", "");
  int looks = 0;
  outcome = StartProgram(
      "lingers", {.service = "Lingers", .waitMs = 60000, .arguments = {}, .keepWaiting = [&] {
                    return ++looks < 3;
                  }});
  std::filesystem::remove(flag);
  ASSERT_TRUE(outcome) << outcome.error();
  EXPECT_EQ(*outcome, StartOutcome::StillStarting);
  EXPECT_EQ(looks, 3);
}

TEST(StartProgramTest, TheProgramRunsDetachedWithoutInputOrFocusTokens) {
  TempDir folder;
  WorkingDirectory here(folder.Path());
  ScopedEnvironment path("PATH", folder.Path().string() + ":/usr/bin:/bin");
  Script(
      folder, "report",
      "{ readlink /proc/$$/fd/0; cut -d' ' -f6 /proc/$$/stat; echo \"${DESKTOP_STARTUP_ID-none}\"; "
      "} > report.tmp\nmv report.tmp report.txt\n");
  setenv("DESKTOP_STARTUP_ID", "steal-the-focus", 1);
  std::string error;
  EXPECT_TRUE(
      testsupport::Noted(StartProgram("report", {.service = "Report", .waitMs = 10000}), error))
      << error;
  unsetenv("DESKTOP_STARTUP_ID");
  ASSERT_TRUE(WaitUntil([&] { return folder.Exists("report.txt"); }));
  std::string report = folder.Read("report.txt");
  std::string ourSession = "\n" + std::to_string(getsid(0)) + "\n";
  EXPECT_THAT(report, ::testing::MatchesRegex("/dev/null\n[0-9]+\nnone\n"));
  EXPECT_THAT(report, ::testing::Not(::testing::HasSubstr(ourSession))); // a session of its own
}

} // namespace
