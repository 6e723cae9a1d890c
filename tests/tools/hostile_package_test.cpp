// Packages and sources made to hang qxp or exhaust its memory: entries of
// megabytes of empty or one-byte pieces, sparse files of gigabytes, FIFOs in
// a package's place. Reading them must end soon and cost about what the text
// it shows costs.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sys/stat.h>

#include "content/package_format.h"
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

// A package of size bytes whose slot 0 holds "Hello" and then zero bytes
// (empty pieces) up to the last byte, where every other slot and the
// description begin: sparse, so it takes a few kilobytes of the disk.
void WriteSparsePackage(const testsupport::TempDir &folder, const std::string &name,
                        std::uint64_t size) {
  PackageLayout layout;
  layout.Entries[0] = {"Hello"};
  std::string bytes = BuildPackage(layout);
  const std::uint32_t slot0 = testpackage::GetOffset(bytes, 1, 0);
  bytes.resize(slot0 + 6);
  for (int element = 1; element <= 366; ++element)
    testpackage::SetOffset(bytes, 1, element, static_cast<std::uint32_t>(size - 1));
  folder.Write(name, bytes);
  std::filesystem::resize_file(folder.File(name), size);
}

// A package whose 366 entries hold `pieces` one-byte pieces each.
std::string OneBytePieces(int pieces) {
  PackageLayout layout;
  for (int slot = 0; slot < 366; ++slot)
    layout.Entries[slot] = std::vector<std::string>(static_cast<std::size_t>(pieces), "a");
  return BuildPackage(layout);
}

// A source A.qxs whose entry of Jan 1 is start and then two million times
// repeated; its size in KiB.
long WriteSource(const testsupport::TempDir &folder, const std::string &start,
                 const std::string &repeated) {
  std::string source = "Type: 0\nTitle: T\n[Jan 1]\n" + start;
  for (int i = 0; i < 2'000'000; ++i)
    source += repeated;
  folder.Write("A.qxs", source);
  return static_cast<long>(source.size() / 1024);
}

// 300 links to a package whose entry of slot 0 is the longest an entry may
// be; the KiB of that entry.
long LinksToTheLongestEntry(const testsupport::TempDir &dir) {
  PackageLayout layout;
  layout.Entries[0] = std::vector<std::string>(257, std::string(255, 'a'));
  layout.Entries[0].push_back("a");
  dir.Write("P0.QXP", BuildPackage(layout));
  for (int i = 1; i < 300; ++i)
    std::filesystem::create_hard_link(dir.File("P0.QXP"),
                                      dir.File("P" + std::to_string(i) + ".QXP"));
  return static_cast<long>(package::MaxEntryText / 1024);
}

void MakeFifo(const testsupport::TempDir &folder, const std::string &name) {
  ASSERT_EQ(::mkfifo(folder.File(name).c_str(), 0600), 0);
}

class HostilePackageTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::filesystem::create_directories(config.Path() / "selwarth");
    config.Write("selwarth/SELWARTH.INI", "[Selwarth]\nQuoteMethod=Increment\nIncrementNum=0\n");
  }

  // Runs qxp in folder, killed after a minute: a hang fails the test. Its
  // peak memory is its own (measurePeak).
  testsupport::ProcessResult Qxp(const testsupport::TempDir &folder,
                                 std::vector<std::string> arguments) {
    testsupport::ProcessOptions options;
    options.workingDirectory = folder.Path().string();
    options.environment["XDG_CONFIG_HOME"] = config.Path().string();
    options.timeoutMs = 60'000;
    options.measurePeak = true;
    auto result =
        testsupport::RunProcess(testsupport::BuiltProgram("qxp"), std::move(arguments), options);
    EXPECT_FALSE(result.timedOut) << "qxp was still running after a minute";
    return result;
  }

  testsupport::TempDir config;
};

TEST_F(HostilePackageTest, MegabytesOfEmptyPiecesCostNoMoreThanTheFile) {
  testsupport::TempDir plain;
  plain.Write("A.QXP", HostilePackage(0));
  testsupport::TempDir withinLimit;
  withinLimit.Write("A.QXP", HostilePackage(100'000));
  testsupport::TempDir hostile;
  const std::string bytes = HostilePackage(4u << 20);
  hostile.Write("A.QXP", bytes);
  const long fileKib = static_cast<long>(bytes.size() / 1024);

  auto small = Qxp(plain, {"today"});
  EXPECT_EQ(Qxp(withinLimit, {"today"}).output, small.output);
  EXPECT_EQ(small.output, "Verse\r\nHello - Ref\r\n");
  // Four megabytes are more of the file than an entry may take: damaged,
  // and the reader stops at the limit, holding nothing of the rest. Saying
  // why reads what the reader reads, the header and the most an entry may
  // take: that span at most twice (the reader's pieces, the check's copy).
  auto large = Qxp(hostile, {"today"});
  EXPECT_EQ(large.exitStatus, 1) << large.errors;
  EXPECT_EQ(large.output, "");
  EXPECT_NE(large.errors.find("  A.QXP: damaged: slot 0 (Jan 1): the entry takes more than "
                              "131072 bytes of the file"),
            std::string::npos)
      << large.errors;
  const long spanKib = static_cast<long>(package::MaxEntrySpan / 1024);
  EXPECT_LT(large.peakKib - small.peakKib, 2 * spanKib + testsupport::PeakMarginKib())
      << "today: " << small.peakKib << " KiB for the plain package, " << large.peakKib
      << " KiB for " << fileKib << " KiB of empty pieces";

  auto smallCheck = Qxp(plain, {"check", "A.QXP"});
  EXPECT_EQ(Qxp(withinLimit, {"check", "A.QXP"}).exitStatus, 0);
  auto largeCheck = Qxp(hostile, {"check", "A.QXP"});
  EXPECT_EQ(largeCheck.exitStatus, 1) << largeCheck.output;
  // qxp check holds the file itself, and nothing of its empty pieces.
  EXPECT_LT(largeCheck.peakKib - smallCheck.peakKib, fileKib + testsupport::PeakMarginKib())
      << "check: " << smallCheck.peakKib << " KiB for the plain package, " << largeCheck.peakKib
      << " KiB for " << fileKib << " KiB of empty pieces";
}

// Files that once hung qxp or that it read for minutes, and files whose text
// reached the terminal as it was: each ends within the minute, and says why.
TEST_F(HostilePackageTest, FifosSparseFilesAndControlBytesAreToldAtOnce) {
  struct Case {
    const char *what;
    std::function<void(const testsupport::TempDir &)> make;
    std::vector<std::string> arguments;
    int exitStatus;
    std::string said; // in the output or the errors
  };
  const Case cases[] = {
      {"a FIFO checked",
       [](auto &dir) { MakeFifo(dir, "A.QXP"); },
       {"check", "A.QXP"},
       1,
       "qxp: 'A.QXP' is a FIFO, not a regular file"},
      {"a FIFO dumped",
       [](auto &dir) { MakeFifo(dir, "A.QXP"); },
       {"dump", "A.QXP"},
       1,
       "qxp: 'A.QXP' is a FIFO, not a regular file"},
      {"a FIFO built",
       [](auto &dir) { MakeFifo(dir, "A.qxs"); },
       {"build", "A.qxs", "-o", "B.QXP"},
       1,
       "qxp: 'A.qxs' is a FIFO, not a regular file"},
      // Only a regular file is replaced by a build, forced or not.
      {"a FIFO as a forced build's output",
       [](auto &dir) {
         dir.Write("A.qxs", "Type: 0\nTitle: T\n[Jan 1]\nx\n");
         MakeFifo(dir, "B.QXP");
       },
       {"build", "--force", "A.qxs", "-o", "B.QXP"},
       1,
       "qxp: cannot write 'B.QXP': it is a FIFO, not a regular file; qxp build replaces a "
       "regular file only\n"},
      {"a FIFO as a build's output",
       [](auto &dir) {
         dir.Write("A.qxs", "Type: 0\nTitle: T\n[Jan 1]\nx\n");
         MakeFifo(dir, "B.QXP");
       },
       {"build", "A.qxs", "-o", "B.QXP"},
       1,
       "qxp: cannot write 'B.QXP': it is a FIFO, not a regular file"},
      {"a folder as a forced build's output",
       [](auto &dir) {
         dir.Write("A.qxs", "Type: 0\nTitle: T\n[Jan 1]\nx\n");
         std::filesystem::create_directory(dir.File("B.QXP"));
       },
       {"build", "--force", "A.qxs", "-o", "B.QXP"},
       1,
       "qxp: cannot write 'B.QXP': it is a folder, not a regular file"},
      {"a link as a forced build's output",
       [](auto &dir) {
         dir.Write("A.qxs", "Type: 0\nTitle: T\n[Jan 1]\nx\n");
         std::filesystem::create_symlink("/dev/full", dir.File("B.QXP"));
       },
       {"build", "--force", "A.qxs", "-o", "B.QXP"},
       1,
       "qxp: cannot write 'B.QXP': it is a symbolic link, not a regular file"},
      {"a device checked",
       [](auto &) {},
       {"check", "/dev/zero"},
       1,
       "qxp: '/dev/zero' is a character device, not a regular file"},
      {"4 GiB of empty pieces, the day",
       [](auto &dir) { WriteSparsePackage(dir, "A.QXP", 4ull << 30); },
       {"today"},
       1,
       "qxp today: no package has anything to show for the day:\n"
       "  A.QXP: 'A.QXP' is too large for a package (more than 64 MiB)\n"},
      {"48 MiB of empty pieces, checked",
       [](auto &dir) { WriteSparsePackage(dir, "A.QXP", 48u << 20); },
       {"check", "A.QXP"},
       1,
       "A.QXP: slot 0 (Jan 1): the entry takes more than 131072 bytes of the file, the most an "
       "entry may take"},
      {"a damaged package, the day",
       [](auto &dir) {
         std::string bytes = BuildPackage(PackageLayout());
         bytes[testpackage::TitleCountPosition] = 0;
         dir.Write("A.QXP", bytes);
       },
       {"today"},
       1,
       "  A.QXP: damaged: TitleCount: 0 is outside 1-7 (qxp check A.QXP names"},
      {"a package damaged on another day, the day",
       [](auto &dir) {
         PackageLayout layout;
         layout.Entries[0] = {""};
         std::string bytes = BuildPackage(layout);
         testpackage::SetOffset(bytes, 1, 200, static_cast<std::uint32_t>(bytes.size()));
         dir.Write("A.QXP", bytes);
       },
       {"today"},
       1,
       "  A.QXP: nothing for this day\n"},
      {"DEL, C1 and control bytes in a title and the description",
       [](auto &dir) {
         PackageLayout layout;
         layout.Titles = {"A\x7F\x9B\x01"};
         layout.Description = "B\x1B[2J";
         layout.Entries[365] = {"Leap day"};
         dir.Write("A.QXP", BuildPackage(layout));
       },
       {"check", "A.QXP"},
       0,
       "A.QXP: warning: Titles[0] (title 1): holds control bytes; the title shows as "
       "\"A{x7F}\xE2\x80\xBA\"\nA.QXP: warning: description: holds control bytes, which the "
       "About Packages dialog shows as they are: \"B{x1B}[2J\"\n"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    testsupport::TempDir folder;
    c.make(folder);
    auto result = Qxp(folder, c.arguments);
    EXPECT_EQ(result.exitStatus, c.exitStatus) << result.output << result.errors;
    EXPECT_NE((result.output + result.errors).find(c.said), std::string::npos)
        << result.output << result.errors;
  }
}

// qxp check and qxp build on files of millions of tiny pieces or lines, and
// qxp today on many packages of the longest entries: the peak stays within a
// small multiple of the file, or of the longest entry shown (the day's text
// goes out as it is read, one entry at a time), and the allocator's margin.
TEST_F(HostilePackageTest, TinyPiecesAndManyPackagesCostASmallMultipleOfTheirText) {
  struct Case {
    const char *what;
    std::function<long(const testsupport::TempDir &)> make; // KiB of file or entry
    std::vector<std::string> arguments;
    long times; // the most KiB of memory for each KiB made
  };
  const Case cases[] = {
      {"a package of one-byte pieces, checked",
       [](auto &dir) {
         const std::string bytes = OneBytePieces(5'000);
         dir.Write("A.QXP", bytes);
         return static_cast<long>(bytes.size() / 1024);
       },
       {"check", "A.QXP"},
       3},
      {"a source of piece breaks, built",
       [](auto &dir) { return WriteSource(dir, "x", "{|}"); },
       {"build", "A.qxs", "-o", "A.QXP"},
       3},
      {"a source of one-letter lines, built",
       [](auto &dir) { return WriteSource(dir, "", "a\n"); },
       {"build", "A.qxs", "-o", "A.QXP"},
       3},
      {"300 links to a package whose entry is the longest, the day",
       LinksToTheLongestEntry,
       {"today"},
       // The entry as the reader joins its pieces and as its line waits to go
       // out, each grown by doubling: four times its text, and room.
       6},
      {"the same, wrapped for a terminal",
       LinksToTheLongestEntry,
       {"today", "--utf8", "--width", "72"},
       // And the line wrapped, and then in UTF-8.
       8},
  };
  testsupport::TempDir empty;
  empty.Write("A.QXP", HostilePackage(0));
  empty.Write("A.qxs", "Type: 0\nTitle: T\n[Jan 1]\nx\n");
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    testsupport::TempDir folder;
    const long madeKib = c.make(folder);
    auto small = Qxp(empty, c.arguments);
    auto large = Qxp(folder, c.arguments);
    EXPECT_LT(large.peakKib - small.peakKib, c.times * madeKib + testsupport::PeakMarginKib())
        << small.peakKib << " KiB for a small file, " << large.peakKib << " KiB for " << madeKib
        << " KiB";
  }
}

} // namespace
