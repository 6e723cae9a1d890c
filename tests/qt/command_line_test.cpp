// The windowed program on the command line: --help and --version answer
// without a window, and a start without any display says so in one line
// instead of aborting.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

// A terminal with no display at all: the platform is Qt's default.
testsupport::ProcessOptions NoDisplay(const testsupport::TempDir &folder) {
  testsupport::ProcessOptions options;
  options.workingDirectory = folder.Path().string();
  for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
    options.environment[name] = "";
  options.environment["XDG_CONFIG_HOME"] = (folder.Path() / "config").string();
  return options;
}

TEST(CommandLineTest, HelpAndVersionAnswerWithoutADisplay) {
  testsupport::TempDir folder;
  const auto options = NoDisplay(folder);
  auto version =
      testsupport::RunProcess(testsupport::BuiltProgram("selwarth"), {"--version"}, options);
  EXPECT_EQ(version.exitStatus, 0) << version.errors;
  EXPECT_EQ(version.output, "selwarth 2.20\n");

  auto help = testsupport::RunProcess(testsupport::BuiltProgram("selwarth"), {"--help"}, options);
  EXPECT_EQ(help.exitStatus, 0) << help.errors;
  EXPECT_EQ(help.output.rfind("Usage: selwarth", 0), 0u);
  EXPECT_NE(help.output.find("--autostart"), std::string::npos);
  EXPECT_EQ(help.errors, "");
  // Nothing was started: no settings were written.
  EXPECT_FALSE(folder.Exists("config"));

  // In the desktop's language, still without a display.
  auto german = options;
  german.environment["LANGUAGE"] = "de";
  help = testsupport::RunProcess(testsupport::BuiltProgram("selwarth"), {"--help"}, german);
  EXPECT_EQ(help.output.rfind("Aufruf: selwarth", 0), 0u) << help.output << help.errors;

  // The launchers have the program say their messages, so they are in the
  // language too, and English as written without a catalog.
  const std::vector<std::string> say = {"--say", "cannot use the data folder %1", "/nowhere"};
  auto said = testsupport::RunProcess(testsupport::BuiltProgram("selwarth"), say, german);
  EXPECT_EQ(said.output, "der Datenordner /nowhere kann nicht verwendet werden\n") << said.errors;
  said = testsupport::RunProcess(testsupport::BuiltProgram("selwarth"), say, options);
  EXPECT_EQ(said.output, "cannot use the data folder /nowhere\n") << said.errors;
}

TEST(CommandLineTest, WithoutADisplayTheStartEndsWithOneLine) {
  testsupport::TempDir folder;
  auto result =
      testsupport::RunProcess(testsupport::BuiltProgram("selwarth"), {}, NoDisplay(folder));
  EXPECT_EQ(result.exitStatus, 1) << result.errors;
  EXPECT_EQ(std::count(result.errors.begin(), result.errors.end(), '\n'), 1) << result.errors;
  EXPECT_EQ(result.errors.rfind("selwarth: cannot open a window", 0), 0u) << result.errors;
  // In the desktop's language, before the toolkit is started.
  auto german = NoDisplay(folder);
  german.environment["LANGUAGE"] = "de";
  result = testsupport::RunProcess(testsupport::BuiltProgram("selwarth"), {}, german);
  EXPECT_EQ(result.errors.rfind("selwarth: Es kann kein Fenster", 0), 0u) << result.errors;
}

// The toolkit takes its own options; any word left is an error, said
// before anything is started.
TEST(CommandLineTest, AnUnknownOptionIsAUsageError) {
  testsupport::TempDir folder;
  auto options = NoDisplay(folder);
  options.environment["QT_QPA_PLATFORM"] = "offscreen";
  const std::string program = testsupport::BuiltProgram("selwarth");
  auto qtOptions = testsupport::RunProcess(
      program, {"--check-display", "-style", "Fusion", "-reverse"}, options);
  EXPECT_EQ(qtOptions.exitStatus, 0) << qtOptions.errors;
  for (const char *word : {"--bogus", "VERSE.QXP"}) {
    auto bogus = testsupport::RunProcess(program, {word}, options);
    EXPECT_EQ(bogus.exitStatus, 2) << word;
    EXPECT_THAT(bogus.errors,
                ::testing::EndsWith("selwarth: unrecognized argument '" + std::string(word) +
                                    "'\nTry 'selwarth --help' for the options.\n"));
  }
  // In the desktop's language, as UTF-8.
  options.environment["LANGUAGE"] = "de";
  auto german = testsupport::RunProcess(program, {"--b\xC3\xB6gus"}, options);
  EXPECT_THAT(german.errors,
              ::testing::EndsWith("selwarth: unbekanntes Argument \xE2\x80\x9E--b\xC3\xB6gus"
                                  "\xE2\x80\x9C\n\xE2\x80\x9E"
                                  "selwarth --help\xE2\x80\x9C "
                                  "zeigt die m\xC3\xB6glichen Optionen.\n"));
  EXPECT_FALSE(folder.Exists("config"));
}

} // namespace
