#include "content/settings.h"

#include "content/settings_table.h"

// The mirrors' starting values are the table's defaults, set below.
std::int16_t EveryStartup;
std::int16_t HideMenu;
std::int16_t JustifyText;
std::int16_t SaveFile;
std::int16_t UpdateDaily;
std::int16_t Topmost;
std::int16_t BlankLines;
std::int16_t ScreenSaver;
std::string ConcordanceServer;
std::string ConcordanceTranslation;
std::string SaverPackage;
std::int16_t PlanOffset;
std::int32_t QuoteMethodCode;
std::int16_t Zoom;

namespace {

struct DefaultSetter {
  const Setting &row;
  void operator()(std::int16_t *number) const { *number = static_cast<std::int16_t>(row.Default); }
  void operator()(std::string *text) const { *text = row.DefaultText; }
  void operator()(std::int32_t *code) const { *code = row.Default; }
};

// Before anything is loaded the program runs with the defaults, as a first
// start with no settings file does. (The table is constant data, ready
// before this runs.)
[[maybe_unused]] const bool StartedAtDefaults = (ResetSettingsToDefaults(), true);

} // namespace

void ResetSettingsToDefaults() {
  for (const Setting &row : SettingsTable())
    std::visit(DefaultSetter{row}, row.Mirror);
}

const char *QuoteMethodName(std::int32_t code) {
  switch (code) {
  case MethodRandom:
    return "Random";
  case MethodIncrement:
    return "Increment";
  default:
    return "Date";
  }
}
