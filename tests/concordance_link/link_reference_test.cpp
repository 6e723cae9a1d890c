#include "concordance_link/link_reference.h"

#include <gtest/gtest.h>

#include "content/day_entries.h"
#include "resources/main_menu.h"

namespace {

// One entry as the daily load makes it: a package's kinds from its title, a
// devotional's its own whatever its heading says.
void Append(std::unique_ptr<TDayEntry> &head, std::string title, bool devotional = false) {
  std::unique_ptr<TDayEntry> *place = &head;
  while (*place)
    place = &(*place)->Next;
  *place = std::make_unique<TDayEntry>();
  (*place)->Kinds = devotional ? EntryDevotional : PackageEntryKinds(title);
  (*place)->Title = std::move(title);
}

TEST(LinkReferenceTest, EachLinkFindsTheFirstPackageOfItsKind) {
  EXPECT_TRUE(PackageEntryKinds("Through the Bible in a Year") & EntryReadingPlan);
  EXPECT_TRUE(PackageEntryKinds("Through the Bible") & EntryReadingPlan);
  EXPECT_FALSE(PackageEntryKinds("Through the bible in a Year") & EntryReadingPlan);
  EXPECT_FALSE(PackageEntryKinds("Through the Bibl") & EntryReadingPlan);
  EXPECT_FALSE(PackageEntryKinds(" Through the Bible") & EntryReadingPlan);
  // A title may name two kinds; each link finds it.
  EXPECT_EQ(PackageEntryKinds("Bible Quiz from the King James Version"),
            EntryQuiz | EntryDailyVerse);

  std::unique_ptr<TDayEntry> head;
  // Devotionals' headings such as these are never taken for a package's.
  Append(head, "Daily Light - King James Version", true);
  Append(head, "Through the Bible with a Bible Quiz", true);
  Append(head, "Daily Verse - King James Version");
  Append(head, "Through the Bible in a Year");
  Append(head, "Through the Bible, second copy");
  Append(head, "Amplified Bible");
  const TDayEntry *verse = head->Next->Next.get();
  EXPECT_EQ(LinkEntry(head.get(), CM_LINKMORNING), verse->Next.get());
  EXPECT_EQ(LinkEntry(head.get(), CM_LINKEVENING), verse->Next.get());
  EXPECT_EQ(LinkEntry(head.get(), CM_LINKVERSE), verse);
  EXPECT_EQ(LinkEntry(head.get(), CM_LINKQUIZ), nullptr);
  EXPECT_EQ(LinkEntry(nullptr, CM_LINKVERSE), nullptr);
  EXPECT_EQ(LinkEntry(head.get(), CM_NEW), nullptr);
}

} // namespace
