// A package made to exhaust memory: one entry of a few megabytes of empty
// pieces. Reading it must cost about what the text it shows costs.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/package_bytes.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

using testpackage::BuildPackage;
using testpackage::PackageLayout;

// A package whose slot 0 holds "Hello", emptyPieces empty pieces and "-Ref".
std::string HostilePackage(std::size_t emptyPieces) {
  PackageLayout layout;
  layout.Marker = '-';
  layout.Entries[0] = {"Hello", "-Ref"};
  std::string bytes = BuildPackage(layout);
  const std::uint32_t slot0 = testpackage::GetOffset(bytes, 1, 0);
  testpackage::InsertIntoSlot0(bytes, slot0 + 6, std::string(emptyPieces, '\0'));
  return bytes;
}

class HostilePackageTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::filesystem::create_directories(config.Path() / "selwarth");
    config.Write("selwarth/SELWARTH.INI", "[Selwarth]\nQuoteMethod=Increment\nIncrementNum=0\n");
  }

  testsupport::ProcessResult Qxp(const testsupport::TempDir &folder,
                                 std::vector<std::string> arguments) {
    testsupport::ProcessOptions options;
    options.workingDirectory = folder.Path().string();
    options.environment["XDG_CONFIG_HOME"] = config.Path().string();
    return testsupport::RunProcess(testsupport::BuiltProgram("qxp"), arguments, options);
  }

  testsupport::TempDir config;
};

TEST_F(HostilePackageTest, MegabytesOfEmptyPiecesCostNoMoreThanTheFile) {
  testsupport::TempDir plain;
  plain.Write("A.QXP", HostilePackage(0));
  testsupport::TempDir hostile;
  const std::string bytes = HostilePackage(4u << 20);
  hostile.Write("A.QXP", bytes);
  const long fileKib = static_cast<long>(bytes.size() / 1024);

  auto small = Qxp(plain, {"today"});
  auto large = Qxp(hostile, {"today"});
  ASSERT_EQ(large.exitStatus, 0) << large.errors;
  EXPECT_EQ(large.output, small.output);
  EXPECT_EQ(large.output, "Verse\r\nHello - Ref\r\n");
  // The reader streams the pieces: the file's size is not held at all.
  EXPECT_LT(large.peakKib - small.peakKib, fileKib / 4)
      << "today: " << small.peakKib << " KiB for the plain package, " << large.peakKib
      << " KiB for " << fileKib << " KiB of empty pieces";

  auto smallCheck = Qxp(plain, {"check", "A.QXP"});
  auto largeCheck = Qxp(hostile, {"check", "A.QXP"});
  EXPECT_EQ(largeCheck.exitStatus, 0) << largeCheck.output;
  // qxp check holds the file itself, and little more.
  EXPECT_LT(largeCheck.peakKib - smallCheck.peakKib, 2 * fileKib)
      << "check: " << smallCheck.peakKib << " KiB for the plain package, " << largeCheck.peakKib
      << " KiB for " << fileKib << " KiB of empty pieces";
}

} // namespace
