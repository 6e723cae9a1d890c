// Conversations watched by the Qt event loop: opening and ending them, and
// the server going away, leave Qt nothing to warn about (such as a notifier
// still watching a socket that was closed).

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>
#include <string>
#include <vector>

#include "concordance_link/conversation_slot.h"
#include "concordance_link/dde_client.h"
#include "framework/qt/qt_backend.h"
#include "qt/qt_app_fixture.h"
#include "support/config_sandbox.h"
#include "support/dde_sandbox.h"

namespace {

std::vector<std::string> *Warnings = nullptr;

void RecordWarning(QtMsgType type, const QMessageLogContext &, const QString &text) {
  if (Warnings != nullptr && type != QtDebugMsg && type != QtInfoMsg)
    Warnings->push_back(text.toStdString());
}

platform::HDDEDATA Quiet(platform::UINT, platform::UINT, platform::HCONV, platform::HSZ,
                         platform::HSZ, platform::HDDEDATA, platform::ULONG_PTR,
                         platform::ULONG_PTR) {
  return 0;
}

// Lets the event loop poll the watched sockets for a while.
void RunEventsFor(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST(DdeSocketsQtTest, ConversationsEndWithoutAWarningFromQt) {
  testsupport::QtApp();
  testsupport::ConfigSandbox config;
  testsupport::DdeSandbox sandbox;
  auto server = testsupport::StartConcordance("QVWIN");
  ASSERT_NE(server, nullptr);
  QtBackend backend;
  std::uint32_t inst = 0;
  ASSERT_TRUE(StartDdeClient(inst, Quiet));
  TConversationSlot slot;
  slot.Instance = &inst;

  std::vector<std::string> warnings;
  Warnings = &warnings;
  QtMessageHandler previous = qInstallMessageHandler(RecordWarning);
  for (int conversation = 0; conversation < 3; ++conversation) {
    EXPECT_TRUE(slot.ConnectServer("QVWIN", "Verses"));
    RunEventsFor(50);
    slot.EndConversation();
    RunEventsFor(50);
  }
  // The partner going away while a conversation is open.
  EXPECT_TRUE(slot.ConnectServer("QVWIN", "Verses"));
  server->Signal(SIGKILL);
  server->WaitForExit(std::chrono::seconds(60));
  RunEventsFor(200);
  slot.EndConversation();
  RunEventsFor(50);
  qInstallMessageHandler(previous);
  Warnings = nullptr;
  StopDdeClient(inst);
  EXPECT_EQ(warnings, std::vector<std::string>{});
}

} // namespace
