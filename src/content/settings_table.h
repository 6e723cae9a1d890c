#pragma once

// The table of the settings of section [Selwarth] that the program keeps in
// the mirrors of its Settings (content/settings.h): each key with the mirror it
// fills, what a change of it affects, the value an absent key gives, the
// buffer a text is read into and the rule a stored number must meet. The
// rows come from the declarations in settings.def. Loading (LoadSettings),
// resetting (ResetSettingsToDefaults), every save (StoreSettings), the
// change notice (SettingValues) and the verse window's kept drawing go
// through it, so a new setting is one declaration and the dialog that edits
// it.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "content/quote_method.h"

struct Settings;

// Where a setting lives in a Settings while the program runs: a 16-bit number
// (the on/off settings, 0 off and anything else on, and the numbers), a text,
// or the quote method, stored as its name.
using SettingMirror =
    std::variant<std::int16_t Settings::*, std::string Settings::*, QuoteMethod Settings::*>;

// What the window redoes when a setting changes. Drawing, Layout and Content
// each include the ones before them; Window stands apart.
enum class Affected : std::uint8_t {
  Nothing, // read where it is used, at the next load or start
  Window,  // the windows' own state (Topmost): set on the open windows
  Drawing, // how the day is drawn, not its height: a repaint
  Layout,  // the day's lines and height: a new layout and scroll range
  Content, // the day's entries: the day is loaded again
};

struct Setting {
  const char *Key;
  SettingMirror Mirror;
  Affected Affects = Affected::Nothing;
  // An absent key: Default for the numbers and the quote method's number,
  // DefaultText (read into Buffer bytes) for the texts and the method's name.
  int Default = 0;
  const char *DefaultText = "";
  std::size_t Buffer = 0;
  // What a stored number becomes; none takes it as a 16-bit number.
  std::int16_t (*Checked)(int stored) = nullptr;
};

// Every row, in the order the settings are loaded.
std::span<const Setting> SettingsTable();

// The row whose mirror is the given member, or nullptr.
const Setting *FindSetting(const SettingMirror &mirror);
