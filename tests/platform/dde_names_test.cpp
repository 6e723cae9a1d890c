// The socket folder, socket names, and string and data handles.

#include "platform/dde.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "support/dde_sandbox.h"
#include "support/run_process.h"

namespace {

using namespace platform;
using testsupport::DdeSandbox;

HDDEDATA Ignore(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return 0;
}

mode_t ModeOf(const std::string &path) {
  struct stat info {};
  lstat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(DdeFolderTest, TheFolderIsMadeForTheUserAloneUnderTheRuntimeFolder) {
  DdeSandbox sandbox;
  std::string folder = DdeSocketFolder();
  EXPECT_EQ(folder, sandbox.Folder());
  EXPECT_EQ(ModeOf(folder), 0700u);
  // A folder others may enter is not used (and not silently repaired).
  chmod(folder.c_str(), 0755);
  EXPECT_EQ(DdeSocketFolder(), "");
  DWORD inst = 0;
  ASSERT_EQ(DdeInitialize(&inst, Ignore, 0), DMLERR_NO_ERROR);
  HSZ name = DdeCreateStringHandle(inst, "Logos");
  EXPECT_EQ(DdeNameService(inst, name, 0, DNS_REGISTER), 0u);
  EXPECT_EQ(DdeGetLastError(inst), DMLERR_DLL_USAGE);
  EXPECT_EQ(DdeConnect(inst, name, name), 0u);
  chmod(folder.c_str(), 0700);
  EXPECT_NE(DdeNameService(inst, name, 0, DNS_REGISTER), 0u);
  EXPECT_EQ(ModeOf(folder), 0700u);
  DdeUninitialize(inst);
  EXPECT_FALSE(std::filesystem::exists(folder + "/logos"));
}

TEST(DdeFolderTest, AServerThatCannotUseTheFolderSaysWhyOnce) {
  DdeSandbox sandbox;
  std::string folder = DdeSocketFolder();
  chmod(folder.c_str(), 0755);
  testsupport::BackgroundProcess server(testsupport::BuiltProgram("selwarth-concordance"),
                                        {"--service", "QVWIN", "--no-window"});
  EXPECT_NE(server.WaitForExit(std::chrono::seconds(60)), 0);
  const std::string output = server.Output();
  // In the server's own name.
  const std::string why = "selwarth-concordance: DDE links are off: the socket folder " + folder +
                          " is open to other users; it must be a folder (not a link) owned by "
                          "this user, with mode 0700\n";
  ASSERT_NE(output.find(why), std::string::npos) << output;
  EXPECT_EQ(output.find(why), output.rfind(why)); // once
  chmod(folder.c_str(), 0700);
}

TEST(DdeFolderTest, OfTwoServersThatFindAStaleSocketOneServesAndStaysReachable) {
  DdeSandbox sandbox;
  const std::string path = DdeSocketFolder() + "/" + DdeSocketName("QVWIN");
  for (int round = 0; round < 6; ++round) {
    // A socket file left by a server that died.
    int stale = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(stale, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    close(stale);

    const std::vector<std::string> arguments{"--service", "QVWIN", "--no-window"};
    const std::string program = testsupport::BuiltProgram("selwarth-concordance");
    testsupport::BackgroundProcess first(program, arguments), second(program, arguments);
    // One of them gives up; the other holds the name and answers on it.
    ASSERT_TRUE(testsupport::WaitUntil([&] { return !first.Running() || !second.Running(); }))
        << "round " << round << ": both servers run, one of them unreachable";
    EXPECT_TRUE(first.Running() || second.Running()) << "round " << round;
    EXPECT_TRUE(DdeServiceListening("QVWIN")) << "round " << round;
    first.Signal(SIGTERM);
    second.Signal(SIGTERM);
    first.WaitForExit(std::chrono::seconds(60));
    second.WaitForExit(std::chrono::seconds(60));
    unlink(path.c_str());
  }
}

TEST(DdeFolderTest, RegistrationWaitsForTheFoldersLock) {
  // Check, removal of a stale socket and bind happen under the folder's lock
  // file, so that two servers cannot interleave them.
  DdeSandbox sandbox;
  const std::string lockPath = DdeSocketFolder() + "/.lock";
  int lock = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  ASSERT_GE(lock, 0);
  ASSERT_EQ(flock(lock, LOCK_EX), 0);
  testsupport::BackgroundProcess server(testsupport::BuiltProgram("selwarth-concordance"),
                                        {"--service", "QVWIN", "--no-window"});
  EXPECT_FALSE(testsupport::WaitUntil([] { return DdeServiceListening("QVWIN"); },
                                      std::chrono::milliseconds(700)));
  close(lock);
  EXPECT_TRUE(testsupport::WaitUntil([] { return DdeServiceListening("QVWIN"); }));
  server.Signal(SIGTERM);
  server.WaitForExit(std::chrono::seconds(60));
}

TEST(DdeFolderTest, ALinkInPlaceOfTheFolderIsRefused) {
  DdeSandbox sandbox;
  std::filesystem::create_directory(sandbox.Runtime().File("elsewhere"));
  chmod(sandbox.Runtime().File("elsewhere").c_str(), 0700);
  std::filesystem::create_directory_symlink(sandbox.Runtime().File("elsewhere"), sandbox.Folder());
  EXPECT_EQ(DdeSocketFolder(), "");
}

TEST(DdeFolderTest, WithoutAUsableRuntimeFolderAPrivateFolderUnderTmpIsUsed) {
  DdeSandbox sandbox;
  std::string fallback = "/tmp/selwarth-dde-" + std::to_string(geteuid());
  for (const char *runtime : {"", "relative/path", "/nonexistent/folder"}) {
    setenv("XDG_RUNTIME_DIR", runtime, 1);
    EXPECT_EQ(DdeSocketFolder(), fallback) << runtime;
  }
  unsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(DdeSocketFolder(), fallback);
  EXPECT_EQ(ModeOf(fallback), 0700u);
}

TEST(DdeFolderTest, SocketNamesAreLowerCaseWithEverythingElseEscaped) {
  EXPECT_EQ(DdeSocketName("QVWIN"), "qvwin");
  EXPECT_EQ(DdeSocketName("My-Bible_2.0"), "my-bible_2.0");
  EXPECT_EQ(DdeSocketName("a/b c"), "a%2Fb%20c");
  EXPECT_EQ(DdeSocketName(".."), "%2E.");
  EXPECT_EQ(DdeSocketName("%"), "%25");
  EXPECT_EQ(DdeSocketName("\xE9"), "%E9");
  // Escaped names cannot meet plain ones.
  EXPECT_NE(DdeSocketName("%41"), DdeSocketName("A"));
}

TEST(DdeFolderTest, ALongNameThatDoesNotFitASocketAddressIsRefusedCleanly) {
  DdeSandbox sandbox;
  DWORD inst = 0;
  ASSERT_EQ(DdeInitialize(&inst, Ignore, 0), DMLERR_NO_ERROR);
  HSZ name = DdeCreateStringHandle(inst, std::string(200, 'x').c_str());
  ASSERT_NE(name, 0u);
  EXPECT_EQ(DdeNameService(inst, name, 0, DNS_REGISTER), 0u);
  EXPECT_EQ(DdeConnect(inst, name, name), 0u);
  EXPECT_FALSE(DdeServiceListening(std::string(200, 'x')));
  DdeUninitialize(inst);
}

class DdeHandleTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(DdeInitialize(&inst, Ignore, APPCMD_CLIENTONLY), DMLERR_NO_ERROR);
  }
  void TearDown() override { DdeUninitialize(inst); }
  DWORD inst = 0;
};

TEST_F(DdeHandleTest, StringHandlesAreSharedWithoutRegardToCaseAndCounted) {
  HSZ first = DdeCreateStringHandle(inst, "Passage");
  HSZ second = DdeCreateStringHandle(inst, "PASSAGE");
  ASSERT_NE(first, 0u);
  EXPECT_EQ(first, second);
  EXPECT_EQ(DdeStringText(inst, second), "Passage"); // the first spelling stays
  EXPECT_TRUE(DdeFreeStringHandle(inst, first));
  EXPECT_EQ(DdeStringText(inst, second), "Passage"); // one owner left
  EXPECT_TRUE(DdeFreeStringHandle(inst, second));
  EXPECT_FALSE(DdeFreeStringHandle(inst, second)); // a double free is refused, not a crash
  EXPECT_EQ(DdeStringText(inst, first), "");

  EXPECT_EQ(DdeCreateStringHandle(inst, ""), 0u);
  EXPECT_EQ(DdeCreateStringHandle(inst, nullptr), 0u);
  EXPECT_EQ(DdeCreateStringHandle(inst, std::string(256, 'a').c_str()), 0u);
  EXPECT_EQ(DdeCreateStringHandle(inst + 1000, "Data"), 0u);
}

TEST_F(DdeHandleTest, StringHandlesBelongToTheirInstance) {
  DWORD other = 0;
  ASSERT_EQ(DdeInitialize(&other, Ignore, APPCMD_CLIENTONLY), DMLERR_NO_ERROR);
  HSZ mine = DdeCreateStringHandle(inst, "Data");
  HSZ theirs = DdeCreateStringHandle(other, "Data");
  EXPECT_NE(mine, theirs);
  EXPECT_FALSE(DdeFreeStringHandle(other, mine));
  EXPECT_EQ(DdeCmpStringHandles(mine, theirs), 0);
  DdeUninitialize(other); // frees its handles
  EXPECT_EQ(DdeStringText(other, theirs), "");
  EXPECT_EQ(DdeStringText(inst, mine), "Data");
}

TEST_F(DdeHandleTest, QueryStringAndCompareBehaveLikeTheLibrarys) {
  HSZ hsz = DdeCreateStringHandle(inst, "NumVersions");
  char buffer[5];
  EXPECT_EQ(DdeQueryString(inst, hsz, nullptr, 0), 11u);
  EXPECT_EQ(DdeQueryString(inst, hsz, buffer, sizeof buffer), 4u);
  EXPECT_STREQ(buffer, "NumV");
  EXPECT_EQ(DdeQueryString(inst, 0, buffer, sizeof buffer), 0u);
  HSZ apple = DdeCreateStringHandle(inst, "apple");
  HSZ banana = DdeCreateStringHandle(inst, "BANANA");
  EXPECT_EQ(DdeCmpStringHandles(apple, banana), -1);
  EXPECT_EQ(DdeCmpStringHandles(banana, apple), 1);
  EXPECT_EQ(DdeCmpStringHandles(0, apple), -1);
  EXPECT_EQ(DdeCmpStringHandles(0, 0), 0);
}

TEST_F(DdeHandleTest, DataHandlesCopyTheirBytesAndAreFreedOnce) {
  const char text[] = "KJV";
  HDDEDATA data = DdeCreateDataHandle(inst, text, sizeof text, 2, 0, CF_TEXT, 0);
  ASSERT_NE(data, 0u);
  EXPECT_EQ(DdeGetData(data, nullptr, 0, 0), 6u);
  char buffer[10] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};
  EXPECT_EQ(DdeGetData(data, buffer, sizeof buffer, 0), 6u);
  EXPECT_EQ(std::string(buffer, 6), std::string("\0\0KJV\0", 6));
  EXPECT_EQ(DdeGetData(data, buffer, 2, 3), 2u); // a window of the data
  EXPECT_EQ(std::string(buffer, 2), "JV");
  EXPECT_EQ(DdeGetData(data, buffer, sizeof buffer, 6), 0u);
  EXPECT_TRUE(DdeFreeDataHandle(data));
  EXPECT_FALSE(DdeFreeDataHandle(data));
  EXPECT_EQ(DdeGetData(data, buffer, sizeof buffer, 0), 0u);

  EXPECT_EQ(DdeCreateDataHandle(inst, nullptr, DdeMaxData + 1, 0, 0, CF_TEXT, 0), 0u);
  EXPECT_EQ(DdeCreateDataHandle(inst, nullptr, DdeMaxData, 1, 0, CF_TEXT, 0), 0u);
  EXPECT_EQ(DdeCreateDataHandle(inst, nullptr, 0xFFFFFFFF, 0xFFFFFFFF, 0, CF_TEXT, 0), 0u);
  HDDEDATA leftOver = DdeCreateDataHandle(inst, text, sizeof text, 0, 0, CF_TEXT, 0);
  DdeUninitialize(inst);
  EXPECT_FALSE(DdeFreeDataHandle(leftOver)); // the instance took its handles along
}

TEST(DdeInstanceTest, AClientOnlyInstanceCannotServeAndUnknownIdsAreRefused) {
  DWORD inst = 0;
  EXPECT_EQ(DdeInitialize(&inst, nullptr, 0), DMLERR_INVALIDPARAMETER);
  EXPECT_EQ(DdeInitialize(nullptr, Ignore, 0), DMLERR_INVALIDPARAMETER);
  ASSERT_EQ(DdeInitialize(&inst, Ignore, APPCMD_CLIENTONLY), DMLERR_NO_ERROR);
  EXPECT_NE(inst, 0u);
  HSZ name = DdeCreateStringHandle(inst, "Logos");
  EXPECT_EQ(DdeNameService(inst, name, 0, DNS_REGISTER), 0u);
  EXPECT_TRUE(DdeUninitialize(inst));
  EXPECT_FALSE(DdeUninitialize(inst));
  EXPECT_EQ(DdeConnect(inst, name, name), 0u);
  EXPECT_EQ(DdeClientTransaction(nullptr, 0, 12345, 0, CF_TEXT, XTYP_EXECUTE, 100), 0u);
  EXPECT_FALSE(DdeServeFor(inst, 0));
  EXPECT_TRUE(DdeWatchedSockets(inst).empty());
  DWORD unknown = 999999;
  EXPECT_EQ(DdeInitialize(&unknown, Ignore, 0), DMLERR_INVALIDPARAMETER);
}

} // namespace
