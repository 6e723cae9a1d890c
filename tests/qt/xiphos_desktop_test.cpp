// The Links commands with the real Xiphos, on an X server with openbox and a
// session bus of the test's own (ctest runs these under dbus-run-session):
// Xiphos is chosen in DDE Settings from the keyboard, the Morning link
// starts it at the morning's passage and the Evening link reaches the
// running one; where it shows is read back from Xiphos over the bus, and
// what its Verse List holds through the screen reader's interface (AT-SPI).

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "concordance_link/xiphos_link.h"
#include "platform/start_program.h"
#include "qt_app_fixture.h"
#include "support/background_process.h"
#include "support/desktop_session.h"
#include "support/package_bytes.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

using namespace std::chrono_literals;

// The Xiphos processes whose HOME is home: the ones a test started.
std::vector<int> XiphosPids(const std::string &home) {
  std::vector<int> pids;
  for (const auto &entry : std::filesystem::directory_iterator("/proc")) {
    std::string pid = entry.path().filename().string();
    if (pid.find_first_not_of("0123456789") != std::string::npos)
      continue;
    std::ifstream comm(entry.path() / "comm");
    std::string name;
    std::getline(comm, name);
    std::ifstream environ(entry.path() / "environ");
    std::string env((std::istreambuf_iterator<char>(environ)), std::istreambuf_iterator<char>());
    if (name == "xiphos" && env.find(std::string("HOME=") + home + '\0') != std::string::npos)
      pids.push_back(std::stoi(pid));
  }
  return pids;
}

class XiphosDesktopTest : public ::testing::Test {
protected:
  void SetUp() override {
    const char *bus = std::getenv("SELWARTH_PRIVATE_BUS");
    if (bus == nullptr || std::string(bus) != "1")
      GTEST_SKIP() << "runs only on a session bus of its own (ctest -R XiphosDesktop)";
    if (platform::FindProgram("xiphos").empty())
      GTEST_SKIP() << "xiphos is not installed (scripts/install-deps.sh installs it)";
    std::vector<std::string> missing =
        testsupport::MissingDesktopPrograms(testsupport::Desktop::Openbox);
    if (!missing.empty())
      GTEST_SKIP() << missing.front() << " is not installed (scripts/install-deps.sh installs it)";
    session = std::make_unique<testsupport::DesktopSession>(testsupport::Desktop::Openbox);
    testpackage::PackageLayout plan;
    plan.Titles = {"Through the Bible in a Year"};
    for (int slot = 0; slot < 366; ++slot)
      plan.Entries[slot] = {"Morning: Ps 23; Jude 3 / Evening: Matt 5:3-12"};
    folder.Write("PLAN.QXP", testpackage::BuildPackage(plan));
    // The translation chosen earlier for another concordance.
    std::filesystem::create_directories(home.Path() / ".config/selwarth");
    home.Write(".config/selwarth/SELWARTH.INI", "[Selwarth]\nConcordanceTranslation=KJV\n");
  }
  void TearDown() override {
    if (program)
      program->Signal(SIGTERM);
    for (int pid : XiphosPids(home.Path().string()))
      kill(pid, SIGKILL);
  }

  bool Shown(const std::string &title) const {
    return !session->RunX("xdotool", {"search", "--onlyvisible", "--name", title}).output.empty();
  }
  // Types keys into our window (Xiphos's, once shown, may hold the focus).
  void Keys(const std::vector<std::string> &keys) const {
    session->RunX("xdotool",
                  {"search", "--onlyvisible", "--class", "^Selwarth$", "windowactivate", "--sync"});
    std::vector<std::string> arguments = {"key", "--delay", "150"};
    arguments.insert(arguments.end(), keys.begin(), keys.end());
    session->RunX("xdotool", arguments);
  }
  // Where Xiphos shows, asked over the bus; empty when it does not answer.
  std::string CurrentReference() const {
    testsupport::ProcessOptions options;
    options.timeoutMs = 5000;
    std::string said =
        testsupport::RunProcess(platform::FindProgram("gdbus"),
                                {"call", "--session", "--dest", "org.xiphos.remote",
                                 "--object-path", "/org/xiphos/remote/ipc", "--method",
                                 "org.xiphos.remote.getCurrentReference"},
                                options)
            .output;
    std::smatch found;
    return std::regex_search(said, found, std::regex("\\('([^']*)',\\)")) ? found[1].str() : "";
  }
  // The references in Xiphos's Verse List (its "Results" table), "; "
  // between them; empty when it cannot be read.
  std::string VerseList() const {
    static const char *const script = R"(
import pyatspi
def find(node, depth):
    if node is None or depth > 30:
        return None
    if node.getRoleName() == "table" and node.childCount and node.getChildAtIndex(0).name == "Results":
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), depth + 1)
        if found:
            return found
for app in pyatspi.Registry.getDesktop(0):
    table = find(app, 0) if app is not None and app.name == "xiphos" else None
    if table:
        print("; ".join(table.getChildAtIndex(i).name for i in range(1, table.childCount)), end="")
)";
    testsupport::ProcessOptions options;
    options.timeoutMs = 10000;
    options.environment = session->Environment();
    return testsupport::RunProcess("/usr/bin/python3", {"-c", script}, options).output;
  }
  // The texts of Selwarth's message box captioned caption, read through the
  // screen reader's interface; empty when there is none.
  std::string SelwarthSays(const std::string &caption) const {
    static const char *const script = R"(
import sys, pyatspi
def texts(node, depth):
    if node is None or depth > 12:
        return []
    found = [node.name] if node.getRoleName() == "label" and node.name else []
    for i in range(node.childCount):
        found += texts(node.getChildAtIndex(i), depth + 1)
    return found
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == "Selwarth":
        for i in range(app.childCount):
            box = app.getChildAtIndex(i)
            if box is not None and box.name == sys.argv[1]:
                print("\n".join(texts(box, 0)), end="")
)";
    testsupport::ProcessOptions options;
    options.timeoutMs = 10000;
    options.environment = session->Environment();
    return testsupport::RunProcess("/usr/bin/python3", {"-c", script, caption}, options).output;
  }
  // Whether the window manager's active window is one of the Xiphos the
  // test started.
  bool XiphosIsActive() const {
    std::smatch found;
    std::string active = session->RunX("xprop", {"-root", "_NET_ACTIVE_WINDOW"}).output;
    if (!std::regex_search(active, found, std::regex("# (0x[0-9a-f]+)")))
      return false;
    std::string pid = session->RunX("xprop", {"-id", found[1].str(), "_NET_WM_PID"}).output;
    if (!std::regex_search(pid, found, std::regex("= ([0-9]+)")))
      return false;
    std::vector<int> ours = XiphosPids(home.Path().string());
    return std::find(ours.begin(), ours.end(), std::stoi(found[1].str())) != ours.end();
  }
  std::string Windows() const {
    std::string names,
        ids = session->RunX("xdotool", {"search", "--onlyvisible", "--name", "."}).output;
    for (std::size_t at = 0, end; (end = ids.find('\n', at)) != std::string::npos; at = end + 1)
      names += session->RunX("xdotool", {"getwindowname", ids.substr(at, end - at)}).output;
    return "windows: " + names;
  }
  // Starts Selwarth; with peakFile, through peak-memory, which writes its
  // peak resident size there when it has ended.
  void StartSelwarth(const std::string &peakFile = "") {
    testsupport::ProcessOptions options;
    options.workingDirectory = folder.Path().string();
    options.environment = session->Environment();
    options.environment["HOME"] = home.Path().string();
    options.environment["XDG_CONFIG_HOME"] = (home.Path() / ".config").string();
    // Its texts for the screen reader's interface, which the test reads.
    options.environment["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1";
    options.endWithCaller = true;
    std::string selwarth = testsupport::BuiltProgram("selwarth");
    program = peakFile.empty() ? std::make_unique<testsupport::BackgroundProcess>(
                                     selwarth, std::vector<std::string>{}, options)
                               : std::make_unique<testsupport::BackgroundProcess>(
                                     testsupport::BuiltProgram("peak-memory"),
                                     std::vector<std::string>{peakFile, selwarth}, options);
    ASSERT_FALSE(session->WaitForWindows("Selwarth", 60s).empty()) << program->Output();
  }
  std::string Settings() const {
    return testsupport::ReadFileBytes(home.Path() / ".config/selwarth/SELWARTH.INI");
  }

  std::unique_ptr<testsupport::DesktopSession> session;
  testsupport::TempDir folder;
  testsupport::TempDir home;
  std::unique_ptr<testsupport::BackgroundProcess> program;
};

TEST_F(XiphosDesktopTest, TheLinksStartXiphosOnceAndShowEachReading) {
  StartSelwarth();

  // Settings > DDE..., Xiphos, OK: the Bible chosen before is preselected.
  Keys({"alt+s", "d"});
  ASSERT_TRUE(testsupport::WaitUntil([&] { return Shown("Dynamic Data Exchange Settings"); }))
      << session->Log();
  Keys({"alt+x", "Return"});
  ASSERT_TRUE(testsupport::WaitUntil([&] { return !Shown("Dynamic Data Exchange Settings"); }))
      << program->Output();
  std::string settings = Settings();
  EXPECT_NE(settings.find("ConcordanceServer=Xiphos"), std::string::npos) << settings;
  EXPECT_NE(settings.find("ConcordanceTranslation=engKJV2006eb"), std::string::npos) << settings;

  // Links > Morning Bible Reading: Xiphos is not running and is started.
  auto start = std::chrono::steady_clock::now();
  Keys({"alt+l", "m"});
  EXPECT_TRUE(testsupport::WaitUntil([&] { return CurrentReference() == "Psalms 23:1"; }, 60s))
      << "Xiphos shows \"" << CurrentReference() << "\"\n"
      << program->Output() << Windows();
  const std::string morning = "Psalms 23:1; Psalms 23:2; Psalms 23:3; Psalms 23:4; Psalms 23:5; "
                              "Psalms 23:6; Jude 1:3";
  EXPECT_TRUE(testsupport::WaitUntil([&] { return VerseList() == morning; }, 60s)) << VerseList();
  auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  std::printf("Xiphos started and showed the morning reading in %lld ms\n",
              static_cast<long long>(took.count()));
  // Links > Evening Bible Reading reaches the running one, once its window
  // has come up and taken the focus.
  EXPECT_TRUE(testsupport::WaitUntil([&] { return Shown(" - Xiphos"); }, 60s)) << Windows();
  // However long a loaded machine takes for it: keys sent before Xiphos
  // took the focus would be sent to Selwarth and then taken from it.
  EXPECT_TRUE(testsupport::WaitUntil([&] { return XiphosIsActive(); }, 60s)) << Windows();
  Keys({"alt+l", "e"});
  EXPECT_TRUE(testsupport::WaitUntil([&] { return CurrentReference() == "Matthew 5:3"; }, 60s))
      << "Xiphos shows \"" << CurrentReference() << "\"\n"
      << program->Output() << Windows();
  std::string evening = "Matthew 5:3";
  for (int verse = 4; verse <= 12; ++verse)
    evening += "; Matthew 5:" + std::to_string(verse);
  EXPECT_TRUE(testsupport::WaitUntil([&] { return VerseList() == evening; }, 60s)) << VerseList();
  // The link brought the running Xiphos in front of Selwarth.
  EXPECT_TRUE(testsupport::WaitUntil([&] { return XiphosIsActive(); }, 60s)) << Windows();
  Keys({"alt+l", "m"});
  EXPECT_TRUE(testsupport::WaitUntil([&] { return CurrentReference() == "Psalms 23:1"; }, 60s));
  EXPECT_EQ(XiphosPids(home.Path().string()).size(), 1u) << "a second Xiphos was started";
  EXPECT_FALSE(Shown("Error")) << "a link failed";
  EXPECT_FALSE(Shown("^Xiphos$")) << "Xiphos was said to stay behind";
}

// "Mark 10:1; Mark 10:2; ..." up to the chapter's last verse.
std::string Verses(const std::string &chapter, int last) {
  std::string list;
  for (int verse = 1; verse <= last; ++verse)
    list += (verse > 1 ? "; " : "") + chapter + ":" + std::to_string(verse);
  return list;
}

// Xiphos's Verse List holds the whole reading whatever its form, also a
// single chapter after a reading of two and a book of one chapter, and each
// link brings the running Xiphos in front of Selwarth.
TEST_F(XiphosDesktopTest, EveryReadingFillsTheVerseListAndBringsXiphosForward) {
  const struct {
    const char *entry;
    const char *morningShows, *eveningShows;
    std::string morning, evening;
  } rows[] = {
      {"Morning: Numbers 5-6 / Evening: Mark 10", "Numbers 5:1", "Mark 10:1",
       Verses("Numbers 5", 31) + "; " + Verses("Numbers 6", 27), Verses("Mark 10", 52)},
      {"Morning: Leviticus 27 / Evening: Jude", "Leviticus 27:1", "Jude 1:1",
       Verses("Leviticus 27", 34), Verses("Jude 1", 25)},
      {"Morning: Obadiah / Evening: Philemon 4", "Obadiah 1:1", "Philemon 1:4",
       Verses("Obadiah 1", 21), "Philemon 1:4"},
  };
  home.Write(".config/selwarth/SELWARTH.INI",
             "[Selwarth]\nConcordanceServer=Xiphos\nConcordanceTranslation=KJV\n");
  StartSelwarth();
  bool started = false;
  for (const auto &row : rows) {
    testpackage::PackageLayout plan;
    plan.Titles = {"Through the Bible in a Year"};
    for (int slot = 0; slot < 366; ++slot)
      plan.Entries[slot] = {row.entry};
    folder.Write("PLAN.QXP", testpackage::BuildPackage(plan));
    Keys({"ctrl+n"});
    for (const auto &[key, shows, list] : {std::tuple{"m", row.morningShows, row.morning},
                                           std::tuple{"e", row.eveningShows, row.evening}}) {
      Keys({"alt+l", key});
      EXPECT_TRUE(testsupport::WaitUntil([&] { return CurrentReference() == shows; }, 60s))
          << row.entry << ": Xiphos shows \"" << CurrentReference() << "\"\n"
          << program->Output() << Windows();
      EXPECT_TRUE(testsupport::WaitUntil([&] { return VerseList() == list; }, 60s))
          << row.entry << ": " << VerseList();
      if (started) {
        EXPECT_TRUE(testsupport::WaitUntil([&] { return XiphosIsActive(); }, 60s))
            << row.entry << ": " << Windows();
      }
      started = true;
    }
  }
  EXPECT_EQ(XiphosPids(home.Path().string()).size(), 1u);
  EXPECT_FALSE(Shown("Error")) << "a link failed";
  EXPECT_FALSE(Shown("^Xiphos$")) << "Xiphos was said to stay behind";
}

// Owns Xiphos's name and takes every call without ever answering; counts
// the calls it has seen (they reach it while this thread handles events).
class SilentXiphos : public QDBusVirtualObject {
public:
  QString introspect(const QString &) const override { return {}; }
  bool handleMessage(const QDBusMessage &, const QDBusConnection &) override {
    ++calls;
    return true;
  }
  int calls = 0;
};

// The link waits for one answer at most its time-out, painting, and says so.
TEST_F(XiphosDesktopTest, AXiphosThatNeverAnswersIsToldWithinTheBound) {
  testsupport::QtApp();
  SilentXiphos silent;
  QDBusConnection bus = QDBusConnection::sessionBus();
  ASSERT_TRUE(bus.registerService("org.xiphos.remote"));
  ASSERT_TRUE(bus.registerVirtualObject("/org/xiphos/remote/ipc", &silent));
  home.Write(".config/selwarth/SELWARTH.INI",
             "[Selwarth]\nConcordanceServer=Xiphos\nConcordanceTranslation=KJV\n");
  StartSelwarth();
  Keys({"alt+l", "m"});
  EXPECT_TRUE(testsupport::WaitUntil([&] { return Shown("Xiphos Error"); }, 60s)) << Windows();
  EXPECT_TRUE(XiphosPids(home.Path().string()).empty()) << "a Xiphos was started";
  bus.unregisterObject("/org/xiphos/remote/ipc");
  bus.unregisterService("org.xiphos.remote");
}

// A peer on the bus in Xiphos's place whose every current reference is
// size bytes long.
std::unique_ptr<testsupport::BackgroundProcess> LongWindedXiphos(std::size_t size) {
  static const char *const script = R"(
import sys, dbus, dbus.service, dbus.mainloop.glib
from gi.repository import GLib
dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
answer = "x" * int(sys.argv[1])
class Remote(dbus.service.Object):
    @dbus.service.method("org.xiphos.remote", out_signature="s")
    def getCurrentReference(self):
        return answer
    @dbus.service.method("org.xiphos.remote", in_signature="s")
    def setCurrentReference(self, reference):
        pass
bus = dbus.SessionBus()
name = dbus.service.BusName("org.xiphos.remote", bus)
Remote(bus, "/org/xiphos/remote/ipc")
print("ready", flush=True)
GLib.MainLoop().run()
)";
  testsupport::ProcessOptions options;
  options.endWithCaller = true;
  return std::make_unique<testsupport::BackgroundProcess>(
      "/usr/bin/python3", std::vector<std::string>{"-c", script, std::to_string(size)}, options);
}

// An answer is refused before it is read: the link's peak memory is the same
// for an answer of 16 MB as for one of 100 KB (both larger than a link
// reads; a few MB more would be the allocator's and the bus library's
// buffers, 16 MB read would be several times that). The answer is no larger
// so that it comes well within the link's time-out, the bus passing it on at
// some 10 MB a second.
TEST_F(XiphosDesktopTest, AHugeAnswerIsRefusedBeforeItIsRead) {
  home.Write(".config/selwarth/SELWARTH.INI",
             "[Selwarth]\nConcordanceServer=Xiphos\nConcordanceTranslation=KJV\n");
  auto peakOfALink = [&](std::size_t answer) -> long {
    auto peer = LongWindedXiphos(answer);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return peer->Output().starts_with("ready"); }, 60s))
        << peer->Output();
    const std::string peakFile = (folder.Path() / "peak").string();
    StartSelwarth(peakFile);
    Keys({"alt+l", "m"});
    EXPECT_TRUE(testsupport::WaitUntil(
        [&] {
          return SelwarthSays("Xiphos Error").find("Xiphos gave an answer too large to read.") !=
                 std::string::npos;
        },
        60s))
        << Windows() << SelwarthSays("Xiphos Error");
    // Selwarth is peak-memory's child; the peak is taken when it has ended.
    const std::string pid = std::to_string(program->Pid());
    std::string child = testsupport::ReadFileBytes("/proc/" + pid + "/task/" + pid + "/children");
    EXPECT_FALSE(child.empty());
    if (!child.empty())
      kill(std::stoi(child), SIGKILL);
    program->WaitForExit(60s);
    program.reset();
    return std::stol("0" + testsupport::ReadFileBytes(peakFile));
  };
  const long small = peakOfALink(100 * 1024), large = peakOfALink(16 * 1024 * 1024);
  std::printf("A link's peak: %ld KiB with an answer of 100 KB, %ld KiB with 16 MB\n", small,
              large);
  EXPECT_GT(small, 0);
  EXPECT_LT(large - small, 8 * 1024) << "KiB";
  EXPECT_TRUE(XiphosPids(home.Path().string()).empty()) << "a Xiphos was started";
}

// A close that comes while a link waits for Xiphos to answer ends the wait:
// nothing is said of it, the state is saved and the program ends with 0,
// however the close comes.
TEST_F(XiphosDesktopTest, ACloseWhileALinkWaitsEndsTheProgramCleanly) {
  testsupport::QtApp();
  SilentXiphos silent;
  QDBusConnection bus = QDBusConnection::sessionBus();
  ASSERT_TRUE(bus.registerService("org.xiphos.remote"));
  ASSERT_TRUE(bus.registerVirtualObject("/org/xiphos/remote/ipc", &silent));
  for (const testsupport::ProgramClose &close : testsupport::ProgramCloses()) {
    SCOPED_TRACE(close.name);
    home.Write(".config/selwarth/SELWARTH.INI",
               "[Selwarth]\nConcordanceServer=Xiphos\nConcordanceTranslation=KJV\n");
    StartSelwarth();
    const int before = silent.calls;
    Keys({"alt+l", "m"});
    ASSERT_TRUE(testsupport::WaitUntil([&] {
      QCoreApplication::processEvents();
      return silent.calls > before;
    })) << "the link did not call Xiphos\n"
        << program->Output();
    close.close(*session, *program, session->WaitForWindows("Selwarth", 60s).front());
    EXPECT_FALSE(testsupport::ShownUntilEnd(*session, *program, "Xiphos"));
    EXPECT_EQ(program->WaitForExit(60s), 0) << program->Output();
    EXPECT_EQ(program->Output().find("Sanitizer"), std::string::npos) << program->Output();
    EXPECT_NE(Settings().find("LastStartup="), std::string::npos) << Settings();
  }
  bus.unregisterObject("/org/xiphos/remote/ipc");
  bus.unregisterService("org.xiphos.remote");
}

} // namespace
