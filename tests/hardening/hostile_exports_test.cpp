// The built program in a packages folder whose export names were set up by
// someone else: a symbolic link to one of the user's files, a FIFO no one
// reads. The program writes neither through the link nor into the FIFO,
// leaves both as they are, and still starts and ends on SIGTERM.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/stat.h>

#include "support/background_process.h"
#include "support/package_bytes.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

const std::string Victim = "echo keep me\n";

struct HostileExport {
  const char *name;
  const char *hostile;    // the export the folder's author set up: "pk/..." or "cfg/..."
  const char *writtenToo; // the other export, written once the day is loaded
  std::function<void(const fs::path &place, const fs::path &victim)> make;
};

TEST(HostileExportsTest, AnExportThatIsALinkOrAFifoIsLeftAloneAndTheProgramRuns) {
  const auto link = [](const fs::path &place, const fs::path &victim) {
    fs::create_symlink(victim, place);
  };
  const auto fifo = [](const fs::path &place, const fs::path &) {
    ASSERT_EQ(mkfifo(place.c_str(), 0600), 0);
  };
  const HostileExport rows[] = {
      {"a link to the user's file", "pk/SELWARTH.TXT", "cfg/selwarth/CONTROL.INI", link},
      {"a FIFO no one reads", "pk/SELWARTH.TXT", "cfg/selwarth/CONTROL.INI", fifo},
      {"the screen saver's file a link", "cfg/selwarth/CONTROL.INI", "pk/SELWARTH.TXT", link},
  };
  for (const HostileExport &row : rows) {
    SCOPED_TRACE(row.name);
    testsupport::TempDir home;
    fs::create_directories(home.Path() / "pk");
    fs::create_directories(home.Path() / "cfg/selwarth");
    home.Write("victim", Victim);
    testpackage::PackageLayout verse;
    home.Write("pk/VERSE.QXP", testpackage::BuildPackage(verse));
    home.Write("cfg/selwarth/SELWARTH.INI",
               "[Selwarth]\nSaveFile=1\nScreenSaver=1\nSaverTitle=verse.qxp\n");
    const fs::path hostile = home.Path() / row.hostile;
    row.make(hostile, home.Path() / "victim");
    const fs::file_type type = fs::symlink_status(hostile).type();

    testsupport::ProcessOptions options;
    options.workingDirectory = (home.Path() / "pk").string();
    options.environment["XDG_CONFIG_HOME"] = (home.Path() / "cfg").string();
    options.environment["QT_QPA_PLATFORM"] = "offscreen";
    options.endWithCaller = true;
    testsupport::BackgroundProcess program(testsupport::BuiltProgram("selwarth"), {}, options);
    EXPECT_TRUE(testsupport::WaitUntil(
        [&] { return fs::is_regular_file(fs::symlink_status(home.Path() / row.writtenToo)); },
        std::chrono::seconds(20)))
        << "the day was never loaded";
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitForExit(std::chrono::seconds(20)), 0) << program.Output();
    EXPECT_EQ(home.Read("victim"), Victim);
    EXPECT_EQ(fs::symlink_status(hostile).type(), type);
  }
}

// A settings file of a million tiny sections, just within the size the
// program reads: it costs a few times its size, not hundreds.
TEST(HostileSettingsTest, AMillionTinySectionsCostAFewTimesTheFile) {
  testsupport::TempDir home;
  fs::create_directories(home.Path() / "pk");
  fs::create_directories(home.Path() / "cfg/selwarth");
  testpackage::PackageLayout verse;
  home.Write("pk/VERSE.QXP", testpackage::BuildPackage(verse));
  auto peak = [&] {
    testsupport::ProcessOptions options;
    options.environment["XDG_CONFIG_HOME"] = (home.Path() / "cfg").string();
    auto today =
        testsupport::RunProcess(testsupport::BuiltProgram("qxp"),
                                {"today", "--dir", (home.Path() / "pk").string()}, options);
    EXPECT_EQ(today.exitStatus, 0) << today.errors;
    return today.peakKib;
  };
  const long plain = peak();
  std::string sections = "[Selwarth]\nSaveFile=1\n";
  for (int i = 0; sections.size() < (16u << 20) - 16; ++i)
    sections += "[s" + std::to_string(i) + "]\nk=1\n";
  const std::string path = home.Write("cfg/selwarth/SELWARTH.INI", sections);
  // As a settings file is at start: written some time ago.
  fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(1));
  EXPECT_LT(peak() - plain, 6 * static_cast<long>(sections.size() / 1024));
}

} // namespace
