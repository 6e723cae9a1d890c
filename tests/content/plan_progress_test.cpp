#include "content/plan_progress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

#include "support/config_sandbox.h"
#include "support/temp_dir.h"

namespace {

// A plan started on the slot Offset, read as Marks says, shown on the slot
// Shown while today is the slot Today: the line under its heading and the
// start Catch Up would choose.
struct StandingRow {
  const char *what;
  int offset;
  const char *marks;
  int shown, today;
  const char *line;
  std::optional<int> catchUp;
};

TEST(PlanProgressTest, StandsWhereTheReaderIs) {
  const StandingRow rows[] = {
      {"nothing marked: no line, no catching up", 0, "", 40, 40, "", std::nullopt},
      {"three missed", 0, "1-24", 27, 27, "Day 28 of 365 \xB7 24 read \xB7 3 behind", 3},
      {"one missed, looking back", 0, "1-27", 26, 28, "Day 27 of 365 \xB7 27 read \xB7 1 behind",
       1},
      {"caught up", 0, "1-28", 28, 28, "Day 29 of 365 \xB7 28 read \xB7 all caught up",
       std::nullopt},
      {"364 missed on the last day", 0, "365", 364, 364,
       "Day 365 of 365 \xB7 1 read \xB7 364 behind", 364},
      {"started on 31 December", 364, "1", 0, 0, "Day 2 of 365 \xB7 1 read \xB7 all caught up",
       std::nullopt},
      {"across the year's end", 300, "1-64", 364, 0, "Day 65 of 365 \xB7 64 read \xB7 1 behind",
       301},
      {"the leap day shows 1 January's plan day", 300, "1-60", 365, 365,
       "Day 66 of 365 \xB7 60 read \xB7 5 behind", 305},
      {"complete", 0, "1-365", 10, 10,
       "Plan complete: all 365 days read \xB7 Start Over is on the Settings menu", std::nullopt},
  };
  for (const StandingRow &row : rows) {
    SCOPED_TRACE(row.what);
    const PlanMarks marks = ParsePlanMarks(row.marks);
    const PlanStanding standing =
        StandingOf(marks, PlanDayOf(row.shown, row.offset), PlanDayOf(row.today, row.offset));
    EXPECT_EQ(ProgressLine(standing), row.line);
    const std::optional<int> start = CatchUpOffset(marks, row.today, row.offset);
    EXPECT_EQ(start, row.catchUp);
    if (!start)
      continue;
    // After Catch Up today shows the first unread day, and nothing is behind.
    const int today = PlanDayOf(row.today, *start);
    EXPECT_FALSE(marks.test(static_cast<std::size_t>(today)));
    EXPECT_EQ(StandingOf(marks, today, today).Behind, 0);
  }
}

TEST(PlanProgressTest, StoredFormReadsAsFarAsItMakesSense) {
  const std::pair<const char *, const char *> rows[] = {
      {"1-28,31", "1-28,31"},
      {"31,1-28,2", "1-28,31"},
      {" 7 - 5 , 9,,x,12-,3x,-4,0,366,360-9999", "5-7,9,360-365"},
      {"0-2,99999999999999999999", "1-2"},
      {"garbage", ""},
  };
  for (const auto &[stored, read] : rows)
    EXPECT_EQ(FormatPlanMarks(ParsePlanMarks(stored)), read) << stored;
}

TEST(PlanProgressTest, DisablingThePackageKeepsItsKey) {
  EXPECT_EQ(PlanProgressKey("THROUGH.QXP"), "through");
  EXPECT_EQ(PlanProgressKey("Through.off"), "through");
  // Keys stored before stay what they were.
  EXPECT_EQ(PlanProgressKey("My Plan 50%.QXP"), "my plan 50%");
  EXPECT_EQ(PlanProgressKey("[a;b=.QXP"), "/5ba;b/3d");
}

// A plan whose file name a key cannot hold as it is can be marked, and its
// marks are its own: not those of the name it would otherwise be read as.
TEST(PlanProgressTest, EveryFileNameKeepsMarksOfItsOwn) {
  testsupport::ConfigSandbox sandbox;
  const std::pair<const char *, const char *> rows[] = {
      // the plan, and a plan it could be mixed up with
      {"a=b.qxp", "a.qxp"},      {"a]b.qxp", "a.qxp"},       {"a\nb=1.qxp", "a.qxp"},
      {"a\rb.qxp", "b.qxp"},     {"[plan].qxp", "plan.qxp"}, {";plan.qxp", "plan.qxp"},
      {" plan.qxp", "plan.qxp"}, {"plan .qxp", "plan.qxp"},  {"\tplan.qxp", " plan.qxp"},
  };
  int day = 0;
  for (const auto &[name, other] : rows) {
    SCOPED_TRACE(name);
    ++day;
    const platform::Result<PlanMarks> marked = ToggleStoredPlanDay(name, day);
    ASSERT_TRUE(marked) << marked.error();
    EXPECT_EQ(FormatPlanMarks(StoredPlanMarks(name)), std::to_string(day + 1));
    EXPECT_EQ(FormatPlanMarks(StoredPlanMarks(other)), "") << "shares the key of " << other;
    ASSERT_TRUE(ClearStoredPlanMarks(name));
  }
  // The settings file stays whole: one section, one key a plan.
  const std::string text = testsupport::ReadFileBytes(sandbox.SettingsPath());
  EXPECT_EQ(text.find("[plan]"), std::string::npos) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + std::size(rows)) << text;
}

// Two running copies mark days at the same time: every mark of both is kept.
TEST(PlanProgressTest, ASecondCopyLosesNothing) {
  testsupport::ConfigSandbox sandbox;
  constexpr int Each = 40;
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  const int first = child == 0 ? 200 : 0;
  for (int day = first; day < first + Each; ++day)
    if (!ToggleStoredPlanDay("plan.qxp", day) && child == 0)
      _exit(1);
  if (child == 0)
    _exit(0);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_EQ(status, 0);
  EXPECT_EQ(FormatPlanMarks(StoredPlanMarks("PLAN.OFF")), "1-40,201-240");
}

} // namespace
