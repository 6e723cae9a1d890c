#include "content/settings_change.h"

#include <algorithm>
#include <type_traits>

namespace {

std::vector<SettingMirror> EveryMirror() {
  std::vector<SettingMirror> mirrors;
  for (const Setting &row : SettingsTable())
    mirrors.push_back(row.Mirror);
  return mirrors;
}

SettingValue Held(const SettingMirror &mirror) {
  return std::visit([](auto *held) { return SettingValue(*held); }, mirror);
}

} // namespace

SettingValues::SettingValues() : SettingValues(EveryMirror()) {}

SettingValues::SettingValues(std::span<const SettingMirror> mirrors) {
  for (const SettingMirror &mirror : mirrors)
    values_.emplace_back(mirror, Held(mirror));
}

void SettingValues::Restore() const {
  for (const auto &kept : values_) {
    const SettingValue &value = kept.second;
    std::visit(
        [&value](auto *held) { *held = std::get<std::remove_cvref_t<decltype(*held)>>(value); },
        kept.first);
  }
}

SettingsChange SettingValues::Changes() const {
  SettingsChange change;
  for (const auto &[mirror, value] : values_) {
    const Setting *row = FindSetting(mirror);
    if (row == nullptr || Held(mirror) == value)
      continue;
    if (row->Affects == Affected::Window)
      change.Window = true;
    else
      change.Day = std::max(change.Day, row->Affects);
  }
  return change;
}
