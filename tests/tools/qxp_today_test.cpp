// qxp today as a whole program: the day's text of the packages in the
// working directory, exactly as SELWARTH.TXT would hold it, touching no file.

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "content/day_selection.h"
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
    // The launcher's data folder, empty unless a test fills it.
    options.environment["XDG_DATA_HOME"] = data.Path().string();
    options.environment["TZ"] = "UTC";
    return testsupport::RunProcess(testsupport::BuiltProgram("qxp"), arguments, options);
  }

  testsupport::TempDir folder;
  testsupport::TempDir config;
  testsupport::TempDir data;
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
  // A folder given by name is named.
  result = Today({"--dir", "."});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_NE(result.errors.find("qxp today: no packages in .\n"), std::string::npos)
      << result.errors;
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
  EXPECT_EQ(Today({"--width", "5"}).exitStatus, 2);
  EXPECT_EQ(Today({"--width", "60x"}).exitStatus, 2);
  EXPECT_EQ(Today({"--dir"}).exitStatus, 2);
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

  // Printed as stored to a terminal (script gives it one), the bytes a
  // terminal takes as C1 controls (0x9B begins a sequence) are escaped.
  PackageLayout hostile;
  hostile.Entries[0] = {"Erase\x9B"
                        "2Jall"};
  folder.Write("VERSE.QXP", BuildPackage(hostile));
  testsupport::ProcessOptions options;
  options.workingDirectory = folder.Path().string();
  options.environment["XDG_CONFIG_HOME"] = config.Path().string();
  options.environment["TZ"] = "UTC";
  options.timeoutMs = 60'000;
  result = testsupport::RunProcess(
      "/usr/bin/script",
      {"-qec", testsupport::BuiltProgram("qxp") + " today --method increment --offset 0",
       "/dev/null"},
      options);
  EXPECT_EQ(result.exitStatus, 0) << result.errors;
  EXPECT_NE(result.output.find("Erase{x9B}2Jall"), std::string::npos) << result.output;
  EXPECT_EQ(result.output.find('\x9B'), std::string::npos);
}

// A UTF-8 package prints whole in UTF-8, wrapped by a terminal's columns
// (a Chinese character takes two); the code page 1252 of plain qxp today has
// Windows' best fit or '?' for what it lacks.
TEST_F(QxpTodayTest, EveryScriptPrintsInUtf8AndPlainTextHasItsBestFit) {
  PackageLayout scripts;
  scripts.Type = 8;
  scripts.Titles = {"Κατὰ Ἰωάννην"};
  scripts.Marker = '-';
  for (int slot = 0; slot < 366; ++slot)
    scripts.Entries[slot] = {"Ἐν ἀρχῇ ἦν ὁ λόγος. В начале было Слово. 太初有道，道与神同在。"
                             "בְּרֵאשִׁית בָּרָא -Ἰω 1:1"};
  folder.Write("VERSE.QXP", BuildPackage(scripts));
  auto result = Today({"--utf8", "--width", "12"});
  EXPECT_EQ(result.exitStatus, 0) << result.errors;
  EXPECT_EQ(result.output, "Κατὰ Ἰωάννην\n"
                           "Ἐν ἀρχῇ ἦν ὁ\n"
                           "λόγος. В\n"
                           "начале было\n"
                           "Слово.\n"
                           "太初有道，道\n"
                           "与神同在。בְּרֵ\n"
                           "אשִׁית בָּרָא  -\n"
                           "Ἰω 1:1\n");
  result = Today({});
  // The fullwidth comma's best fit is the comma; every point of the Hebrew
  // is a character of its own.
  EXPECT_EQ(result.output, "?at? ???????\r\n"
                           "?? ???? ?? ? ?????. ? ?????? ???? ?????. ????,??????"
                           "??????????? ??????  - ?? 1:1\r\n");
}

} // namespace

namespace {

// A proverb of 200 characters, as long lines of the sample packages are.
std::string LongVerse() {
  std::string verse;
  while (verse.size() < 200)
    verse += "Trust in the Lord with all thine heart; ";
  return verse + "and lean not. -Proverbs 3:5";
}

TEST_F(QxpTodayTest, OutsideAPackageFolderTheLaunchersDataFolderIsRead) {
  std::filesystem::remove(folder.Path() / "VERSE.QXP");
  PackageLayout verse;
  verse.Titles = {"Daily Verse"};
  verse.Marker = '-';
  for (int slot = 0; slot < 366; ++slot)
    verse.Entries[slot] = {LongVerse()};
  std::filesystem::create_directories(data.Path() / "selwarth");
  data.Write("selwarth/VERSE.QXP", BuildPackage(verse));

  auto whole = Today({});
  EXPECT_EQ(whole.exitStatus, 0) << whole.errors;
  EXPECT_EQ(whole.output.rfind("Daily Verse\r\nTrust in the Lord", 0), 0u) << whole.output;

  auto wrapped = Today({"--width", "60"});
  EXPECT_EQ(wrapped.exitStatus, 0) << wrapped.errors;
  std::string rejoined;
  std::size_t lines = 0;
  for (std::size_t start = 0; start < wrapped.output.size();) {
    std::size_t end = wrapped.output.find("\r\n", start);
    ASSERT_NE(end, std::string::npos);
    EXPECT_LE(end - start, 60u);
    rejoined += wrapped.output.substr(start, end - start) + (lines == 0 ? "\r\n" : " ");
    start = end + 2;
    ++lines;
  }
  EXPECT_GE(lines, 5u);
  // Only spaces were turned into line ends: the words are all there.
  auto words = [](std::string text) {
    std::string squeezed;
    for (char c : text)
      if (c != ' ' && c != '\r' && c != '\n')
        squeezed += c;
    return squeezed;
  };
  EXPECT_EQ(words(rejoined), words(whole.output));

  // A package in the working folder wins; --dir names another folder.
  folder.Write("HERE.QXP", BuildPackage(PackageLayout{}));
  EXPECT_EQ(Today({"--method", "increment"}).output, "Verse\r\nDay 0\r\n");
  auto named = Today({"--dir", (data.Path() / "selwarth").string(), "--width", "60"});
  EXPECT_EQ(named.output, wrapped.output);
  auto missing = Today({"--dir", (data.Path() / "nowhere").string()});
  EXPECT_EQ(missing.exitStatus, 1);
  EXPECT_NE(missing.errors.find("cannot use the folder"), std::string::npos) << missing.errors;
}

TEST_F(QxpTodayTest, QuizAnswersCanBeLeftOut) {
  PackageLayout quiz;
  quiz.Titles = {"Daily Bible Quiz"};
  quiz.Marker = '\\';
  for (int slot = 0; slot < 366; ++slot)
    quiz.Entries[slot] = {"Who built the ark? \\Noah"};
  folder.Write("QUIZ.QXP", BuildPackage(quiz));

  auto withAnswers = Today({});
  EXPECT_NE(withAnswers.output.find("Noah"), std::string::npos) << withAnswers.output;
  auto without = Today({"--no-answers"});
  EXPECT_EQ(without.exitStatus, 0);
  EXPECT_EQ(without.output.find("Noah"), std::string::npos) << without.output;
  EXPECT_NE(without.output.find("Daily Bible Quiz\r\nWho built the ark? \r\n"), std::string::npos)
      << without.output;
  // Other trailers stay.
  EXPECT_NE(without.output.find("- Ref"), std::string::npos) << without.output;
}

TEST_F(QxpTodayTest, PrintsAReadingPlansProgressWhenAsked) {
  PackageLayout plan;
  plan.Titles = {"Through the Bible in a Year"};
  for (int slot = 0; slot < 366; ++slot)
    plan.Entries[slot] = {"Reading " + std::to_string(slot + 1)};
  folder.Write("PLAN.QXP", BuildPackage(plan));
  // The plan started so that today is its day 28, with days 1 to 24 read.
  const std::time_t now = std::time(nullptr);
  const std::tm today = *std::gmtime(&now);
  const int start = (DateSlot(today.tm_year + 1900, today.tm_yday, 0) - 27 + 365) % 365;
  const std::string settings =
      "[Selwarth]\nPlanOffset=" + std::to_string(start) + "\n[Plan Progress]\nplan=1-24\n";
  const std::string entry = "Through the Bible in a Year\r\nReading 28\r\n";
  const auto plain = Today({}, settings);
  EXPECT_NE(plain.output.find(entry), std::string::npos) << plain.output;
  EXPECT_EQ(plain.output.find("Day 28 of"), std::string::npos) << plain.output;
  const auto result = Today({"--progress"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_NE(result.output.find(entry + "Day 28 of 365 \xB7 24 read \xB7 3 behind\r\n"),
            std::string::npos)
      << result.output;
}

} // namespace
