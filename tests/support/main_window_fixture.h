#pragma once

// The main window run by a scripted user on the headless backend, in a
// folder of its own with settings of its own, on 1 March 2023 (slot 59):
// what the tests of the main window share.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "app/qx_app.h"
#include "app/verse_window.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/today_text.h"
#include "framework/headless/headless_backend.h"
#include "support/config_sandbox.h"
#include "support/fixed_clock.h"
#include "support/fresh_start.h"
#include "support/package_bytes.h"
#include "support/temp_dir.h"

namespace testsupport {

class MainWindowTest : public ::testing::Test {
protected:
  void SetUp() override { FreshStart(); }

  // The program as a new process has it, today 1 March 2023.
  void FreshStart() {
    settings = Settings{};
    testsupport::FreshStartOnMarchFirst2023(ResetProgramState, day);
  }

  // A package of one title whose entry today is text.
  void AddPackage(const std::string &name, const std::string &title, const std::string &text,
                  char marker = 0) {
    packages.Write(name, BuildToday(title, text, marker));
  }
  static std::string BuildToday(const std::string &title, const std::string &text,
                                char marker = 0) {
    testpackage::PackageLayout layout;
    layout.Titles = {title};
    layout.Marker = marker;
    layout.Entries[59] = {text};
    return testpackage::BuildPackage(layout);
  }

  // Runs the program with the scripted user's steps; returns its status.
  int Run(std::vector<std::function<void()>> steps) {
    for (auto &step : steps)
      backend.Then(std::move(step));
    TQXApp app(program);
    return app.Run();
  }

  static TFrameWindow &Frame() { return *TheApplication()->GetMainWindow(); }
  static TVerseWindow &Verse() { return *MainWindowHandle; }
  static bool Enabled(unsigned id) { return Frame().QueryCommand(id).Enabled(); }
  static bool Checked(unsigned id) { return Frame().QueryCommand(id).Checked(); }
  // What the window shows now, one drawn line each.
  std::string Shown() { return backend.Paint(Verse()).DrawnLines(); }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto &message : backend.Messages())
      texts.push_back(message.Text);
    return texts;
  }

  // What the program keeps while it runs, as RunApplication would own it.
  TProgram program;
  Settings &settings = program.settings;
  DayState &day = program.day;
  testsupport::ConfigSandbox sandbox;
  testsupport::TempDir packages;
  testsupport::WorkingDirectory cwd{packages.Path()};
  HeadlessBackend backend;
};

} // namespace testsupport
