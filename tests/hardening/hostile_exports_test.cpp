// The built programs on files someone else set up: export names that are a
// link to one of the user's files or a FIFO no one reads, and a settings file
// of a million tiny sections.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/stat.h>

#include "support/background_process.h"
#include "support/package_bytes.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// A packages folder pk/ with one package, settings in cfg/selwarth/.
struct Bundle {
  explicit Bundle(const std::string &settings) {
    fs::create_directories(home.Path() / "pk");
    fs::create_directories(home.Path() / "cfg/selwarth");
    home.Write("pk/VERSE.QXP", testpackage::BuildPackage({}));
    home.Write("cfg/selwarth/SELWARTH.INI", settings);
    options.workingDirectory = (home.Path() / "pk").string();
    options.environment["XDG_CONFIG_HOME"] = (home.Path() / "cfg").string();
    options.environment["QT_QPA_PLATFORM"] = "offscreen";
    options.endWithCaller = true;
  }
  testsupport::TempDir home;
  testsupport::ProcessOptions options;
};

// Nothing is written through the link or into the FIFO, both stay as they
// are, the other export is written and SIGTERM still ends the program.
TEST(HostileExportsTest, AnExportThatIsALinkOrAFifoIsLeftAloneAndTheProgramRuns) {
  if (!fs::exists(testsupport::BuiltProgram("selwarth")))
    GTEST_SKIP() << "the windowed program is built only with Qt";
  const struct {
    const char *hostile, *writtenToo;
    bool fifo;
  } rows[] = {{"pk/SELWARTH.TXT", "cfg/selwarth/CONTROL.INI", false},
              {"pk/SELWARTH.TXT", "cfg/selwarth/CONTROL.INI", true},
              {"cfg/selwarth/CONTROL.INI", "pk/SELWARTH.TXT", false}};
  for (const auto &row : rows) {
    SCOPED_TRACE(std::string(row.hostile) + (row.fifo ? " a FIFO" : " a link"));
    Bundle bundle("[Selwarth]\nSaveFile=1\nScreenSaver=1\nSaverTitle=verse.qxp\n");
    const fs::path hostile = bundle.home.Path() / row.hostile;
    const std::string victim = bundle.home.Write("victim", "echo keep me\n");
    row.fifo ? (void)mkfifo(hostile.c_str(), 0600) : fs::create_symlink(victim, hostile);
    const fs::file_type type = fs::symlink_status(hostile).type();
    testsupport::BackgroundProcess program(testsupport::BuiltProgram("selwarth"), {},
                                           bundle.options);
    EXPECT_TRUE(testsupport::WaitUntil(
        [&] { return fs::is_regular_file(fs::symlink_status(bundle.home.File(row.writtenToo))); },
        std::chrono::seconds(20)));
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitForExit(std::chrono::seconds(60)), 0) << program.Output();
    EXPECT_EQ(bundle.home.Read("victim"), "echo keep me\n");
    EXPECT_EQ(fs::symlink_status(hostile).type(), type);
  }
}

// Just within the size the program reads, it costs a few times its size.
TEST(HostileSettingsTest, AMillionTinySectionsCostAFewTimesTheFile) {
  std::string sections = "[Selwarth]\nSaveFile=1\n";
  for (int i = 0; sections.size() < (16u << 20) - 16; ++i)
    sections += "[s" + std::to_string(i) + "]\nk=1\n";
  Bundle plain(""), big(sections);
  // As a settings file is at start: written some time ago.
  fs::last_write_time(big.home.File("cfg/selwarth/SELWARTH.INI"),
                      fs::file_time_type::clock::now() - std::chrono::hours(1));
  auto peak = [](const Bundle &bundle) {
    testsupport::ProcessOptions options = bundle.options;
    options.measurePeak = true;
    auto today = testsupport::RunProcess(testsupport::BuiltProgram("qxp"), {"today"}, options);
    EXPECT_EQ(today.exitStatus, 0) << today.errors;
    return today.peakKib;
  };
  EXPECT_LT(peak(big) - peak(plain),
            6 * static_cast<long>(sections.size() / 1024) + testsupport::PeakMarginKib());
}

} // namespace
