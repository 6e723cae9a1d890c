#pragma once

// What the DDE client tests share: a private socket folder and working
// folder, a client instance whose callback acts on one conversation slot,
// the headless backend for the message boxes, and the stand-in server's log.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "concordance_link/conversation_slot.h"
#include "concordance_link/dde_client.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "framework/framework_state.h"
#include "framework/headless/headless_backend.h"
#include "support/background_process.h"
#include "support/config_sandbox.h"
#include "support/dde_sandbox.h"
#include "support/run_process.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace ddetest {

// The slot the callback of the test instance acts on.
inline TConversationSlot *CallbackSlot = nullptr;

inline platform::HDDEDATA TestCallBack(platform::UINT type, platform::UINT, platform::HCONV conv,
                                       platform::HSZ, platform::HSZ, platform::HDDEDATA,
                                       platform::ULONG_PTR, platform::ULONG_PTR) {
  return AnswerDdeCallback(type, conv, CallbackSlot, nullptr);
}

// PATH with folder put first.
inline std::string PathStartingWith(const std::string &folder) {
  const char *old = std::getenv("PATH");
  return folder + ":" + (old != nullptr ? old : "/usr/bin:/bin");
}

class DdeClientTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetFrameworkState();
    ASSERT_TRUE(StartDdeClient(inst, TestCallBack));
    slot.Instance = &inst;
    CallbackSlot = &slot;
  }
  void TearDown() override {
    EXPECT_EQ(slot.HConv, 0u) << "a conversation was left open";
    CallbackSlot = nullptr;
    StopDdeClient(inst);
    for (int pid : StartedPids())
      kill(pid, SIGTERM);
  }

  std::string LogFile() const { return work.File("server.log"); }
  std::vector<std::string> LogLines() const {
    std::vector<std::string> lines;
    std::string text = testsupport::ReadFileBytes(LogFile());
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1)
      lines.push_back(text.substr(start, end - start));
    return lines;
  }
  // The log once the server has seen the last conversation end.
  std::vector<std::string> SettledLog() const {
    testsupport::WaitUntil(
        [&] {
          std::vector<std::string> lines = LogLines();
          return !lines.empty() && lines.back() == "DISCONNECT\t\t\t";
        },
        std::chrono::seconds(5));
    return LogLines();
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto &message : backend.Messages())
      texts.push_back(message.Text);
    return texts;
  }

  // A program named name in the folder on PATH that notes each start in
  // "started" and then runs the stand-in server under that service with
  // arguments (or just ends when serve is false).
  void PutProgram(const std::string &name, bool serve, const std::string &arguments = "") {
    std::string script = "#!/bin/sh\necho $$ >> '" + work.File("started") + "'\n";
    if (serve)
      script += "exec '" + testsupport::BuiltProgram("selwarth-concordance") + "' --service '" +
                name + "' --exit-after 60 --log '" + LogFile() + "' " + arguments + "\n";
    std::string path = work.Write(name, script);
    chmod(path.c_str(), 0700);
  }
  std::vector<int> StartedPids() const {
    std::vector<int> pids;
    std::string text = testsupport::ReadFileBytes(work.File("started"));
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1)
      pids.push_back(std::stoi(text.substr(start, end - start)));
    return pids;
  }

  // The settings and the day the program would lend to the DDE layer.
  Settings settings;
  DayState day;
  testsupport::ConfigSandbox config;
  testsupport::DdeSandbox dde;
  testsupport::TempDir work;
  testsupport::WorkingDirectory cwd{work.Path()};
  // Server programs are started from PATH only, never the working folder.
  testsupport::ScopedEnvironment path{"PATH", PathStartingWith(work.Path().string())};
  HeadlessBackend backend;
  std::uint32_t inst = 0;
  TConversationSlot slot;
};

} // namespace ddetest
