#include "app/settings_load.h"

#include "content/settings.h"
#include "content/settings_file.h"
#include "view/zoom.h"

namespace {

constexpr int FirstDateMethodYear = 94; // years since 1900: 1994
constexpr int LastPlanDay = 364;

std::int16_t ReadOnOff(std::string_view key, int defaultValue) {
  return static_cast<std::int16_t>(ReadSettingInt(key, defaultValue));
}

} // namespace

std::int32_t MapQuoteMethod(std::string_view text, const std::tm &localTime) {
  if (text == "Date")
    return MethodDate;
  if (text == "Increment")
    return MethodIncrement;
  if (text == "Random")
    return MethodRandom;
  return localTime.tm_year >= FirstDateMethodYear ? MethodDate : MethodIncrement;
}

std::int16_t CheckedPlanOffset(int stored) {
  auto offset = static_cast<std::int16_t>(stored);
  return (offset < 0 || offset > LastPlanDay) ? 0 : offset;
}

void LoadSettings(const std::tm &localTime) {
  EveryStartup = ReadOnOff("EveryStartup", 1);
  HideMenu = ReadOnOff("HideMenu", 0);
  JustifyText = ReadOnOff("JustifyText", 1);
  SaveFile = ReadOnOff("SaveFile", 0);
  UpdateDaily = ReadOnOff("UpdateDaily", 1);
  Topmost = ReadOnOff("Topmost", 0);
  BlankLines = ReadOnOff("BlankLines", 0);
  ScreenSaver = ReadOnOff("ScreenSaver", 0);
  ConcordanceServer = ReadSettingText("ConcordanceServer", "", ConcordanceBuffer);
  ConcordanceTranslation = ReadSettingText("ConcordanceTranslation", "", ConcordanceBuffer);
  SaverPackage = ReadSettingText("SaverTitle", "", SaverTitleBuffer);
  // Without a chosen package there is nothing to give the screen saver.
  if (SaverPackage.empty())
    ScreenSaver = 0;
  PlanOffset = CheckedPlanOffset(ReadSettingInt("PlanOffset", 0));
  QuoteMethodCode =
      MapQuoteMethod(ReadSettingText("QuoteMethod", "Default", QuoteMethodBuffer), localTime);
  Zoom = CheckedZoom(ReadSettingInt("Zoom", NormalZoom));
}
