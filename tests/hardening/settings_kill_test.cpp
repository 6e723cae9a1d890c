// Settings writers killed with SIGKILL at random moments, and writers running
// side by side: the file that is left is always whole and keeps every key it
// ever had, and the temporary files of killed writers do not pile up.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <poll.h>
#include <random>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/profile.h"
#include "support/background_process.h"
#include "support/noted.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

extern char **environ;

namespace {

namespace fs = std::filesystem;

constexpr int Tries = 1000;
constexpr int RewrittenKeys = 20;
constexpr int AddedNames = 64;
constexpr std::size_t PaddingSize = 120; // as the writer pads its values

// A fresh folder on a memory file system when the machine has one, where a
// write costs no disk flush; removed with its contents at the end.
class WriteFolder {
public:
  WriteFolder() {
    std::string pattern = fs::is_directory("/dev/shm") ? "/dev/shm/selwarth-kill-XXXXXX"
                                                       : fallback_.File("kill-XXXXXX");
    if (mkdtemp(pattern.data()) != nullptr)
      path_ = pattern;
  }
  ~WriteFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path &Path() const { return path_; }
  std::string File(const std::string &name) const { return (path_ / name).string(); }

private:
  testsupport::TempDir fallback_;
  fs::path path_;
};

// The keys of a settings file by section, read line by line: what is on the
// disk, whatever our reader would make of it.
std::map<std::string, std::map<std::string, std::string>> Keys(const std::string &text) {
  std::map<std::string, std::map<std::string, std::string>> keys;
  std::string section;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    at = end == std::string::npos ? text.size() : end + 1;
    if (line.size() > 1 && line.front() == '[' && line.back() == ']')
      section = line.substr(1, line.size() - 2);
    else if (std::size_t equals = line.find('='); equals != std::string::npos)
      keys[section][line.substr(0, equals)] = line.substr(equals + 1);
  }
  return keys;
}

bool WholeValue(const std::string &value) {
  return value.size() > PaddingSize && value.find(':') == value.size() - PaddingSize - 1 &&
         value.find_first_not_of('x', value.size() - PaddingSize) == std::string::npos;
}

int Leftovers(const fs::path &folder) {
  int count = 0;
  for (const auto &entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name != "SELWARTH.INI" && name != ".SELWARTH.INI.lock")
      ++count;
  }
  return count;
}

// Starts the writer in its rewrite mode and waits until it runs; -1 when it
// does not start.
pid_t StartRewriter(const std::string &path, int attempt) {
  int ready[2];
  if (pipe(ready) != 0)
    return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, ready[1], 1);
  posix_spawn_file_actions_addclose(&actions, ready[0]);
  std::string program = testsupport::BuiltProgram("selwarth-settings-writer");
  std::string tryText = std::to_string(attempt), keys = std::to_string(RewrittenKeys);
  std::string rewrite = "rewrite", file = path;
  char *argv[] = {program.data(), file.data(), rewrite.data(),
                  tryText.data(), keys.data(), nullptr};
  pid_t pid = -1;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0)
    pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(ready[1]);
  pollfd wait{ready[0], POLLIN, 0};
  char said[8];
  if (pid > 0 && (poll(&wait, 1, 10000) != 1 || read(ready[0], said, sizeof said) <= 0)) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
  }
  close(ready[0]);
  return pid;
}

TEST(SettingsKillTest, AWriterKilledAnywhereLeavesTheWholeFileAndNoPileOfTemporaries) {
  WriteFolder dir;
  ASSERT_FALSE(dir.Path().empty());
  const std::string path = dir.File("SELWARTH.INI");
  std::string error;
  for (int k = 0; k < RewrittenKeys; ++k)
    ASSERT_TRUE(testsupport::Noted(
        platform::WritePrivateProfileString("Selwarth", "K" + std::to_string(k),
                                            "v-1:" + std::string(PaddingSize, 'x'), path),
        error))
        << error;
  ASSERT_TRUE(
      testsupport::Noted(platform::WritePrivateProfileString("Tail", "End", "1", path), error))
      << error;

  std::mt19937 random(20260107);
  std::uniform_int_distribution<int> delayUs(0, 3000);
  std::set<std::string> added; // every key a writer is known to have stored
  int killedMidWrite = 0;
  for (int attempt = 0; attempt < Tries; ++attempt) {
    SCOPED_TRACE("try " + std::to_string(attempt));
    // The key each writer adds comes back every AddedNames tries: the file
    // stays small, and a key once stored must stay all the same.
    const pid_t writer = StartRewriter(path, attempt % AddedNames);
    ASSERT_GT(writer, 0) << "the writer did not start";
    usleep(static_cast<useconds_t>(delayUs(random)));
    kill(writer, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(writer, &status, 0), writer);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended on its own: " << status;

    const std::string text = testsupport::ReadFileBytes(path);
    ASSERT_FALSE(text.empty());
    ASSERT_EQ(text.back(), '\n') << "the file ends mid-line";
    auto keys = Keys(text);
    ASSERT_EQ(keys["Tail"]["End"], "1");
    for (int k = 0; k < RewrittenKeys; ++k)
      ASSERT_TRUE(WholeValue(keys["Selwarth"]["K" + std::to_string(k)])) << "K" << k;
    std::set<std::string> now;
    for (const auto &[key, value] : keys["Added"])
      now.insert(now.end(), key);
    ASSERT_TRUE(std::includes(now.begin(), now.end(), added.begin(), added.end()))
        << "a key stored before is lost";
    added = std::move(now);
    // Only the temporary file of the writer just killed may remain: the next
    // writer clears it away.
    const int leftovers = Leftovers(dir.Path());
    ASSERT_LE(leftovers, 1);
    killedMidWrite += leftovers;
  }
  // The kills did land in the middle of writes, and writers got through.
  EXPECT_GT(killedMidWrite, 0);
  EXPECT_GT(added.size(), 0u);

  // Our reader sees the same file, and the next write goes through.
  EXPECT_EQ(platform::GetPrivateProfileString("Tail", "End", "", 8, path), "1");
  ASSERT_TRUE(
      testsupport::Noted(platform::WritePrivateProfileString("Tail", "End", "2", path), error))
      << error;
  EXPECT_EQ(Leftovers(dir.Path()), 0);
}

TEST(SettingsKillTest, TwoProcessesWritingAThousandKeysEachAtOnceLoseNone) {
  constexpr int KeysEach = 1000;
  WriteFolder dir;
  ASSERT_FALSE(dir.Path().empty());
  const std::string path = dir.File("SELWARTH.INI");
  const std::string program = testsupport::BuiltProgram("selwarth-settings-writer");
  testsupport::BackgroundProcess first(program, {path, "keys", "a", std::to_string(KeysEach)});
  testsupport::BackgroundProcess second(program, {path, "keys", "b", std::to_string(KeysEach)});
  EXPECT_EQ(first.WaitForExit(std::chrono::seconds(120)), 0) << first.Output();
  EXPECT_EQ(second.WaitForExit(std::chrono::seconds(120)), 0) << second.Output();
  auto keys = Keys(testsupport::ReadFileBytes(path));
  for (const char *prefix : {"a", "b"})
    for (int i = 0; i < KeysEach; ++i)
      ASSERT_EQ(keys["S"][prefix + std::to_string(i)], std::to_string(i)) << prefix << i;
  EXPECT_EQ(keys["S"].size(), 2u * KeysEach);
  EXPECT_EQ(Leftovers(dir.Path()), 0);
}

} // namespace
