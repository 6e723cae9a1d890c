#pragma once

// The mirrors of the keys of section [Selwarth] in SELWARTH.INI, one object
// of them (Settings) owned by the program and lent to the code that reads or
// changes them. They are loaded once at start (LoadSettings) and changed
// afterwards only by the settings dialogs, the Hide Menu command and the
// zoom. On/off settings are 16-bit numbers: 0 is off, anything else on. Each
// mirror is declared once, with its key, default, rule and what it affects,
// in content/settings.def.

#include <cstdint>
#include <string>

#include "content/quote_method.h"

inline constexpr const char *SettingsFile = "SELWARTH.INI";
inline constexpr const char *SettingsSection = "Selwarth";

// Sizes of the text buffers of the stored texts, terminating NUL included: a
// longer stored text is cut to size - 1 characters when read.
inline constexpr std::size_t ConcordanceBuffer = 20;
inline constexpr std::size_t SaverTitleBuffer = 50;
inline constexpr std::size_t QuoteMethodBuffer = 20;
inline constexpr std::size_t LastStartupBuffer = 41;
inline constexpr std::size_t FontNameBuffer = 60;
inline constexpr std::size_t ReadingBibleBuffer = 64;

// Keys the program keeps for itself, with no mirror and no dialog: the date
// text of the last start (the once-a-day rule) and the incremental method's
// counter. The main window's place is kept under x, y, cx and cy
// (window_placement.cpp).
inline constexpr const char *LastStartupKey = "LastStartup";
inline constexpr const char *IncrementNumKey = "IncrementNum";

// The verse window's zoom in percent: its limits and the value an absent
// key gives.
inline constexpr std::int16_t MinZoom = 50;
inline constexpr std::int16_t NormalZoom = 100;
inline constexpr std::int16_t MaxZoom = 400;

// The mirrors, each declared with its key in settings.def. A new object holds
// the value an absent key gives in each, as a new process has them.
struct Settings {
  Settings();

#define SETTING(type, mirror, ...) type mirror{};
#include "content/settings.def"
#undef SETTING
};

// Puts every mirror back to the value an absent key gives.
void ResetSettingsToDefaults(Settings &settings);
