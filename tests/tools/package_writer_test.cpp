// The bytes qxp writes: header arithmetic, pieces and trailers, and the
// atomic replacement of the output file.

#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "qxp/entry_layout.h"
#include "qxp/package_writer.h"
#include "qxp_helpers.h"
#include "support/temp_dir.h"

using qxptest::Build;
using qxptest::OffsetAt;
using qxptest::U32At;
using qxptest::VerseHeader;
using ::testing::ElementsAre;

namespace {

TEST(PackageWriter, HeaderFollowsTheFormat) {
  std::string bytes = Build(std::string(VerseHeader) +
                            "Description: About\n[Jan 1]\nTwenty characters!!!\n[Jan 2]\nx\n");
  ASSERT_GT(bytes.size(), 1526u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\0\0\0\1", 4)); // type, reserved, one title
  EXPECT_EQ(bytes.substr(4, 41), "\5Verse" + std::string(35, '\0'));
  EXPECT_EQ(bytes[45], '-');
  // 1 + 2 + 1 + 41 + 1 + 1480 = 1526; a piece of 20 characters takes 21 bytes.
  EXPECT_EQ(U32At(bytes, OffsetAt(0)), 1526u);
  EXPECT_EQ(U32At(bytes, OffsetAt(1)), 1547u);
  EXPECT_EQ(U32At(bytes, OffsetAt(2)), 1549u);
  // Every empty slot is one empty piece; the description follows slot 365.
  EXPECT_EQ(U32At(bytes, OffsetAt(365)), 1549u + 363);
  std::uint32_t description = U32At(bytes, OffsetAt(366));
  EXPECT_EQ(description, 1549u + 364);
  EXPECT_EQ(bytes.substr(description), "\5About");
  for (int unused = 367; unused < 370; ++unused)
    EXPECT_EQ(U32At(bytes, OffsetAt(unused)), 0u);
}

TEST(PackageWriter, SevenTitlesAndAType) {
  std::string bytes = Build("Type: 31\nTitle: a\nTitle: b\nTitle: c\nTitle: d\nTitle: e\n"
                            "Title: f\nTitle: \n");
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 31);
  EXPECT_EQ(bytes[3], 7);
  EXPECT_EQ(bytes.substr(4 + 6 * 41, 41), std::string(41, '\0')); // an empty seventh title
  EXPECT_EQ(bytes[4 + 7 * 41], '\0');                             // no marker
  EXPECT_EQ(U32At(bytes, OffsetAt(0, 7)), 1772u);
}

TEST(EntryLayout, LongTextIsCutAtSpacesAndTheTrailerKeptWhole) {
  std::string word = "abcdefghi "; // 10 bytes
  std::string text;
  for (int i = 0; i < 60; ++i)
    text += word;
  text += "-John 3:16";
  std::string error;
  auto pieces = qxp::LayOutEntry(text, '-', 0, error);
  ASSERT_TRUE(pieces) << error;
  ASSERT_EQ(pieces->size(), 3u);
  EXPECT_EQ((*pieces)[0].size(), 250u); // cut after the last space within 255
  EXPECT_EQ((*pieces)[0].back(), ' ');
  EXPECT_EQ((*pieces)[1].size(), 250u);
  EXPECT_EQ((*pieces)[2], text.substr(500));
  auto reading = qxp::ReadEntry(*pieces, '-', 0);
  EXPECT_TRUE(reading.shown);
  EXPECT_EQ(reading.body, text.substr(0, 600));
  EXPECT_EQ(reading.trailer, "- John 3:16");
}

TEST(EntryLayout, ATrailerThatDoesNotFitTheLastPieceGetsAPieceOfItsOwn) {
  std::string body(250, 'a');
  std::string trailer = "-" + std::string(20, 'r');
  std::string error;
  auto pieces = qxp::LayOutEntry(body + trailer, '-', 0, error);
  ASSERT_TRUE(pieces) << error;
  EXPECT_THAT(*pieces, ElementsAre(body, trailer));
  // Text without a space near the limit is cut at 255 bytes.
  pieces = qxp::LayOutEntry(std::string(600, 'z'), 0, 0, error);
  ASSERT_TRUE(pieces);
  EXPECT_THAT(*pieces,
              ElementsAre(std::string(255, 'z'), std::string(255, 'z'), std::string(90, 'z')));
}

TEST(EntryLayout, TrailerLimitCountsTheShownForm) {
  std::string error;
  // With "-" the program shows "- ": 254 stored bytes are the most.
  EXPECT_TRUE(qxp::LayOutEntry("body -" + std::string(253, 't'), '-', 0, error)) << error;
  EXPECT_FALSE(qxp::LayOutEntry("body -" + std::string(254, 't'), '-', 0, error));
  EXPECT_TRUE(qxp::LayOutEntry("body ~" + std::string(254, 't'), '~', 0, error)) << error;
  EXPECT_FALSE(qxp::LayOutEntry("body ~" + std::string(255, 't'), '~', 0, error));
  EXPECT_EQ(error, "the trailer (from the last '~' to the end) is 256 bytes; a trailer holds at "
                   "most 255");
}

TEST(EntryLayout, TypeOneFindsTheMarkerAfterConversion) {
  // Code page 437 0xCD (double line) is read as '=' by the program.
  std::string error;
  auto pieces = qxp::LayOutEntry(std::string(300, 'a') + "\xCD"
                                                         "ref",
                                 '=', 1, error);
  ASSERT_TRUE(pieces) << error;
  EXPECT_THAT(*pieces, ElementsAre(std::string(255, 'a'), std::string(45, 'a') + "\xCD"
                                                                                 "ref"));
  EXPECT_EQ(qxp::ReadEntry(*pieces, '=', 1).trailer, "ref");
  EXPECT_EQ(qxp::ReadEntry(*pieces, '=', 0).trailer, "");
}

class AtomicWrite : public ::testing::Test {
protected:
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir_.Path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  testsupport::TempDir dir_;
};

TEST_F(AtomicWrite, ReplacesTheOutputAndLeavesNoTemporaryFile) {
  std::string path = dir_.Write("OUT.QXP", "old");
  std::string error;
  ASSERT_TRUE(qxp::WriteFileAtomically(path, "new bytes", true, error)) << error;
  EXPECT_EQ(dir_.Read("OUT.QXP"), "new bytes");
  EXPECT_THAT(Names(), ElementsAre("OUT.QXP"));
}

TEST_F(AtomicWrite, AFailedRenameKeepsTheOldOutputAndRemovesTheTemporaryFile) {
  std::filesystem::create_directory(dir_.Path() / "OUT.QXP");
  dir_.Write("OUT.QXP/keep", "old");
  std::string error;
  EXPECT_FALSE(qxp::WriteFileAtomically(dir_.File("OUT.QXP"), "new", true, error));
  EXPECT_THAT(error, ::testing::StartsWith("cannot write '" + dir_.File("OUT.QXP") + "': "));
  EXPECT_EQ(dir_.Read("OUT.QXP/keep"), "old");
  EXPECT_THAT(Names(), ElementsAre("OUT.QXP"));
}

} // namespace
