// qxp today with daily devotionals in the user's SWORD library (~/.sword,
// modules built with imp2ld): the day's entry of each after the packages,
// and for modules whose files are damaged or hostile a line on standard
// error that names the module, the rest of the day printed, no hang and no
// memory beyond what is shown.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>

#include "content/calendar_facts.h"
#include "scripture/devotional_reader.h"
#include "support/module_damage.h"
#include "support/package_bytes.h"
#include "support/run_process.h"
#include "support/sword_module_builder.h"
#include "support/temp_dir.h"

namespace {

using testpackage::BuildPackage;
using testpackage::PackageLayout;

constexpr int Bound = 60 * 1000; // a hang fails the test, not the run

// Today's key as qxp, run in UTC, takes it.
std::string TodayKey() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  gmtime_r(&now, &parts);
  return DevotionalKey(parts.tm_mon + 1, parts.tm_mday);
}

// Every day of a leap year, each with its own words.
std::string EveryDay(const std::string &words) {
  std::string imp;
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= DaysInMonth(month, 2024); ++day)
      imp += "$$$" + DevotionalKey(month, day) + "\n<p>" + words + " " + DevotionalKey(month, day) +
             ".</p><p>Second paragraph.</p>\n";
  return imp;
}

class QxpDevotionalsTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!testsupport::HaveSwordTools())
      GTEST_SKIP() << "imp2ld is not installed (libsword-utils)";
    PackageLayout verse;
    verse.Titles = {"Daily Verse"};
    for (int slot = 0; slot < 366; ++slot)
      verse.Entries[slot] = {"Verse of the day."};
    folder.Write("VERSE.QXP", BuildPackage(verse));
    std::filesystem::create_directories(config.Path() / "selwarth");
  }

  testsupport::BuiltModule AddDevotional(const std::string &name, const std::string &words) {
    return testsupport::BuildDictionary(Library(), name, EveryDay(words),
                                        "Description=" + name +
                                            " for every day\nSourceType=ThML\nEncoding=UTF-8\n"
                                            "Feature=DailyDevotion\n");
  }
  std::filesystem::path Library() const { return home.Path() / ".sword"; }

  testsupport::ProcessResult Today(bool measurePeak = false) {
    testsupport::ProcessOptions options;
    options.workingDirectory = folder.Path().string();
    options.environment["XDG_CONFIG_HOME"] = config.Path().string();
    options.environment["XDG_DATA_HOME"] = config.Path().string();
    options.environment["HOME"] = home.Path().string();
    options.environment["TZ"] = "UTC";
    options.timeoutMs = Bound;
    options.measurePeak = measurePeak;
    return testsupport::RunProcess(testsupport::BuiltProgram("qxp"), {"today", "--utf8"}, options);
  }

  testsupport::TempDir folder;
  testsupport::TempDir config;
  testsupport::TempDir home;
};

TEST_F(QxpDevotionalsTest, EachDevotionalPrintsTheDaysEntryAfterThePackages) {
  AddDevotional("Morning", "Morning words for");
  AddDevotional("Evening", "Evening words for");
  testsupport::ProcessResult result = Today();
  EXPECT_EQ(result.exitStatus, 0) << result.errors;
  EXPECT_EQ(result.errors, "");
  const std::string key = TodayKey();
  EXPECT_EQ(result.output, "Daily Verse\nVerse of the day.\n"
                           "Evening for every day\nEvening words for " +
                               key +
                               ". Second paragraph.\n"
                               "Morning for every day\nMorning words for " +
                               key + ". Second paragraph.\n");
}

struct Damage {
  const char *what;
  std::function<void(const testsupport::BuiltModule &, const std::filesystem::path &library,
                     const std::filesystem::path &scratch)>
      apply;
  bool named; // the module is named on standard error (a junk conf is no module)
};

// Modules as a download or a damaged disk may leave them, each fault the
// whole program meets beyond the reader's own (its every refusal is the
// reader's test's): no hang on a FIFO, no memory for what an index claims,
// a conf that is no module's. The day shows the package and says which
// module it could not read.
TEST_F(QxpDevotionalsTest, AHostileModuleIsNamedAndTheRestOfTheDayPrinted) {
  const auto idx = [](const testsupport::BuiltModule &m) { return m.dataPath.string() + ".idx"; };
  const auto dat = [](const testsupport::BuiltModule &m) { return m.dataPath.string() + ".dat"; };
  const Damage damages[] = {
      {"an index whose every entry claims gigabytes",
       [&](auto &m, auto &, auto &) {
         const auto size = std::filesystem::file_size(idx(m));
         for (std::size_t at = 4; at + 4 <= size; at += 8)
           testsupport::OverwriteBytes(idx(m), at, testsupport::Little32(0xFFFFFFF0));
       },
       true},
      {"a FIFO as its text",
       [&](auto &m, auto &, auto &) {
         std::filesystem::remove(dat(m));
         ASSERT_EQ(::mkfifo(dat(m).c_str(), 0600), 0);
       },
       true},
      {"a link to a FIFO as its index",
       [&](auto &m, auto &, auto &scratch) {
         ASSERT_EQ(::mkfifo((scratch / "fifo").c_str(), 0600), 0);
         std::filesystem::remove(idx(m));
         std::filesystem::create_symlink(scratch / "fifo", idx(m));
       },
       true},
      {"a DataPath that leaves the library",
       [&](auto &, auto &library, auto &) {
         testsupport::ReplaceDataPath(library / "mods.d" / "Broken.conf", "../../../../etc/passwd");
       },
       true},
      {"a conf of binary junk",
       [&](auto &, auto &library, auto &) {
         std::string junk;
         for (int i = 0; i < 4096; ++i)
           junk += static_cast<char>((i * 7919) % 256);
         std::ofstream(library / "mods.d" / "Broken.conf", std::ios::binary) << junk;
       },
       false},
  };
  // What qxp takes for a sound module of the same days: the bound's base.
  AddDevotional("Broken", "Broken words for");
  const long soundPeak = Today(true).peakKib;
  for (const Damage &damage : damages) {
    SCOPED_TRACE(damage.what);
    std::filesystem::remove_all(Library());
    testsupport::TempDir scratch;
    const testsupport::BuiltModule module = AddDevotional("Broken", "Broken words for");
    damage.apply(module, Library(), scratch.Path());
    testsupport::ProcessResult result = Today(true);
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitStatus, 0) << result.errors;
    EXPECT_EQ(result.output, "Daily Verse\nVerse of the day.\n");
    if (damage.named)
      EXPECT_TRUE(result.errors.starts_with("qxp today: ") &&
                  result.errors.find("Broken") != std::string::npos)
          << result.errors;
    else
      EXPECT_EQ(result.errors, "");
    // Nothing near the gigabytes an index may claim: at most the largest
    // entry the reader takes, and its text, beyond a sound module's peak.
    EXPECT_LT(result.peakKib, soundPeak + 4 * 1024 + testsupport::PeakMarginKib());
  }
}

} // namespace
