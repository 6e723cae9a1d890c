#include "content/settings_table.h"

#include <array>

#include "content/settings.h"
#include "content/settings_load.h"

namespace {

// The keys and defaults are those of the stored file: older files and other
// copies of the program read them too. Zoom is an addition of ours.
constexpr std::array<Setting, 14> Rows = {{
    {.Key = "EveryStartup", .Mirror = &EveryStartup, .Default = 1},
    {.Key = "HideMenu", .Mirror = &HideMenu},
    {.Key = "JustifyText", .Mirror = &JustifyText, .Default = 1},
    {.Key = "SaveFile", .Mirror = &SaveFile},
    {.Key = "UpdateDaily", .Mirror = &UpdateDaily, .Default = 1},
    {.Key = "Topmost", .Mirror = &Topmost},
    {.Key = "BlankLines", .Mirror = &BlankLines},
    {.Key = "ScreenSaver", .Mirror = &ScreenSaver},
    {.Key = "ConcordanceServer", .Mirror = &ConcordanceServer, .Buffer = ConcordanceBuffer},
    {.Key = "ConcordanceTranslation",
     .Mirror = &ConcordanceTranslation,
     .Buffer = ConcordanceBuffer},
    {.Key = "SaverTitle", .Mirror = &SaverPackage, .Buffer = SaverTitleBuffer},
    {.Key = "PlanOffset", .Mirror = &PlanOffset, .Checked = CheckedPlanOffset},
    // Anything but the three names is the default method (MapQuoteMethod).
    {.Key = "QuoteMethod",
     .Mirror = &QuoteMethodCode,
     .Default = MethodDate,
     .DefaultText = "Default",
     .Buffer = QuoteMethodBuffer},
    {.Key = "Zoom", .Mirror = &Zoom, .Default = NormalZoom, .Checked = CheckedZoom},
}};

} // namespace

std::span<const Setting> SettingsTable() {
  return Rows;
}

const Setting *FindSetting(const SettingMirror &mirror) {
  for (const Setting &row : Rows)
    if (row.Mirror == mirror)
      return &row;
  return nullptr;
}
