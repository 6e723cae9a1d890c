#include "content/settings_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <vector>

#include "content/settings.h"
#include "content/settings_change.h"
#include "content/settings_file.h"
#include "content/settings_load.h"
#include "content/settings_store.h"
#include "platform/file_search.h"
#include "support/changed_setting.h"
#include "support/config_sandbox.h"
#include "support/fixed_clock.h"
#include "support/noted.h"
#include "support/temp_dir.h"

namespace {

// Every mirror as the file would store it, in the table's order.
std::vector<std::pair<std::string, std::string>> Snapshot() {
  std::vector<std::pair<std::string, std::string>> values;
  for (const Setting &row : SettingsTable()) {
    platform::ProfileSetting stored = StoredSetting(row.Mirror);
    values.push_back({stored.key, stored.value});
  }
  return values;
}

// A value no default is, and that each row's rule keeps as it is.
struct Dirty {
  const Setting &row;
  void operator()(std::int16_t *number) const {
    *number = static_cast<std::int16_t>(row.Default + 31);
  }
  void operator()(std::string *text) const { *text = "x"; }
  void operator()(QuoteMethod *method) const { *method = QuoteMethod::Random; }
};

void DirtyEverySetting() {
  for (const Setting &row : SettingsTable())
    std::visit(Dirty{row}, row.Mirror);
}

class SettingsTableTest : public ::testing::Test {
protected:
  void SetUp() override { ResetSettingsToDefaults(); }
  void TearDown() override { ResetSettingsToDefaults(); }
  testsupport::ConfigSandbox sandbox;
};

TEST_F(SettingsTableTest, EachKeyAndEachMirrorIsOneRow) {
  std::set<std::string> keys;
  std::set<SettingMirror> mirrors;
  for (const Setting &row : SettingsTable()) {
    EXPECT_TRUE(keys.insert(platform::LowerCaseName(row.Key)).second) << row.Key;
    EXPECT_TRUE(mirrors.insert(row.Mirror).second) << row.Key;
    EXPECT_EQ(FindSetting(row.Mirror), &row) << row.Key;
    if (std::holds_alternative<std::string *>(row.Mirror)) {
      EXPECT_GT(row.Buffer, 1u) << row.Key << " would read as empty";
    }
  }
}

TEST_F(SettingsTableTest, TheResetIsWhatAnAbsentFileLoads) {
  const auto reset = Snapshot();
  DirtyEverySetting();
  LoadSettings(testsupport::YearTime(2026));
  EXPECT_EQ(Snapshot(), reset);
}

TEST_F(SettingsTableTest, EverySettingStoredComesBackAtTheNextLoad) {
  DirtyEverySetting();
  const auto stored = Snapshot();
  std::vector<SettingMirror> all;
  for (const Setting &row : SettingsTable())
    all.push_back(row.Mirror);
  std::string error;
  ASSERT_TRUE(testsupport::Noted(StoreSettings(all), error)) << error;
  ResetSettingsToDefaults();
  LoadSettings(testsupport::YearTime(2026));
  EXPECT_EQ(Snapshot(), stored);
  EXPECT_EQ(ReadSettingText("QuoteMethod", "", QuoteMethodBuffer), "Random");
}

TEST_F(SettingsTableTest, EachChangeIsNoticedForWhatItAffectsAndTheValuesBeforePutItBack) {
  const auto reset = Snapshot();
  for (const Setting &row : SettingsTable()) {
    const SettingValues before;
    testsupport::ChangeSetting(row);
    const SettingsChange change = before.Changes();
    EXPECT_EQ(change.Window, row.Affects == Affected::Window) << row.Key;
    EXPECT_EQ(change.Day, change.Window ? Affected::Nothing : row.Affects) << row.Key;
    before.Restore();
    EXPECT_EQ(Snapshot(), reset) << row.Key;
  }
  // Several at once: the most the day needs, and the windows' own apart.
  const SettingValues before;
  JustifyText = 0;
  BlankLines = 1;
  Topmost = 1;
  EXPECT_EQ(before.Changes().Day, Affected::Layout);
  EXPECT_TRUE(before.Changes().Window);
}

TEST_F(SettingsTableTest, AVariableOutsideTheTableIsRefusedAndNothingIsWritten) {
  std::int16_t notASetting = 1;
  std::string error;
  EXPECT_FALSE(testsupport::Noted(StoreSettings({&PlanOffset, &notASetting}), error));
  EXPECT_NE(error.find("empty"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(sandbox.SettingsPath()));
}

} // namespace
