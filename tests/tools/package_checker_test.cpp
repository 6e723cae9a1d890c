// qxp check on sound packages and on every kind of damage.

#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "qxp/entry_layout.h"
#include "qxp/package_checker.h"
#include "qxp_helpers.h"
#include "support/package_bytes.h"

using qxptest::Build;
using qxptest::OffsetAt;
using qxptest::PutU32;
using qxptest::U32At;
using qxptest::VerseHeader;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testpackage::InsertIntoSlot0;

namespace {

const std::string Source = std::string(VerseHeader) +
                           "Description: Test\n"
                           "[Jan 1]\nIn the beginning God created the heaven and the earth.\n"
                           "-Genesis 1:1\n"
                           "[Jan 11]\nGod is our refuge and strength.\n-Psalm 46:1\n"
                           "[Feb 29]\nThe extra slot\n";

qxp::CheckReport Check(std::string bytes) {
  return qxp::CheckPackage(qxp::PackageImage::FromBytes(std::move(bytes)));
}

std::vector<std::string> Faults(std::string bytes) {
  return Check(std::move(bytes)).faults;
}

TEST(PackageChecker, ABuiltPackageIsSoundAndReadsBack) {
  auto report = Check(Build(Source));
  EXPECT_TRUE(report.Sound()) << qxptest::Joined(report.faults);
  EXPECT_EQ(report.entries, 3);
  ASSERT_TRUE(report.content);
  EXPECT_EQ(*report.content, qxptest::Compile(Source));
}

TEST(PackageChecker, HeaderFaults) {
  std::string bytes = Build(Source);
  std::string wrongType = bytes;
  wrongType[0] = 40;
  EXPECT_THAT(Faults(wrongType),
              ElementsAre("PackageType: 40 is not one of 0, 1, 2, 10, 11, 12, 20, 21, 22, 30, "
                          "31, 32"));
  EXPECT_THAT(Faults(""), ElementsAre("the file is empty, shorter than its header"));
  EXPECT_THAT(Faults(bytes.substr(0, 3)),
              ElementsAre("the file is 3 bytes, shorter than its header"));
  EXPECT_THAT(Faults(bytes.substr(0, 1000)),
              ElementsAre("the file is 1000 bytes, shorter than its header (1526 bytes with 1 "
                          "titles)"));
  for (char count : {'\0', '\x08', '\xFF'}) {
    std::string wrongCount = bytes;
    wrongCount[3] = count;
    EXPECT_THAT(Faults(wrongCount), ElementsAre(HasSubstr("TitleCount: ")));
  }
}

// A UTF-8 package holds UTF-8 alone: a byte that is not, in an entry, a
// title or the description, is a fault, named where it stands.
TEST(PackageChecker, AUtf8PackageMustHoldUtf8) {
  const std::string sound = Build("Type: utf-8\nTitle: \xCE\xBB\nMarker: -\nDescription: "
                                  "\xD0\x96\n[Jan 1]\n\xE4\xB8\xAD -x\n[Feb 29]\nleap\n");
  EXPECT_TRUE(Check(sound).Sound()) << qxptest::Joined(Check(sound).faults);
  std::string broken = sound;
  broken[5] = '\xFF';                               // the title's first byte
  broken[U32At(sound, OffsetAt(0)) + 2] = 'x';      // the entry's 中 cut after one byte
  broken[U32At(sound, OffsetAt(366)) + 1] = '\x96'; // the description's first byte
  EXPECT_THAT(Faults(broken),
              ElementsAre("Titles[0] (title 1): the title is not UTF-8 (byte 0xFF at 0)",
                          "slot 0 (Jan 1): the text is not UTF-8 (byte 0xE4 at 0 of the entry's "
                          "text)",
                          "description: the description is not UTF-8 (byte 0x96 at 0)"));
}

TEST(PackageChecker, ADamagedTitleDoesNotHideOffsetFaults) {
  std::string bytes = Build(Source);
  bytes[4] = 41;
  PutU32(bytes, OffsetAt(367), 7);
  EXPECT_THAT(Faults(bytes),
              ElementsAre("Titles[0] (title 1): length 41 is above 40",
                          "SlotOffsets[367]: 7, but the unused offsets 367-369 must be 0"));
}

TEST(PackageChecker, OffsetFaultsNameFieldAndSlot) {
  std::string bytes = Build(Source);
  std::string pastEnd = bytes;
  PutU32(pastEnd, OffsetAt(10), static_cast<std::uint32_t>(bytes.size() + 5));
  EXPECT_THAT(
      Faults(pastEnd),
      ElementsAre(HasSubstr("SlotOffsets[10] (slot 10, Jan 11): offset " +
                            std::to_string(bytes.size() + 5) + " is past the end of the file (" +
                            std::to_string(bytes.size()) + " bytes)"),
                  HasSubstr("SlotOffsets[10] (slot 10, Jan 11): offset"
                            " " +
                            std::to_string(bytes.size() + 5) + " comes after")));

  std::string intoHeader = bytes;
  PutU32(intoHeader, OffsetAt(0), 100);
  auto report = Check(intoHeader);
  EXPECT_THAT(report.faults,
              ElementsAre("SlotOffsets[0] (slot 0, Jan 1): offset 100 points into the header, "
                          "which ends at 1526"));
  EXPECT_THAT(report.warnings, ElementsAre(HasSubstr("slot 0 (Jan 1): ")));

  std::string swapped = bytes;
  PutU32(swapped, OffsetAt(200), U32At(bytes, OffsetAt(201)) + 1);
  EXPECT_THAT(Faults(swapped),
              ::testing::Contains(HasSubstr("SlotOffsets[200] (slot 200, Jul 20): offset")));
  EXPECT_THAT(qxptest::Joined(Faults(swapped)), HasSubstr("the offsets are out of order"));
}

TEST(PackageChecker, PieceFaults) {
  std::string bytes = Build(Source);
  std::uint32_t slot0 = U32At(bytes, OffsetAt(0));
  std::string pastSlot = bytes;
  pastSlot[slot0] = static_cast<char>(static_cast<unsigned char>(pastSlot[slot0]) + 2);
  EXPECT_THAT(Faults(pastSlot),
              ElementsAre("slot 0 (Jan 1): the piece at 1526 runs past the slot's end (" +
                          std::to_string(U32At(bytes, OffsetAt(1))) + ")"));

  std::uint32_t description = U32At(bytes, OffsetAt(366));
  EXPECT_THAT(Faults(bytes.substr(0, description + 3)),
              ElementsAre("description: the piece at " + std::to_string(description) +
                          " runs past the end of the file (" + std::to_string(description + 3) +
                          " bytes)"));
}

TEST(PackageChecker, EntryFaultsTheProgramWouldHide) {
  // A trailer joined over two pieces that passes 255 bytes.
  std::string source = std::string(VerseHeader) + "[Jan 1]\na x" + std::string(200, 'b') + "{|}" +
                       std::string(60, 'c') + "\n";
  std::string longTrailer = Build(source);
  longTrailer[1526 + 3] = '-'; // the 'x'
  EXPECT_THAT(Faults(longTrailer),
              ElementsAre(HasSubstr("slot 0 (Jan 1): the trailer is 262 bytes as shown")));

  // An empty first piece that hides the pieces after it.
  std::string hidden = Build(std::string(VerseHeader) + "[Jan 1]\n{x20}{|}cd\n");
  hidden[1526] = 0;
  hidden[1527] = 0;
  // The program reads it (and shows nothing that day): a warning, not a fault.
  auto report = Check(hidden);
  EXPECT_TRUE(report.Sound());
  EXPECT_THAT(report.warnings, ElementsAre("slot 0 (Jan 1): the first piece is empty, so the 2 "
                                           "piece(s) after it never show",
                                           HasSubstr("slot 365 (Feb 29): no entry")));
}

TEST(PackageChecker, WarningsForWhatTheProgramReadsButShowsOtherwise) {
  std::string bytes = Build(Source);
  std::string titled = bytes;
  titled[4] = 8; // title length 8 over "Verse" and the zero bytes after it
  titled.replace(5, 8, std::string("Ab\0cd\r\nef", 8));
  auto report = Check(titled);
  EXPECT_TRUE(report.Sound());
  EXPECT_THAT(report.warnings,
              ElementsAre("Titles[0] (title 1): holds control bytes; the title shows as \"Ab\""));

  // No warning for a package with a leap day entry, nor for a reading plan.
  EXPECT_EQ(qxptest::Joined(Check(bytes).warnings), "");
  EXPECT_EQ(
      qxptest::Joined(Check(Build("Type: 0\nTitle: Through the Bible\n[day 1]\nx\n")).warnings),
      "");
}

TEST(PackageChecker, TheTrailerFaultNamesTheMarkerAsShown) {
  std::string source = "Type: 0\nTitle: Quiz\nMarker: \\\n[Jan 1]\na x" + std::string(200, 'b') +
                       "{|}" + std::string(60, 'c') + "\n[Feb 29]\ny\n";
  std::string longTrailer = Build(source);
  longTrailer[1526 + 3] = '\\'; // the 'x'
  EXPECT_THAT(Faults(longTrailer),
              ElementsAre("slot 0 (Jan 1): the trailer is 260 bytes as shown (joined from the last "
                          "two pieces, without its '\\' marker); a trailer holds at most 255"));
}

TEST(PackageChecker, EntriesBeyondTheTextLimitAreDamagedAndEmptyPiecesCostNothing) {
  // Slot 0 holds "Hello", a hundred thousand empty pieces and "-Ref": sound,
  // and the checker keeps no piece for the empty ones.
  const std::string source = std::string(VerseHeader) + "[Jan 1]\nHello{|}-Ref\n[Feb 29]\nx\n";
  std::string bytes = Build(source);
  InsertIntoSlot0(bytes, 1526 + 6, std::string(100'000, '\0'));
  auto report = Check(bytes);
  EXPECT_TRUE(report.Sound()) << qxptest::Joined(report.faults);
  ASSERT_TRUE(report.content);
  EXPECT_EQ(report.content->Entries[0].size(), 4u); // "Hello", two empty, "-Ref"
  EXPECT_EQ(qxp::ReadEntry(report.content->Entries[0], '-', 0).trailer, "- Ref");
  // A million are more of the file than an entry may take.
  bytes = Build(source);
  InsertIntoSlot0(bytes, 1526 + 6, std::string(1'000'000, '\0'));
  EXPECT_THAT(Faults(bytes), ElementsAre("slot 0 (Jan 1): the entry takes more than 131072 bytes "
                                         "of the file, the most an entry may take"));
  // A thousand one-byte pieces are held joined, and read the same.
  bytes = Build(source);
  std::string tiny;
  for (int i = 0; i < 1000; ++i)
    tiny += testpackage::Piece("a");
  InsertIntoSlot0(bytes, 1526 + 6, tiny);
  report = Check(bytes);
  ASSERT_TRUE(report.content);
  EXPECT_LE(report.content->Entries[0].size(), 8u);
  EXPECT_EQ(qxp::ReadEntry(report.content->Entries[0], '-', 0).body,
            "Hello" + std::string(1000, 'a'));

  // 257 full pieces and two bytes: more than 64 KiB of text.
  std::string text;
  for (int i = 0; i < 257; ++i)
    text += std::string(255, 'a') + "{|}";
  std::string tooLong = Build(std::string(VerseHeader) + "[Jan 1]\nx{|}" + text + "\n");
  EXPECT_EQ(qxptest::Joined(Faults(tooLong)), ""); // 65536 bytes: the most
  tooLong[1526] = 2;
  InsertIntoSlot0(tooLong, 1527, "y");
  EXPECT_THAT(Faults(tooLong), ElementsAre("slot 0 (Jan 1): the entry holds more than 65536 bytes "
                                           "of text, the most an entry may hold"));
  EXPECT_THAT(qxptest::Errors(std::string(VerseHeader) + "[Jan 1]\nxy{|}" + text + "\n"),
              ElementsAre(HasSubstr("the entry holds 65537 bytes of text; an entry holds at most "
                                    "65536")));
}

} // namespace
