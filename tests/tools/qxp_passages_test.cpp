// qxp passages as a whole program: the day's passages of the packages in the
// working folder, read in a Bible of the SWORD library (Debian's KJV and
// Reina-Valera where installed, a Bible made here with imp2vs in the user's
// ~/.sword), never one of a mods.d in the working folder.

#include <gtest/gtest.h>

#include <filesystem>

#include "scripture/sword_modules.h"
#include "support/package_bytes.h"
#include "support/run_process.h"
#include "support/sword_module_builder.h"
#include "support/temp_dir.h"

namespace {

using testpackage::BuildPackage;
using testpackage::PackageLayout;

bool HaveSystemBible(const char *name) {
  return FindModule(InstalledBibleModules({"/usr/share/sword/mods.d"}), name) != nullptr;
}

class QxpPassagesTest : public ::testing::Test {
protected:
  void SetUp() override {
    PackageLayout plan;
    plan.Titles = {"Through the Bible in a Year"};
    for (int slot = 0; slot < 366; ++slot)
      plan.Entries[slot] = {"Morning: Genesis 1:1-2 / Evening: Genesis 51"};
    folder.Write("PLAN.QXP", BuildPackage(plan));
    std::filesystem::create_directories(config.Path() / "selwarth");
  }

  testsupport::ProcessResult Passages(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "passages");
    testsupport::ProcessOptions options;
    options.workingDirectory = folder.Path().string();
    options.environment["XDG_CONFIG_HOME"] = config.Path().string();
    options.environment["XDG_DATA_HOME"] = config.Path().string();
    options.environment["HOME"] = home.Path().string();
    options.environment["TZ"] = "UTC";
    return testsupport::RunProcess(testsupport::BuiltProgram("qxp"), arguments, options);
  }

  testsupport::TempDir folder;
  testsupport::TempDir config;
  testsupport::TempDir home;
};

// The passages under their headings, the chapter past the book's end told
// and never another one read in its place; UTF-8 with LF for a terminal,
// code page 1252 with CR LF otherwise, lines wrapped at --width.
TEST_F(QxpPassagesTest, ThePassagesArePrintedInTheChosenBible) {
  if (!HaveSystemBible("engKJV2006eb"))
    GTEST_SKIP() << "sword-text-kjv is not installed";
  testsupport::ProcessResult result = Passages({"--bible", "KJV", "--utf8"});
  EXPECT_EQ(result.exitStatus, 0) << result.errors;
  EXPECT_EQ(result.output,
            "Passages of the Day - KJV\n\n"
            "Morning: Genesis 1:1-2\n"
            "1 In the beginning God created the heaven and the earth.\n"
            "2 And the earth was without form, and void; and darkness was upon the face of the "
            "deep. And the Spirit of God moved upon the face of the waters.\n\n"
            "Evening: Genesis 51\n"
            "Genesis 51 cannot be read as a passage of the Bible.\n");

  result = Passages({"--bible", "engKJV2006eb", "--width", "30"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_TRUE(result.output.starts_with("Passages of the Day - KJV\r\n\r\nMorning: Genesis "
                                        "1:1-2\r\n1 In the beginning God created\r\nthe heaven"))
      << result.output;
  for (std::size_t at = 0, end; (end = result.output.find("\r\n", at)) != std::string::npos;
       at = end + 2)
    EXPECT_LE(end - at, 30u) << result.output.substr(at, end - at);
  EXPECT_EQ(result.output.find("Exodus"), std::string::npos);
}

TEST_F(QxpPassagesTest, BookNamesAreTheBiblesOwnInUtf8OrCodePage1252) {
  if (!HaveSystemBible("spaRV1909eb"))
    GTEST_SKIP() << "sword-text-sparv is not installed";
  testsupport::ProcessResult result = Passages({"--bible", "spaRV1909eb", "--utf8"});
  EXPECT_NE(result.output.find("Morning: G\xC3\xA9nesis 1:1-2\n1 EN el principio cri\xC3\xB3 Dios"),
            std::string::npos)
      << result.output;
  result = Passages({"--bible", "RV1909"});
  EXPECT_NE(result.output.find("Morning: G\xE9nesis 1:1-2\r\n"), std::string::npos)
      << result.output;
}

// The user's own library is read; a mods.d in the working folder is not,
// whatever it holds; a Bible not installed is told with those that are.
TEST_F(QxpPassagesTest, TheBibleComesFromTheLibraryNeverFromTheWorkingFolder) {
  if (!testsupport::HaveSwordTools())
    GTEST_SKIP() << "imp2vs is not installed (libsword-utils)";
  const std::string imp = "$$$Gen 1:1\nFirst words.\n$$$Gen 1:2\nSecond words.\n";
  testsupport::BuildBible(home.Path() / ".sword", "OwnBible", imp, "Abbreviation=OWN\n");
  testsupport::BuildBible(folder.Path(), "DecoyBible", imp, "Abbreviation=DCY\n");

  testsupport::ProcessResult result = Passages({"--bible", "OWN", "--utf8"});
  EXPECT_EQ(result.exitStatus, 0) << result.errors;
  EXPECT_NE(result.output.find("Morning: Genesis 1:1-2\n1 First words.\n2 Second words.\n"),
            std::string::npos)
      << result.output;

  result = Passages({"--bible", "DecoyBible"});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.output, "");
  EXPECT_NE(result.errors.find("qxp passages: no Bible DecoyBible is installed (installed: "),
            std::string::npos)
      << result.errors;
  EXPECT_NE(result.errors.find("OWN"), std::string::npos) << result.errors;
  EXPECT_EQ(result.errors.find("DCY"), std::string::npos) << result.errors;
}

TEST_F(QxpPassagesTest, BadOptionsAreUsageErrors) {
  for (const std::vector<std::string> &arguments :
       std::vector<std::vector<std::string>>{{"--width", "5"},
                                             {"--width", "60x"},
                                             {"--width"},
                                             {"--bible"},
                                             {"--bible", ""},
                                             {"--utf"}}) {
    testsupport::ProcessResult result = Passages(arguments);
    EXPECT_EQ(result.exitStatus, 2) << arguments.front();
    EXPECT_EQ(result.output, "");
    EXPECT_NE(result.errors.find("qxp passages: "), std::string::npos) << result.errors;
  }
}

} // namespace
