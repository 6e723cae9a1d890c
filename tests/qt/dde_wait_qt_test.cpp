// A window on the Qt backend while a DDE transaction waits for a server
// that never answers: it is painted, and nothing else reaches the program
// (no posted command, no close) until the transaction is over, and Escape
// ends the wait. The same painting while a settings write waits for the
// lock of another process, which it gives up after a few seconds.

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

#include "concordance_link/dde_client.h"
#include "framework/application.h"
#include "framework/message_queue.h"
#include "framework/qt/qt_backend.h"
#include "framework/window.h"
#include "platform/dde.h"
#include "platform/file_lock.h"
#include "platform/profile.h"
#include "qt/qt_app_fixture.h"
#include "support/background_process.h"
#include "support/config_sandbox.h"
#include "support/dde_sandbox.h"

namespace {

using namespace platform;

HDDEDATA IgnoringCallBack(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return 0;
}

// Notes what reaches it, and whether the transaction was waiting then.
class NotingWindow : public TWindow {
public:
  NotingWindow(std::vector<std::string> &log, const bool &waiting) : log_(log), waiting_(waiting) {}

protected:
  void Paint(TDC &, bool, const TRect &) override { Note("painted"); }
  bool Respond(const TMessage &msg) override {
    if (msg.Id != WM_COMMAND)
      return false;
    Note("command");
    return true;
  }
  void CleanupWindow() override { Note("closed"); }

private:
  void Note(const std::string &what) {
    std::string entry = what + (waiting_ ? " while waiting" : "");
    if (std::find(log_.begin(), log_.end(), entry) == log_.end())
      log_.push_back(entry);
  }
  std::vector<std::string> &log_;
  const bool &waiting_;
};

bool Has(const std::vector<std::string> &log, const std::string &entry) {
  return std::find(log.begin(), log.end(), entry) != log.end();
}

TEST(DdeWaitQtTest, TheWindowIsPaintedAndNothingElseHappensWhileATransactionWaits) {
  testsupport::QtApp();
  testsupport::DdeSandbox sandbox;
  auto server = testsupport::StartConcordance("Silent", {"--no-answer"});
  ASSERT_NE(server, nullptr);
  QtBackend backend;
  std::uint32_t inst = 0;
  ASSERT_TRUE(StartDdeClient(inst, IgnoringCallBack));

  std::vector<std::string> log;
  bool waiting = false;
  NotingWindow window(log, waiting);
  window.Attr = TWindowAttr{50, 50, 300, 200};
  window.Create();
  HDDEDATA result = 1;
  bool stopped = false;
  // The timers end with the test: none may fire into a later one.
  QObject timers;
  MessageQueue().ResetQuit(); // a quit left over by an earlier test
  QTimer::singleShot(0, &timers, [&] {
    QCoreApplication::processEvents(); // the first paint
    HSZ service = DdeCreateStringHandle(inst, "Silent", CP_WINANSI);
    HSZ topic = DdeCreateStringHandle(inst, "System", CP_WINANSI);
    HSZ item = DdeCreateStringHandle(inst, "Version", CP_WINANSI);
    HCONV conv = DdeConnect(inst, service, topic, nullptr);
    ASSERT_NE(conv, 0u);
    // What the transaction finds waiting: a repaint, a posted command and
    // the window system's request to close the window.
    window.Invalidate();
    window.PostMessage(WM_COMMAND, 1);
    QCoreApplication::postEvent(static_cast<QWidget *>(window.Peer), new QCloseEvent);
    waiting = true;
    result = DdeClientTransaction(nullptr, 0, conv, item, CF_TEXT, XTYP_REQUEST, 700);
    // Escape, alone of all input, ends a wait at once.
    QCoreApplication::postEvent(static_cast<QWidget *>(window.Peer),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    // Only Escape can end this wait (a time-out would hang the test).
    stopped = DdeClientTransaction(nullptr, 0, conv, item, CF_TEXT, XTYP_REQUEST,
                                   testsupport::NeverMs) == 0 &&
              DdeGetLastError(inst) == DMLERR_WAITSTOPPED;
    waiting = false;
    DdeDisconnect(conv);
    for (HSZ hsz : {service, topic, item})
      DdeFreeStringHandle(inst, hsz);
    // The command and the close come once the loop runs again.
    QTimer::singleShot(300, &timers, [] { MessageQueue().PostQuit(0); });
  });
  QTimer::singleShot(600000, &timers, [] { MessageQueue().PostQuit(1); }); // a bound, never reached
  backend.RunMessageLoop(MessageQueue());
  MessageQueue().ResetQuit();
  StopDdeClient(inst);
  testsupport::DeleteDeferredWidgets();

  EXPECT_EQ(result, 0u) << "the silent server answered";
  EXPECT_TRUE(stopped);
  EXPECT_TRUE(Has(log, "painted while waiting"));
  EXPECT_FALSE(Has(log, "command while waiting"));
  EXPECT_FALSE(Has(log, "closed while waiting"));
  EXPECT_TRUE(Has(log, "command"));
  EXPECT_TRUE(Has(log, "closed"));
}

// Whether another process holds the lock of lockPath now.
bool HeldElsewhere(const std::string &lockPath) {
  int fd = open(lockPath.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0)
    return false;
  bool held = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  close(fd); // releases it, had we got it
  return held;
}

TEST(DdeWaitQtTest, AWriteWaitingForAnotherProcesssLockPaintsAndGivesUp) {
  testsupport::QtApp();
  testsupport::ConfigSandbox sandbox;
  ASSERT_TRUE(WritePrivateProfileString("Selwarth", "HideMenu", "0", "SELWARTH.INI"));
  const std::string before = testsupport::ReadFileBytes(sandbox.SettingsPath());
  const std::string lockPath = sandbox.Folder() + "/.SELWARTH.INI.lock";
  testsupport::BackgroundProcess holder("/usr/bin/flock", {lockPath, "sleep", "60"});
  ASSERT_TRUE(testsupport::WaitUntil([&] { return HeldElsewhere(lockPath); })) << holder.Output();
  QtBackend backend;
  std::vector<std::string> log;
  bool waiting = false;
  NotingWindow window(log, waiting);
  window.Attr = TWindowAttr{50, 50, 300, 200};
  window.Create();
  platform::Result<void> written;
  QObject timers;
  MessageQueue().ResetQuit();
  QTimer::singleShot(0, &timers, [&] {
    // The window's first paint is due.
    waiting = true;
    written = WritePrivateProfileString("Selwarth", "HideMenu", "1", "SELWARTH.INI");
    waiting = false;
    MessageQueue().PostQuit(0);
  });
  QTimer::singleShot(30000, &timers, [] { MessageQueue().PostQuit(1); }); // a bound, never reached
  backend.RunMessageLoop(MessageQueue());
  MessageQueue().ResetQuit();
  testsupport::DeleteDeferredWidgets();
  holder.Signal(SIGTERM);

  ASSERT_FALSE(written) << "written although another process held the lock";
  EXPECT_NE(written.error().find("another program has held it"), std::string::npos)
      << written.error();
  EXPECT_TRUE(Has(log, "painted while waiting"));
  EXPECT_EQ(testsupport::ReadFileBytes(sandbox.SettingsPath()), before);
}

} // namespace
