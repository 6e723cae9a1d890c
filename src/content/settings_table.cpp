#include "content/settings_table.h"

#include <array>

#include "content/settings.h"
#include "content/settings_load.h"

namespace {

constexpr auto Rows = std::to_array<Setting>({
#define SETTING(type, mirror, key, affects, ...)                                                   \
  {.Key = key, .Mirror = &mirror, .Affects = affects, __VA_ARGS__},
#include "content/settings.def"
#undef SETTING
});

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

// The mirrors start at their rows' defaults, fixed when the program is
// compiled, so that they hold them before any code runs (a first start with
// no settings file runs on them). A text starts empty, as a string does.
template <class Number> consteval Number StartValue(Number *mirror) {
  return static_cast<Number>(DefaultOf(mirror));
}
constexpr std::string StartValue(std::string *) {
  return {};
}

} // namespace

#define SETTING(type, mirror, ...) type mirror = StartValue(&mirror);
#include "content/settings.def"
#undef SETTING

std::span<const Setting> SettingsTable() {
  return Rows;
}

const Setting *FindSetting(const SettingMirror &mirror) {
  for (const Setting &row : Rows)
    if (row.Mirror == mirror)
      return &row;
  return nullptr;
}
