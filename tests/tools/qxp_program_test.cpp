// The qxp program as a user runs it: arguments, messages, exit codes and
// files.

#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "qxp_helpers.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using testsupport::BuiltProgram;
using testsupport::ProcessResult;
using testsupport::RunProcess;

namespace {

class QxpProgram : public ::testing::Test {
protected:
  ProcessResult Qxp(const std::vector<std::string> &arguments) {
    return RunProcess(BuiltProgram("qxp"), arguments, {dir_.Path().string(), {}, ""});
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir_.Path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  testsupport::TempDir dir_;
};

const std::string Good =
    std::string(qxptest::VerseHeader) + "[Jan 1]\nIn the beginning\n-Gen 1:1\n";

TEST_F(QxpProgram, UsageAndExitCodes) {
  auto help = Qxp({"--help"});
  EXPECT_EQ(help.exitStatus, 0);
  EXPECT_THAT(help.output, StartsWith("Usage: qxp COMMAND"));
  auto bare = Qxp({});
  EXPECT_EQ(bare.exitStatus, 2);
  EXPECT_THAT(bare.errors, StartsWith("Usage: qxp COMMAND"));
  auto version = Qxp({"--version"});
  EXPECT_EQ(version.exitStatus, 0);
  EXPECT_THAT(version.output, ::testing::MatchesRegex("qxp [0-9]+\\.[0-9]+\n"));
  EXPECT_THAT(help.output, HasSubstr("/share/doc/selwarth/package-source.md"));
  auto unknown = Qxp({"compile", "x"});
  EXPECT_EQ(unknown.exitStatus, 2);
  EXPECT_THAT(unknown.errors, StartsWith("qxp: unknown command 'compile'\n\nUsage:"));
  EXPECT_TRUE(unknown.output.empty());
  EXPECT_EQ(Qxp({"build", "a.qxs"}).exitStatus, 2);
  EXPECT_EQ(Qxp({"build", "a.qxs", "-o"}).exitStatus, 2);
  EXPECT_EQ(Qxp({"check"}).exitStatus, 2);
  EXPECT_EQ(Qxp({"dump", "a", "b"}).exitStatus, 2);
}

TEST_F(QxpProgram, AnOutputThatTakesNothingIsAnError) {
  dir_.Write("a.qxs", Good);
  ASSERT_EQ(Qxp({"build", "a.qxs", "-o", "A.QXP"}).exitStatus, 0);
  for (const char *command : {"--help", "check A.QXP", "dump A.QXP"}) {
    auto result =
        RunProcess("/bin/sh", {"-c", "exec \"$0\" $1 > /dev/full", BuiltProgram("qxp"), command},
                   {dir_.Path().string(), {}, ""});
    EXPECT_EQ(result.exitStatus, 1) << command;
    EXPECT_THAT(result.errors, HasSubstr("No space left on device")) << command;
  }
}

TEST_F(QxpProgram, BuildCheckDump) {
  dir_.Write("good.qxs", Good);
  auto build = Qxp({"build", "good.qxs", "-o", "GOOD.QXP"});
  EXPECT_EQ(build.exitStatus, 0) << build.errors;
  EXPECT_EQ(build.output + build.errors, "");
  auto check = Qxp({"check", "GOOD.QXP"});
  EXPECT_EQ(check.exitStatus, 0);
  EXPECT_EQ(check.output, "GOOD.QXP: warning: slot 365 (Feb 29): no entry, so the package shows "
                          "nothing on leap days\n"
                          "GOOD.QXP: sound, 1 entry, 1 warning\n");
  // Authors who want warnings to fail ask for it.
  auto strict = Qxp({"check", "--strict", "GOOD.QXP"});
  EXPECT_EQ(strict.exitStatus, 1);
  EXPECT_EQ(strict.output, check.output);
  dir_.Write("leap.qxs", Good + "[Feb 29]\nLeap\n");
  ASSERT_EQ(Qxp({"build", "leap.qxs", "-o", "LEAP.QXP"}).exitStatus, 0);
  auto leap = Qxp({"check", "--strict", "LEAP.QXP"});
  EXPECT_EQ(leap.exitStatus, 0);
  EXPECT_EQ(leap.output, "LEAP.QXP: sound, 2 entries\n");
  auto dump = Qxp({"dump", "GOOD.QXP"});
  EXPECT_EQ(dump.exitStatus, 0);
  dir_.Write("again.qxs", dump.output);
  EXPECT_EQ(Qxp({"-o", "AGAIN.QXP", "build", "again.qxs"}).exitStatus, 2); // command first
  EXPECT_EQ(Qxp({"build", "-o", "AGAIN.QXP", "again.qxs"}).exitStatus, 0);
  EXPECT_EQ(dir_.Read("AGAIN.QXP"), dir_.Read("GOOD.QXP"));
}

TEST_F(QxpProgram, ABadSourceLeavesTheOldOutputAlone) {
  dir_.Write("OUT.QXP", "old package");
  dir_.Write("bad.qxs", std::string(qxptest::VerseHeader) + "[Jan 1]\nok\n[Jan 2]\n\xE4\xB8\xAD\n");
  auto build = Qxp({"build", "bad.qxs", "-o", "OUT.QXP"});
  EXPECT_EQ(build.exitStatus, 1);
  EXPECT_EQ(build.errors, "bad.qxs:7: slot 1 (Jan 2): U+4E2D '\xE4\xB8\xAD' is not in code "
                          "page 1252\nqxp: OUT.QXP not written\n");
  EXPECT_EQ(dir_.Read("OUT.QXP"), "old package");
  EXPECT_THAT(Names(), ElementsAre("OUT.QXP", "bad.qxs"));
}

// A package of the data folder is never lost to a build that names it by
// mistake: only --force replaces it.
TEST_F(QxpProgram, BuildReplacesAnExistingPackageOnlyWhenForced) {
  dir_.Write("OUT.QXP", "old package");
  dir_.Write("good.qxs", Good);
  auto refused = Qxp({"build", "good.qxs", "-o", "OUT.QXP"});
  EXPECT_EQ(refused.exitStatus, 1);
  EXPECT_EQ(refused.errors, "qxp: 'OUT.QXP' exists; qxp build replaces a file only with --force\n");
  EXPECT_EQ(dir_.Read("OUT.QXP"), "old package");
  EXPECT_THAT(Names(), ElementsAre("OUT.QXP", "good.qxs"));
  ASSERT_EQ(Qxp({"build", "--force", "good.qxs", "-o", "OUT.QXP"}).exitStatus, 0);
  EXPECT_EQ(Qxp({"check", "OUT.QXP"}).exitStatus, 0);
}

TEST_F(QxpProgram, FileErrorsAreClear) {
  auto missing = Qxp({"build", "none.qxs", "-o", "X.QXP"});
  EXPECT_EQ(missing.exitStatus, 1);
  EXPECT_EQ(missing.errors, "qxp: cannot open 'none.qxs': No such file or directory\n");
  dir_.Write("good.qxs", Good);
  auto unwritable = Qxp({"build", "good.qxs", "-o", "no/such/dir/X.QXP"});
  EXPECT_EQ(unwritable.exitStatus, 1);
  EXPECT_THAT(unwritable.errors, StartsWith("qxp: cannot write into the folder of "
                                            "'no/such/dir/X.QXP': No such file or directory"));
  auto check = Qxp({"check", "none.QXP"});
  EXPECT_EQ(check.exitStatus, 1);
  EXPECT_EQ(check.errors, "qxp: cannot open 'none.QXP': No such file or directory\n");
  EXPECT_THAT(Names(), ElementsAre("good.qxs"));
}

TEST_F(QxpProgram, DamagedPackagesAreNamedAndNotDumped) {
  dir_.Write("good.qxs", Good);
  ASSERT_EQ(Qxp({"build", "good.qxs", "-o", "GOOD.QXP"}).exitStatus, 0);
  std::string bytes = dir_.Read("GOOD.QXP");
  bytes[0] = 3;
  bytes[4] = 50;
  dir_.Write("BAD.QXP", bytes);
  auto check = Qxp({"check", "BAD.QXP"});
  EXPECT_EQ(check.exitStatus, 1);
  EXPECT_EQ(check.output,
            "BAD.QXP: PackageType: 3 is not one of 0, 1, 2, 10, 11, 12, 20, 21, 22, 30, 31, 32\n"
            "BAD.QXP: Titles[0] (title 1): length 50 is above 40\n"
            "BAD.QXP: damaged, 2 faults\n");
  auto dump = Qxp({"dump", "BAD.QXP"});
  EXPECT_EQ(dump.exitStatus, 1);
  EXPECT_EQ(dump.output, "");
  EXPECT_THAT(dump.errors, HasSubstr("qxp: BAD.QXP is damaged; nothing dumped\n"));
}

TEST_F(QxpProgram, CheckSaysWhetherAPictureCanBeShownAndHowToWriteIt) {
  const std::string lands = testsupport::SourceTree() + "/packages/pictures/LANDS.QXR";
  dir_.Write("LANDS.QXR", testsupport::ReadFileBytes(lands));
  auto good = Qxp({"check", "LANDS.QXR"});
  EXPECT_EQ(good.exitStatus, 0);
  EXPECT_THAT(good.output, StartsWith("LANDS.QXR: a picture of "));
  EXPECT_THAT(good.output, HasSubstr(" pixels; the References dialog shows it\n"));

  // A run-length encoded picture: the reader refuses it.
  std::string rle = testsupport::ReadFileBytes(lands);
  rle[30] = 1;
  dir_.Write("rle.qxr", rle);
  auto bad = Qxp({"check", "rle.qxr"});
  EXPECT_EQ(bad.exitStatus, 1);
  EXPECT_EQ(bad.output,
            "rle.qxr: cannot be shown: the pixels are compressed, or laid out by colour masks "
            "other than blue, green, red\n"
            "rle.qxr: write it as a Windows BMP without compression (1, 4, 8, 24 or 32 bits, at "
            "most 10000 pixels a side), for example with ImageMagick:\n"
            "  convert PICTURE -compress none BMP3:rle.qxr\n");
}

} // namespace
