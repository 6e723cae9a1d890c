#include "content/settings_table.h"

#include <gtest/gtest.h>

#include <algorithm>
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
std::vector<std::pair<std::string, std::string>> Snapshot(const Settings &settings) {
  std::vector<std::pair<std::string, std::string>> values;
  for (const Setting &row : SettingsTable()) {
    platform::ProfileSetting stored = StoredSetting(settings, row.Mirror);
    values.push_back({stored.key, stored.value});
  }
  return values;
}

// A value no default is, and that each row's rule keeps as it is.
void DirtyEverySetting(Settings &settings) {
  for (const Setting &row : SettingsTable())
    testsupport::ChangeSetting(settings, row);
}

class SettingsTableTest : public ::testing::Test {
protected:
  std::vector<std::pair<std::string, std::string>> Snapshot() const { return ::Snapshot(settings); }
  Settings settings;
  testsupport::ConfigSandbox sandbox;
};

TEST_F(SettingsTableTest, EachKeyAndEachMirrorIsOneRow) {
  std::set<std::string> keys;
  std::vector<SettingMirror> mirrors; // members are equal or not, never ordered
  for (const Setting &row : SettingsTable()) {
    EXPECT_TRUE(keys.insert(platform::LowerCaseName(row.Key)).second) << row.Key;
    EXPECT_EQ(std::count(mirrors.begin(), mirrors.end(), row.Mirror), 0) << row.Key;
    mirrors.push_back(row.Mirror);
    EXPECT_EQ(FindSetting(row.Mirror), &row) << row.Key;
    if (std::holds_alternative<std::string Settings::*>(row.Mirror)) {
      EXPECT_GT(row.Buffer, 1u) << row.Key << " would read as empty";
    }
  }
}

TEST_F(SettingsTableTest, TheResetIsWhatAnAbsentFileLoads) {
  const auto reset = Snapshot();
  DirtyEverySetting(settings);
  LoadSettings(settings, testsupport::YearTime(2026));
  EXPECT_EQ(Snapshot(), reset);
  ResetSettingsToDefaults(settings);
  EXPECT_EQ(Snapshot(), reset);
}

TEST_F(SettingsTableTest, EverySettingStoredComesBackAtTheNextLoad) {
  DirtyEverySetting(settings);
  const auto stored = Snapshot();
  std::vector<SettingMirror> all;
  for (const Setting &row : SettingsTable())
    all.push_back(row.Mirror);
  std::string error;
  ASSERT_TRUE(testsupport::Noted(StoreSettings(settings, all), error)) << error;
  ResetSettingsToDefaults(settings);
  LoadSettings(settings, testsupport::YearTime(2026));
  EXPECT_EQ(Snapshot(), stored);
  EXPECT_EQ(ReadSettingText("QuoteMethod", "", QuoteMethodBuffer), "Random");
}

TEST_F(SettingsTableTest, EachChangeIsNoticedForWhatItAffectsAndTheValuesBeforePutItBack) {
  const auto reset = Snapshot();
  for (const Setting &row : SettingsTable()) {
    const SettingValues before(settings);
    testsupport::ChangeSetting(settings, row);
    const SettingsChange change = before.Changes();
    EXPECT_EQ(change.Window, row.Affects == Affected::Window) << row.Key;
    EXPECT_EQ(change.Day, change.Window ? Affected::Nothing : row.Affects) << row.Key;
    before.Restore();
    EXPECT_EQ(Snapshot(), reset) << row.Key;
  }
  // Several at once: the most the day needs, and the windows' own apart.
  const SettingValues before(settings);
  settings.JustifyText = 0;
  settings.BlankLines = 1;
  settings.Topmost = 1;
  EXPECT_EQ(before.Changes().Day, Affected::Layout);
  EXPECT_TRUE(before.Changes().Window);
}

TEST_F(SettingsTableTest, AVariableOutsideTheTableIsRefusedAndNothingIsWritten) {
  std::int16_t Settings::*notASetting = nullptr;
  std::string error;
  EXPECT_FALSE(
      testsupport::Noted(StoreSettings(settings, {&Settings::PlanOffset, notASetting}), error));
  EXPECT_NE(error.find("empty"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(sandbox.SettingsPath()));
}

} // namespace
