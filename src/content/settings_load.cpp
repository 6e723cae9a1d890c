#include "content/settings_load.h"

#include <algorithm>
#include <string>

#include "content/settings.h"
#include "content/settings_file.h"
#include "content/settings_table.h"

namespace {

constexpr int FirstDateMethodYear = 94; // years since 1900: 1994
constexpr int LastPlanDay = 364;

struct RowLoader {
  const Setting &row;
  Settings &settings;
  const std::tm &localTime;

  void operator()(std::int16_t Settings::*number) const {
    int stored = ReadSettingInt(row.Key, row.Default);
    settings.*number =
        row.Checked != nullptr ? row.Checked(stored) : static_cast<std::int16_t>(stored);
  }
  void operator()(std::string Settings::*text) const {
    settings.*text = ReadSettingText(row.Key, row.DefaultText, row.Buffer);
  }
  void operator()(QuoteMethod Settings::*method) const {
    settings.*method =
        MapQuoteMethod(ReadSettingText(row.Key, row.DefaultText, row.Buffer), localTime);
  }
};

} // namespace

QuoteMethod MapQuoteMethod(std::string_view text, const std::tm &localTime) {
  if (std::optional<QuoteMethod> method = QuoteMethodNamed(text))
    return *method;
  return localTime.tm_year >= FirstDateMethodYear ? QuoteMethod::Date : QuoteMethod::Increment;
}

std::int16_t CheckedPlanOffset(int stored) {
  auto offset = static_cast<std::int16_t>(stored);
  return (offset < 0 || offset > LastPlanDay) ? 0 : offset;
}

std::int16_t CheckedZoom(int stored) {
  return static_cast<std::int16_t>(std::clamp<int>(stored, MinZoom, MaxZoom));
}

void LoadSettings(Settings &settings, const std::tm &localTime) {
  for (const Setting &row : SettingsTable())
    std::visit(RowLoader{row, settings, localTime}, row.Mirror);
  // Without a chosen package there is nothing to give the screen saver.
  if (settings.SaverPackage.empty())
    settings.ScreenSaver = 0;
}
