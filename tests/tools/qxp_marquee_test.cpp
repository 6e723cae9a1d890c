// qxp marquee as a whole program: the screen saver text stored in CONTROL.INI,
// for a screen saver's text program or a log-in message.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

class QxpMarqueeTest : public ::testing::Test {
protected:
  testsupport::ProcessResult Marquee(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "marquee");
    testsupport::ProcessOptions options;
    options.environment["XDG_CONFIG_HOME"] = config.Path().string();
    return testsupport::RunProcess(testsupport::BuiltProgram("qxp"), arguments, options);
  }

  void StoreControlIni(const std::string &bytes) {
    std::filesystem::create_directories(config.Path() / "selwarth");
    config.Write("selwarth/CONTROL.INI", bytes);
  }

  testsupport::TempDir config;
};

TEST_F(QxpMarqueeTest, PrintsTheStoredTextAsStoredOrAsUtf8) {
  // As other programs may have left the file: other sections first, CR LF
  // line ends, the section and key in another case.
  StoreControlIni("[Screen Saver.Mystify]\r\nText=not this\r\n"
                  "[screen saver.marquee]\r\nFont=Arial\r\nTEXT=Caf\xE9 \x93"
                  "Amen\x94 -Rev 22:21\r\n");
  auto result = Marquee({});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.output, "Caf\xE9 \x93"
                           "Amen\x94 -Rev 22:21\r\n");

  result = Marquee({"--utf8"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.output, "Caf\xC3\xA9 \xE2\x80\x9C"
                           "Amen\xE2\x80\x9D -Rev 22:21\n");
  EXPECT_EQ(result.errors, "");
}

TEST_F(QxpMarqueeTest, WithoutStoredTextItSaysWhereItLooked) {
  auto result = Marquee({"--utf8"});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.output, "");
  EXPECT_NE(result.errors.find(config.File("selwarth/CONTROL.INI")), std::string::npos);

  StoreControlIni("[Screen Saver.Marquee]\nText=\n");
  EXPECT_EQ(Marquee({}).exitStatus, 1);
  // Nothing was written.
  EXPECT_EQ(config.Read("selwarth/CONTROL.INI"), "[Screen Saver.Marquee]\nText=\n");
}

TEST_F(QxpMarqueeTest, AnOutputThatTakesNothingIsAnError) {
  StoreControlIni("[Screen Saver.Marquee]\nText=Amen\n");
  testsupport::ProcessOptions options;
  options.environment["XDG_CONFIG_HOME"] = config.Path().string();
  auto result = testsupport::RunProcess(
      "/bin/sh", {"-c", "exec \"$0\" marquee > /dev/full", testsupport::BuiltProgram("qxp")},
      options);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_NE(result.errors.find("qxp marquee: cannot write the text: No space left on device"),
            std::string::npos)
      << result.errors;
}

TEST_F(QxpMarqueeTest, AnUnknownOptionIsAUsageError) {
  StoreControlIni("[Screen Saver.Marquee]\nText=Amen\n");
  auto result = Marquee({"--utf16"});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.output, "");
}

} // namespace
