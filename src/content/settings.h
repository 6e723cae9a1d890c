#pragma once

// The program-wide mirrors of the keys of section [Selwarth] in SELWARTH.INI.
// They are loaded once at start (LoadSettings) and changed afterwards only by
// the settings dialogs, the Hide Menu command and the zoom. On/off settings
// are 16-bit numbers: 0 is off, anything else on. Each mirror's key, default
// and rule are a row of the settings table (content/settings_table.h).

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

// Keys the program keeps for itself, with no mirror and no dialog: the date
// text of the last start (the once-a-day rule) and the incremental method's
// counter. The main window's place is kept under x, y, cx and cy
// (window_placement.cpp).
inline constexpr const char *LastStartupKey = "LastStartup";
inline constexpr const char *IncrementNumKey = "IncrementNum";

extern std::int16_t EveryStartup;
extern std::int16_t HideMenu;
extern std::int16_t JustifyText;
extern std::int16_t SaveFile;
extern std::int16_t UpdateDaily;
extern std::int16_t Topmost;
extern std::int16_t BlankLines;
extern std::int16_t ScreenSaver;
extern std::string ConcordanceServer;      // at most 19 characters
extern std::string ConcordanceTranslation; // at most 19 characters
extern std::string SaverPackage;           // the SaverTitle key, at most 49 characters
extern std::int16_t PlanOffset;            // 0..364, the reading plan's start day
extern QuoteMethod QuoteMethodCode;        // stored as its name (content/quote_method.h)
// The verse window's zoom in percent (the key Zoom, an addition of ours that
// older files lack): MinZoom to MaxZoom, NormalZoom when absent.
extern std::int16_t Zoom;
inline constexpr std::int16_t MinZoom = 50;
inline constexpr std::int16_t NormalZoom = 100;
inline constexpr std::int16_t MaxZoom = 400;
// The font of every package without a font of its own (the keys
// DefaultFontName and DefaultFontSize, additions of ours): none while the
// name is empty, and such a package is then shown in "System" at 10.
extern std::string DefaultFontName; // at most 59 characters
extern std::int16_t DefaultFontSize;

// Puts every mirror back to the value an absent key gives (tests start here).
void ResetSettingsToDefaults();
