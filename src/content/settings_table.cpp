#include "content/settings_table.h"

#include <array>

#include "content/settings.h"
#include "content/settings_load.h"

namespace {

// The keys and defaults are those of the stored file: older files and other
// copies of the program read them too. Zoom and the default font are
// additions of ours.
constexpr std::array<Setting, 16> Rows = {{
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
    // Anything but a method's name is the default method (MapQuoteMethod).
    {.Key = "QuoteMethod",
     .Mirror = &QuoteMethodCode,
     .Default = static_cast<int>(QuoteMethod::Date),
     .DefaultText = "Default",
     .Buffer = QuoteMethodBuffer},
    {.Key = "Zoom", .Mirror = &Zoom, .Default = NormalZoom, .Checked = CheckedZoom},
    {.Key = "DefaultFontName", .Mirror = &DefaultFontName, .Buffer = FontNameBuffer},
    {.Key = "DefaultFontSize", .Mirror = &DefaultFontSize, .Default = 10},
}};

// The default of the number kept in mirror, found in the rows while the
// program is compiled.
constexpr int DefaultOf(const SettingMirror &mirror) {
  for (const Setting &row : Rows)
    if (row.Mirror == mirror)
      return row.Default;
  return 0;
}

// A text starts empty; a row that wanted otherwise would need a start of its
// own below.
constexpr bool EveryTextStartsEmpty() {
  for (const Setting &row : Rows)
    if (std::holds_alternative<std::string *>(row.Mirror) && row.DefaultText[0] != '\0')
      return false;
  return true;
}
static_assert(EveryTextStartsEmpty());

} // namespace

// The mirrors start at their rows' defaults, fixed when the program is
// compiled, so that they hold them before any code runs (a first start with
// no settings file runs on them).
constinit std::int16_t EveryStartup = DefaultOf(&EveryStartup);
constinit std::int16_t HideMenu = DefaultOf(&HideMenu);
constinit std::int16_t JustifyText = DefaultOf(&JustifyText);
constinit std::int16_t SaveFile = DefaultOf(&SaveFile);
constinit std::int16_t UpdateDaily = DefaultOf(&UpdateDaily);
constinit std::int16_t Topmost = DefaultOf(&Topmost);
constinit std::int16_t BlankLines = DefaultOf(&BlankLines);
constinit std::int16_t ScreenSaver = DefaultOf(&ScreenSaver);
std::string ConcordanceServer;
std::string ConcordanceTranslation;
std::string SaverPackage;
constinit std::int16_t PlanOffset = DefaultOf(&PlanOffset);
constinit QuoteMethod QuoteMethodCode = static_cast<QuoteMethod>(DefaultOf(&QuoteMethodCode));
constinit std::int16_t Zoom = DefaultOf(&Zoom);
std::string DefaultFontName;
constinit std::int16_t DefaultFontSize = DefaultOf(&DefaultFontSize);

std::span<const Setting> SettingsTable() {
  return Rows;
}

const Setting *FindSetting(const SettingMirror &mirror) {
  for (const Setting &row : Rows)
    if (row.Mirror == mirror)
      return &row;
  return nullptr;
}
