#include "content/settings_table.h"

#include <array>

#include "content/settings.h"
#include "content/settings_load.h"

namespace {

constexpr auto Rows = std::to_array<Setting>({
#define SETTING(type, mirror, key, affects, ...)                                                   \
  {.Key = key, .Mirror = &Settings::mirror, .Affects = affects, __VA_ARGS__},
#include "content/settings.def"
#undef SETTING
});

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
