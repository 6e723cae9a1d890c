#include "content/package_format.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/package_bytes.h"

namespace {

class PackageFormatTest : public ::testing::Test {
protected:
  std::optional<package::Header> Header(const std::string &bytes, std::string &fault) {
    package::PackageBytes held(bytes);
    platform::Result<package::Header> header = package::ReadHeader(held);
    if (!header) {
      fault = header.error();
      return std::nullopt;
    }
    return std::move(*header);
  }
  std::optional<package::Header> Header(const std::string &bytes) {
    std::string fault;
    return Header(bytes, fault);
  }
};

TEST_F(PackageFormatTest, ReadsTheHeaderFields) {
  testpackage::PackageLayout layout;
  layout.Type = 21;
  layout.Titles = {"Verse", "Second title"};
  layout.Marker = '~';
  const std::string bytes = testpackage::BuildPackage(layout);
  const auto header = Header(bytes);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->PackageType, 21);
  EXPECT_EQ(header->Titles, layout.Titles);
  EXPECT_EQ(header->TrailerMarker, '~');
  EXPECT_EQ(header->Size, package::HeaderSize(2));
  EXPECT_EQ(header->FileSize, bytes.size());
  EXPECT_EQ(header->SlotOffsets[0], header->Size);
  EXPECT_EQ(header->SlotOffsets[1], header->Size + 6); // "Day 0" as a piece
  EXPECT_EQ(header->SlotOffsets[367], 0u);
}

TEST_F(PackageFormatTest, HeaderSizeFollowsTheTitleCount) {
  EXPECT_EQ(package::HeaderSize(1), 1526u);
  EXPECT_EQ(package::HeaderSize(7), 1772u);
}

TEST_F(PackageFormatTest, NamesTheFaultOfADamagedHeader) {
  std::string bytes = testpackage::BuildPackage({});
  std::string fault;
  EXPECT_FALSE(Header(bytes.substr(0, 1525), fault));
  EXPECT_NE(fault.find("shorter than its header"), std::string::npos) << fault;

  bytes[testpackage::TitleCountPosition] = 9;
  EXPECT_FALSE(Header(bytes, fault));
  EXPECT_NE(fault.find("title count 9"), std::string::npos) << fault;

  bytes[testpackage::TitleCountPosition] = 1;
  bytes[testpackage::TitlePosition(0)] = 41;
  EXPECT_FALSE(Header(bytes, fault));
  EXPECT_NE(fault.find("length 41"), std::string::npos) << fault;
}

TEST_F(PackageFormatTest, ReadingPlanNeedsTheExactPrefix) {
  package::Header header;
  header.Titles = {"Through the Bible in a Year"};
  EXPECT_TRUE(package::IsReadingPlan(header));
  header.Titles = {"through the Bible"};
  EXPECT_FALSE(package::IsReadingPlan(header));
  header.Titles = {"Through the Bibl"};
  EXPECT_FALSE(package::IsReadingPlan(header));
}

} // namespace
