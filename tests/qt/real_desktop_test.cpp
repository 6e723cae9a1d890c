// The built program itself on an X server with the openbox window manager,
// seen from outside as a desktop sees it: its window's class, where its
// window opens start after start, and keys typed into it.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

#include "passage_library.h"
#include "qt/qt_app_fixture.h"
#include "support/background_process.h"
#include "support/dde_sandbox.h"
#include "support/desktop_session.h"
#include "support/package_bytes.h"
#include "support/run_process.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace {

using namespace std::chrono_literals;

// The value of key in an ini-style text ("" when absent).
std::string Value(const std::string &text, const std::string &key) {
  std::smatch found;
  std::regex line("(^|\n)" + key + "=([^\r\n]*)");
  return std::regex_search(text, found, line) ? found[2].str() : "";
}

class RealDesktopTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::vector<std::string> missing =
        testsupport::MissingDesktopPrograms(testsupport::Desktop::Openbox);
    if (!missing.empty())
      GTEST_SKIP() << missing.front() << " is not installed (scripts/install-deps.sh installs it)";
    session = std::make_unique<testsupport::DesktopSession>(testsupport::Desktop::Openbox);
    testpackage::PackageLayout verse;
    folder.Write("VERSE.QXP", testpackage::BuildPackage(verse));
    std::filesystem::create_directories(config.Path() / "selwarth");
  }

  // Starts the program and waits until its window is shown, framed and
  // still; the window's id, empty when it did not show.
  std::string Start(const std::string &scale = "1") {
    testsupport::ProcessOptions options;
    options.workingDirectory = folder.Path().string();
    options.environment = session->Environment();
    options.environment["XDG_CONFIG_HOME"] = config.Path().string();
    options.environment["QT_SCALE_FACTOR"] = scale;
    if (!busAddress.empty())
      options.environment["DBUS_SESSION_BUS_ADDRESS"] = busAddress;
    options.endWithCaller = true;
    program = std::make_unique<testsupport::BackgroundProcess>(
        testsupport::BuiltProgram("selwarth"), std::vector<std::string>{}, options);
    std::vector<std::string> windows = session->WaitForWindows("Selwarth", 60s);
    if (windows.empty())
      return "";
    std::string id = windows.front();
    std::string last;
    testsupport::WaitUntil(
        [&] {
          std::string now = session->RunX("xwininfo", {"-id", id, "-frame"}).output;
          bool still = now == last;
          last = now;
          if (!still)
            std::this_thread::sleep_for(150ms);
          return still;
        },
        60s);
    return id;
  }
  // Ends the program as a desktop's logout does; its exit status.
  int Stop() {
    program->Signal(SIGTERM);
    return program->WaitForExit(60s);
  }
  std::string Settings() const { return config.Read("selwarth/SELWARTH.INI"); }

  std::unique_ptr<testsupport::DesktopSession> session;
  testsupport::TempDir folder;
  testsupport::TempDir config;
  std::unique_ptr<testsupport::BackgroundProcess> program;
  std::string busAddress; // the program's session bus; empty: the test's own
};

TEST_F(RealDesktopTest, TheWindowsClassIsTheOneTheDesktopEntryNames) {
  std::string entry = testsupport::ReadFileBytes(std::filesystem::path(testsupport::SourceTree()) /
                                                 "data" / "io.github.selwarth.Selwarth.desktop");
  std::string startupClass = Value(entry, "StartupWMClass");
  ASSERT_FALSE(startupClass.empty());
  std::string id = Start();
  ASSERT_FALSE(id.empty()) << "no window was shown\n" << program->Output() << session->Log();
  std::string wmClass = session->RunX("xprop", {"-id", id, "WM_CLASS"}).output;
  EXPECT_EQ(Stop(), 0) << program->Output();
  // WM_CLASS(STRING) = "instance", "class"
  std::smatch found;
  ASSERT_TRUE(std::regex_search(wmClass, found, std::regex("\"([^\"]*)\", \"([^\"]*)\"")))
      << wmClass;
  EXPECT_EQ(found[2].str(), startupClass);
}

// The frame of window id in the window's pixels (scale screen pixels each):
// its place exact ("+" for part of one), its size rounded up, as borders of
// an odd number of screen pixels leave it short of a whole one.
std::string Frame(const testsupport::DesktopSession &session, const std::string &id, int scale) {
  std::string text = session.RunX("xwininfo", {"-id", id}).output +
                     session.RunX("xprop", {"-id", id, "_NET_FRAME_EXTENTS"}).output;
  std::smatch v; // the client's place and size, then the borders: left, right, top, bottom
  std::regex_search(text, v,
                    std::regex("X: +(\\d+)[\\s\\S]*?Y: +(\\d+)[\\s\\S]*?Width: (\\d+)[\\s\\S]*?"
                               "Height: (\\d+)[\\s\\S]*?= (\\d+), (\\d+), (\\d+), (\\d+)"));
  auto n = [&](int i) { return v.empty() ? 0 : std::stoi(v[i]); };
  auto at = [&](int value) { return std::to_string(value / scale) + (value % scale ? "+" : ""); };
  auto side = [&](int value) { return std::to_string((value + scale - 1) / scale); };
  return at(n(1) - n(5)) + "," + at(n(2) - n(7)) + " " + side(n(3) + n(5) + n(6)) + "x" +
         side(n(4) + n(7) + n(8));
}

// Each start shows the frame where and as large as it was saved, and saves
// it so again; also where a pixel of the window is two of the screen, and
// the borders an odd number of the screen's.
TEST_F(RealDesktopTest, AWindowClosedAtAPlaceOpensThereAfterThreeRestarts) {
  for (int scale : {1, 2}) {
    config.Write("selwarth/SELWARTH.INI", "[Selwarth]\nx=100\ny=100\ncx=500\ncy=300\n");
    std::string seen;
    for (int start = 1; start <= 4; ++start) {
      std::string id = Start(std::to_string(scale));
      ASSERT_FALSE(id.empty()) << "no window was shown\n" << program->Output();
      std::string shown = Frame(*session, id, scale);
      EXPECT_EQ(Stop(), 0) << program->Output();
      std::string settings = Settings();
      seen += " " + shown + " " + Value(settings, "x") + "," + Value(settings, "y") + " " +
              Value(settings, "cx") + "x" + Value(settings, "cy") + ";";
    }
    std::string expected;
    for (int start = 1; start <= 4; ++start)
      expected += " 100,100 500x300 100,100 500x300;";
    EXPECT_EQ(seen, expected) << "at a scale of " << scale;
  }
}

// From the keyboard alone: Ctrl+R opens References, Home selects its only
// reference, which Return shows without asking for a choice first.
TEST_F(RealDesktopTest, HomeSelectsTheOnlyReferenceForReturnToShow) {
  std::filesystem::copy_file(std::filesystem::path(testsupport::BuiltProgram("")) / ".." /
                                 "samples" / "LANDS.QXR",
                             folder.Path() / "LANDS.QXR");
  ASSERT_FALSE(Start().empty()) << "no window was shown\n" << program->Output();
  auto shown = [&](const std::string &title) {
    return !session->RunX("xdotool", {"search", "--onlyvisible", "--name", title}).output.empty();
  };
  session->RunX("xdotool", {"key", "ctrl+r"});
  ASSERT_TRUE(testsupport::WaitUntil([&] { return shown("Selwarth Reference"); }))
      << session->Log();
  session->RunX("xdotool", {"key", "Home", "Return"});
  EXPECT_FALSE(testsupport::WaitUntil([&] { return shown("Oops"); }, 3s))
      << "Return asked for a reference to be highlighted";
  EXPECT_EQ(Stop(), 0) << program->Output();
}

// F10 opens the first menu, of menus it brings back and of menus shown.
TEST_F(RealDesktopTest, F10OpensTheFirstMenu) {
  config.Write("selwarth/SELWARTH.INI", "[Selwarth]\nHideMenu=1\n");
  ASSERT_FALSE(Start().empty()) << "no window was shown\n" << program->Output();
  auto windowsShown = [&](long count) { // the main window, and an open menu
    auto shown = [&] {
      return session->RunX("xdotool", {"search", "--onlyvisible", "--class", "selwarth"}).output;
    };
    return testsupport::WaitUntil([&] { return std::ranges::count(shown(), '\n') == count; }, 60s);
  };
  for (const char *menus : {"hidden", "shown"}) {
    session->RunX("xdotool", {"key", "F10"});
    EXPECT_TRUE(windowsShown(2)) << "no menu opened with the menus " << menus;
    session->RunX("xdotool", {"key", "Escape", "Escape"});
    ASSERT_TRUE(windowsShown(1));
  }
  EXPECT_EQ(Stop(), 0) << program->Output();
}

// The date on the menu bar is reached as any menu is, and Return opens the
// Calendar, every time; the Calendar's own key opens it directly.
TEST_F(RealDesktopTest, TheKeyboardOpensTheCalendarFromTheDateAndByItsKey) {
  ASSERT_FALSE(Start().empty()) << "no window was shown\n" << program->Output();
  auto calendar = [&](bool open) {
    return testsupport::WaitUntil(
        [&] {
          return session->RunX("xdotool", {"search", "--onlyvisible", "--name", "^Calendar"})
                     .output.empty() != open;
        },
        60s);
  };
  const std::vector<std::vector<std::string>> ways = {
      {"F10", "Right", "Right", "Right", "Right", "Right", "Return"},
      {"alt+f", "Left", "Return"},
      {"ctrl+l"},
  };
  for (const auto &keys : ways)
    for (int time = 1; time <= 5; ++time) {
      for (const std::string &key : keys)
        session->RunX("xdotool", {"key", key});
      EXPECT_TRUE(calendar(true)) << keys.front() << ": no Calendar at the " << time << ". time";
      session->RunX("xdotool", {"key", "Escape"});
      ASSERT_TRUE(calendar(false)) << "Escape left the Calendar open";
    }
  EXPECT_EQ(Stop(), 0) << program->Output();
}

// The stand-in concordance server that the program starts for a link shows
// the passage beside the program's window, and says nothing in the
// terminal the program was started from.
TEST_F(RealDesktopTest, TheConcordanceWindowOpensBesideTheWindowAndSaysNothing) {
  concordance::PassageLibrary library;
  if (!library.LookUp("KJV", *concordance::ParseReference("John 3:16")))
    GTEST_SKIP() << "no SWORD King James Version module installed";
  std::filesystem::remove(folder.Path() / "VERSE.QXP");
  testsupport::CopySamples(folder.Path());
  testsupport::DdeSandbox dde;
  testsupport::TempDir servers; // the server under the name the program starts
  std::filesystem::create_symlink(testsupport::BuiltProgram("selwarth-concordance"),
                                  servers.Path() / "Logos");
  testsupport::ScopedEnvironment path("PATH", servers.Path().string() + ":" + std::getenv("PATH"));
  config.Write("selwarth/SELWARTH.INI", "[Selwarth]\nx=100\ny=100\ncx=500\ncy=300\n"
                                        "ConcordanceServer=Logos\nConcordanceTranslation=KJV\n");
  std::string id = Start();
  ASSERT_FALSE(id.empty()) << "no window was shown\n" << program->Output();
  session->RunX("xdotool", {"key", "alt+l"});
  std::this_thread::sleep_for(500ms);
  session->RunX("xdotool", {"key", "d"});
  std::string passage;
  testsupport::WaitUntil(
      [&] {
        passage =
            session->RunX("xdotool", {"search", "--onlyvisible", "--name", "Selwarth Concordance$"})
                .output;
        return !passage.empty();
      },
      60s);
  ASSERT_FALSE(passage.empty()) << "no passage window\n" << program->Output();
  passage = passage.substr(0, passage.find('\n'));
  std::this_thread::sleep_for(500ms); // framed and placed
  // Frames as x,y WxH.
  auto frame = [&](const std::string &window) {
    std::smatch v;
    std::string shown = Frame(*session, window, 1);
    std::regex_search(shown, v, std::regex("(\\d+),(\\d+) (\\d+)x(\\d+)"));
    return std::array<int, 4>{std::stoi(v[1]), std::stoi(v[2]), std::stoi(v[3]), std::stoi(v[4])};
  };
  const auto main = frame(id);
  const auto beside = frame(passage);
  EXPECT_GE(beside[0], main[0] + main[2]) << "the passage's window is not right of the program's";
  EXPECT_LE(beside[0] + beside[2], 1280);
  EXPECT_EQ(beside[1], main[1]);
  // The server outlives the program, as a concordance would: it is ended here.
  const std::string server = session->RunX("xdotool", {"getwindowpid", passage}).output;
  EXPECT_EQ(Stop(), 0);
  if (!server.empty())
    kill(std::stoi(server), SIGTERM);
  EXPECT_EQ(program->Output().find("Shown in the window"), std::string::npos) << program->Output();
  EXPECT_EQ(program->Output().find("Serving"), std::string::npos) << program->Output();
}

// A session bus that takes connections and never answers: the window shows
// all the same, the program says it goes on without the bus, and SIGTERM
// ends it with 0.
TEST_F(RealDesktopTest, ASilentSessionBusDoesNotKeepTheWindowFromShowing) {
  const std::string path = config.File("silent-bus");
  int silent = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un where{};
  where.sun_family = AF_UNIX;
  path.copy(where.sun_path, sizeof where.sun_path - 1);
  ASSERT_EQ(bind(silent, reinterpret_cast<sockaddr *>(&where), sizeof where), 0) << path;
  ASSERT_EQ(listen(silent, 16), 0); // connections wait in its queue, unanswered
  busAddress = "unix:path=" + path;
  const std::string id = Start();
  EXPECT_FALSE(id.empty()) << "no window was shown\n" << program->Output();
  EXPECT_EQ(Stop(), 0) << program->Output();
  EXPECT_NE(program->Output().find("the session bus does not answer"), std::string::npos)
      << program->Output();
  close(silent);
}

// A close that comes while a link waits for a server that never answers
// ends the wait: nothing is said of the link, the state is saved and the
// program ends with 0, however the close comes.
TEST_F(RealDesktopTest, ACloseWhileALinkWaitsEndsTheProgramCleanly) {
  testpackage::PackageLayout verse;
  verse.Titles = {"Daily Verse - King James Version"};
  verse.Marker = '-';
  for (int slot = 0; slot < 366; ++slot)
    verse.Entries[slot] = {"For God so loved the world. - John 3:16"};
  folder.Write("VERSE.QXP", testpackage::BuildPackage(verse));
  testsupport::DdeSandbox dde; // the program's DDE folder, and the server's
  const std::string asked = dde.Runtime().File("asked");
  auto server =
      testsupport::StartConcordance("QVWIN", {"--no-answer", "--no-window", "--log", asked});
  ASSERT_NE(server, nullptr);
  for (const testsupport::ProgramClose &close : testsupport::ProgramCloses()) {
    SCOPED_TRACE(close.name);
    config.Write("selwarth/SELWARTH.INI",
                 "[Selwarth]\nConcordanceServer=QVWIN\nConcordanceTranslation=KJV\n");
    std::filesystem::remove(asked);
    const std::string id = Start();
    ASSERT_FALSE(id.empty()) << "no window was shown\n" << program->Output();
    session->RunX("xdotool", {"key", "--delay", "150", "alt+l", "d"});
    ASSERT_TRUE(testsupport::WaitUntil([&] {
      return testsupport::ReadFileBytes(asked).find("[GoTo(") != std::string::npos;
    })) << "the link did not reach the server\n"
        << program->Output();
    close.close(*session, *program, id);
    EXPECT_FALSE(testsupport::ShownUntilEnd(*session, *program, "DDE Error"));
    EXPECT_EQ(program->WaitForExit(60s), 0) << program->Output();
    EXPECT_EQ(program->Output().find("Sanitizer"), std::string::npos) << program->Output();
    EXPECT_NE(Settings().find("LastStartup="), std::string::npos) << Settings();
  }
}

} // namespace
