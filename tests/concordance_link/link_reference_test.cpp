#include "concordance_link/link_reference.h"

#include <gtest/gtest.h>

#include "content/day_entries.h"
#include "resources/main_menu.h"

namespace {

TEST(LinkReferenceTest, EachLinkFindsTheFirstPackageItsTitleRuleAccepts) {
  EXPECT_TRUE(IsReadingPlanTitle("Through the Bible in a Year"));
  EXPECT_TRUE(IsReadingPlanTitle("Through the Bible"));
  EXPECT_FALSE(IsReadingPlanTitle("Through the bible in a Year"));
  EXPECT_FALSE(IsReadingPlanTitle("Through the Bibl"));
  EXPECT_FALSE(IsReadingPlanTitle(" Through the Bible"));

  auto head = std::make_unique<TDayEntry>();
  head->Title = "Daily Verse - King James Version";
  head->Next = std::make_unique<TDayEntry>();
  head->Next->Title = "Through the Bible in a Year";
  head->Next->Next = std::make_unique<TDayEntry>();
  head->Next->Next->Title = "Through the Bible, second copy";
  head->Next->Next->Next = std::make_unique<TDayEntry>();
  head->Next->Next->Next->Title = "Amplified Bible";
  EXPECT_EQ(LinkEntry(head.get(), CM_LINKMORNING), head->Next.get());
  EXPECT_EQ(LinkEntry(head.get(), CM_LINKEVENING), head->Next.get());
  EXPECT_EQ(LinkEntry(head.get(), CM_LINKVERSE), head.get());
  EXPECT_EQ(LinkEntry(head.get(), CM_LINKQUIZ), nullptr);
  EXPECT_EQ(LinkEntry(nullptr, CM_LINKVERSE), nullptr);
  EXPECT_EQ(LinkEntry(head.get(), CM_NEW), nullptr);
}

} // namespace
