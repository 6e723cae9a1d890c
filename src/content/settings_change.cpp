#include "content/settings_change.h"

#include <algorithm>
#include <type_traits>

#include "content/settings.h"

namespace {

std::vector<SettingMirror> EveryMirror() {
  std::vector<SettingMirror> mirrors;
  for (const Setting &row : SettingsTable())
    mirrors.push_back(row.Mirror);
  return mirrors;
}

SettingValue Held(const Settings &settings, const SettingMirror &mirror) {
  return std::visit([&settings](auto held) { return SettingValue(settings.*held); }, mirror);
}

} // namespace

SettingValues::SettingValues(Settings &settings) : SettingValues(settings, EveryMirror()) {}

SettingValues::SettingValues(Settings &settings, std::span<const SettingMirror> mirrors)
    : settings_(settings) {
  for (const SettingMirror &mirror : mirrors)
    values_.emplace_back(mirror, Held(settings, mirror));
}

void SettingValues::Restore() const {
  for (const auto &kept : values_) {
    const SettingValue &value = kept.second;
    std::visit(
        [this, &value](auto held) {
          settings_.*held = std::get<std::remove_cvref_t<decltype(settings_.*held)>>(value);
        },
        kept.first);
  }
}

SettingsChange SettingValues::Changes() const {
  SettingsChange change;
  for (const auto &[mirror, value] : values_) {
    const Setting *row = FindSetting(mirror);
    if (row == nullptr || Held(settings_, mirror) == value)
      continue;
    if (row->Affects == Affected::Window)
      change.Window = true;
    else
      change.Day = std::max(change.Day, row->Affects);
  }
  return change;
}
