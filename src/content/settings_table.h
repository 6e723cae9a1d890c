#pragma once

// The table of the settings of section [Selwarth] that the program keeps in
// program-wide mirrors (content/settings.h): each key with the mirror it
// fills, the value an absent key gives, the buffer a text is read into and
// the rule a stored number must meet. Loading (LoadSettings), resetting
// (ResetSettingsToDefaults) and every save (StoreSettings) go through it, so
// a new setting is its mirror, one row here and the dialog that edits it.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "content/quote_method.h"

// Where a setting lives while the program runs: a 16-bit number (the on/off
// settings, 0 off and anything else on, and the numbers), a text, or the
// quote method, stored as its name.
using SettingMirror = std::variant<std::int16_t *, std::string *, QuoteMethod *>;

struct Setting {
  const char *Key;
  SettingMirror Mirror;
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

// The row whose mirror is the given variable, or nullptr.
const Setting *FindSetting(const SettingMirror &mirror);
