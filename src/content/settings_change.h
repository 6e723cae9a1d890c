#pragma once

// The values of settings at one moment, to put back or to compare with
// later: a dialog that could not save puts its settings back, and the main
// window learns from the comparison what a dialog's changes ask of it.

#include <span>
#include <utility>
#include <variant>
#include <vector>

#include "content/settings_table.h"

// What changed settings ask of the main window, from what their rows say
// they affect.
struct SettingsChange {
  // The most the day needs: Nothing, Drawing (a repaint), Layout (a new
  // layout) or Content (a reload), each including the ones before it.
  Affected Day = Affected::Nothing;
  // A setting of the windows' own (Topmost) changed.
  bool Window = false;
};

// A setting's value: what its mirror names.
template <class> struct SettingValueOf;
template <class... T> struct SettingValueOf<std::variant<T Settings::*...>> {
  using Type = std::variant<T...>;
};
using SettingValue = SettingValueOf<SettingMirror>::Type;

class SettingValues {
public:
  // Every setting of the table as settings holds it now.
  explicit SettingValues(Settings &settings);
  // The given settings as settings holds them now.
  SettingValues(Settings &settings, std::span<const SettingMirror> mirrors);

  // Puts the settings back to these values.
  void Restore() const;
  // What the settings changed since these values ask of the main window.
  SettingsChange Changes() const;

private:
  Settings &settings_;
  std::vector<std::pair<SettingMirror, SettingValue>> values_;
};
