// qxp today as a whole program: the day's text of the packages in the
// working directory, exactly as SELWARTH.TXT would hold it, touching no file.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/package_bytes.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

using testpackage::BuildPackage;
using testpackage::PackageLayout;

class QxpTodayTest : public ::testing::Test {
protected:
  void SetUp() override {
    PackageLayout verse;
    verse.Titles = {"Daily Verse"};
    verse.Marker = '-';
    for (int slot = 0; slot < 366; ++slot)
      verse.Entries[slot] = {"Verse of slot " + std::to_string(slot) + ". -Ref " +
                             std::to_string(slot)};
    folder.Write("VERSE.QXP", BuildPackage(verse));
    std::filesystem::create_directories(config.Path() / "selwarth");
  }

  testsupport::ProcessResult Today(std::vector<std::string> arguments,
                                   const std::string &settings = "") {
    if (!settings.empty())
      config.Write("selwarth/SELWARTH.INI", settings);
    arguments.insert(arguments.begin(), "today");
    testsupport::ProcessOptions options;
    options.workingDirectory = folder.Path().string();
    options.environment["XDG_CONFIG_HOME"] = config.Path().string();
    options.environment["TZ"] = "UTC";
    return testsupport::RunProcess(testsupport::BuiltProgram("qxp"), arguments, options);
  }

  testsupport::TempDir folder;
  testsupport::TempDir config;
};

TEST_F(QxpTodayTest, PrintsTheStepsOfTheIncrementMethodWithoutAdvancingIt) {
  std::string settings = "[Selwarth]\nQuoteMethod=Increment\nIncrementNum=41\n";
  auto result = Today({}, settings);
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.output, "Daily Verse\r\nVerse of slot 41.  - Ref 41\r\n");
  EXPECT_EQ(config.Read("selwarth/SELWARTH.INI"), settings); // not advanced

  result = Today({"--offset", "-42"});
  EXPECT_EQ(result.output, "Daily Verse\r\nVerse of slot 365.  - Ref 365\r\n");
  EXPECT_FALSE(folder.Exists("SELWARTH.TXT"));
}

TEST_F(QxpTodayTest, TheMethodCanBeChosenOnTheCommandLine) {
  auto result = Today({"--method", "increment", "--offset", "+2"});
  EXPECT_EQ(result.output, "Daily Verse\r\nVerse of slot 2.  - Ref 2\r\n");
  result = Today({"--method", "random"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.output.rfind("Daily Verse\r\nVerse of slot ", 0), 0u);
  // Nothing of the settings file was made.
  EXPECT_FALSE(config.Exists("selwarth/SELWARTH.INI"));
  EXPECT_FALSE(config.Exists("selwarth/CONTROL.INI"));
}

TEST_F(QxpTodayTest, AFolderWithoutPackagesSaysSo) {
  std::filesystem::remove(folder.Path() / "VERSE.QXP");
  auto result = Today({});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.output, "");
  EXPECT_NE(result.errors.find("No package files were found in the current directory."),
            std::string::npos);
}

TEST_F(QxpTodayTest, AnOutputThatTakesNothingIsAnError) {
  testsupport::ProcessOptions options;
  options.workingDirectory = folder.Path().string();
  options.environment["XDG_CONFIG_HOME"] = config.Path().string();
  auto result = testsupport::RunProcess(
      "/bin/sh", {"-c", "exec \"$0\" today > /dev/full", testsupport::BuiltProgram("qxp")},
      options);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_NE(result.errors.find("qxp today: cannot write the text: No space left on device"),
            std::string::npos)
      << result.errors;
}

TEST_F(QxpTodayTest, BadOptionsAreUsageErrors) {
  EXPECT_EQ(Today({"--method", "daily"}).exitStatus, 2);
  EXPECT_EQ(Today({"--offset", "x"}).exitStatus, 2);
  EXPECT_EQ(Today({"--offset", "9999"}).exitStatus, 2);
  EXPECT_EQ(Today({"--offset"}).exitStatus, 2);
}

} // namespace

namespace {

TEST_F(QxpTodayTest, ForATerminalTheTextIsUtf8WithPlainLineEnds) {
  PackageLayout spanish;
  spanish.Type = 1; // code page 437: 0xA1 is í
  spanish.Titles = {"Vers\xED"
                    "culo"}; // titles are stored in code page 1252
  spanish.Entries[0] = {"Vers\xA1"
                        "culo"};
  for (int slot = 1; slot < 366; ++slot)
    spanish.Entries[slot] = spanish.Entries[0];
  folder.Write("VERSE.QXP", BuildPackage(spanish));
  auto result = Today({"--utf8"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.output, "Vers\xC3\xAD"
                           "culo\nVers\xC3\xAD"
                           "culo\n");
}

} // namespace
