#include "framework/application.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/headless/headless_backend.h"

namespace {

// A window that notes what reaches it.
class RecordingWindow : public TWindow {
public:
  explicit RecordingWindow(std::vector<std::string> &log, TWindow *parent = nullptr)
      : TWindow(parent, "recording"), log_(log) {}
  bool Respond(const TMessage &msg) override {
    log_.push_back("msg " + std::to_string(msg.Id) + " " + std::to_string(msg.WParam));
    return false;
  }
  bool allowClose = true;
  bool CanClose() override { return allowClose; }

protected:
  void SetupWindow() override { log_.push_back("setup"); }
  void CleanupWindow() override { log_.push_back("cleanup"); }

private:
  std::vector<std::string> &log_;
};

class TestApp : public TApplication {
public:
  explicit TestApp(std::vector<std::string> &log) : log_(log) {}
  RecordingWindow *client = nullptr;

protected:
  void InitApplication() override { log_.push_back("init application"); }
  void InitMainWindow() override {
    log_.push_back("init main window");
    auto window = std::make_unique<RecordingWindow>(log_);
    client = window.get();
    SetMainWindow(std::make_unique<TFrameWindow>(nullptr, "Main", std::move(window)));
  }
  int TermInstance(int status) override {
    log_.push_back("term " + std::to_string(status));
    return status + 100;
  }

private:
  std::vector<std::string> &log_;
};

TEST(ApplicationTest, RunsItsStepsInOrderAndReturnsTheStatusOfTheMainWindowsEnd) {
  HeadlessBackend backend;
  std::vector<std::string> log;
  TestApp app(log);
  backend.Then([&] {
    log.push_back("user");
    EXPECT_TRUE(backend.Shows(*app.GetMainWindow()));
    EXPECT_EQ(backend.CaptionOf(*app.GetMainWindow()), "Main");
    app.GetMainWindow()->Destroy(7);
  });
  EXPECT_EQ(app.Run(), 107);
  EXPECT_EQ(log, (std::vector<std::string>{"init application", "init main window", "setup", "user",
                                           "cleanup", "term 7"}));
  EXPECT_EQ(backend.WindowCount(), 0u);
}

TEST(ApplicationTest, PostedMessagesArriveInOrderAfterTheHandlerThatPostedThem) {
  HeadlessBackend backend;
  std::vector<std::string> log;
  TestApp app(log);
  backend.Then([&] {
    app.client->PostMessage(WM_COMMAND, 101);
    app.client->PostMessage(WM_SIZE, 0);
    log.push_back("posted");
  });
  app.Run();
  auto posted = std::find(log.begin(), log.end(), "posted");
  ASSERT_NE(posted, log.end());
  ASSERT_GE(log.end() - posted, 3);
  EXPECT_EQ(posted[1], "msg 273 101");
  EXPECT_EQ(posted[2], "msg 5 0");
}

TEST(ApplicationTest, AMessageForADestroyedWindowIsDropped) {
  HeadlessBackend backend;
  std::vector<std::string> log;
  TestApp app(log);
  backend.Then([&] {
    app.client->PostMessage(WM_COMMAND, 101);
    app.client->Destroy(); // the frame closes with it and the loop ends
  });
  EXPECT_EQ(app.Run(), 100);
  EXPECT_EQ(std::count(log.begin(), log.end(), "msg 273 101"), 0);
}

TEST(ApplicationTest, AWindowThatRefusesToCloseStaysOpen) {
  HeadlessBackend backend;
  std::vector<std::string> log;
  TestApp app(log);
  backend.Then([&] {
    app.client->allowClose = false;
    app.client->HandleMessage(TMessage{WM_CLOSE, 0, 0});
    EXPECT_TRUE(app.client->IsCreated());
    app.client->allowClose = true;
    app.client->HandleMessage(TMessage{WM_CLOSE, 0, 0});
    EXPECT_FALSE(app.client->IsCreated());
    EXPECT_FALSE(app.GetMainWindow()->IsCreated());
  });
  EXPECT_EQ(app.Run(), 100);
}

TEST(ApplicationTest, ALoopThatCanNeverEndStopsWithAnErrorStatus) {
  HeadlessBackend backend;
  std::vector<std::string> log;
  TestApp app(log);
  backend.Then([&] { app.client->allowClose = false; });
  // The scripted user closes the main window when the script is done; the
  // window refuses, nothing else can happen, so the loop gives up.
  EXPECT_EQ(app.Run(), 99);
}

TEST(FrameWindowTest, CaptionChangesReachTheBackend) {
  HeadlessBackend backend;
  std::vector<std::string> log;
  TFrameWindow frame(nullptr, "Before", std::make_unique<RecordingWindow>(log));
  frame.Create();
  EXPECT_EQ(backend.WindowCount(), 2u);
  frame.SetCaption("After");
  EXPECT_EQ(backend.CaptionOf(frame), "After");
  frame.Destroy();
  EXPECT_EQ(backend.WindowCount(), 0u);
}

} // namespace
