#pragma once

// The sources of the day's entries: the packages of the working folder and
// the daily devotionals of the SWORD library. Lists (Package Settings,
// About Packages, the Screen Saver's list) and the daily load take them
// from here, in one order: the packages as the file search gives them (the
// .OFF files after the .QXP files), then the devotionals by module name.
//
// A package is on as a .QXP file and off as a .OFF file. A devotional's
// files may be the system's (/usr/share/sword), so it is switched in the
// settings file instead: the key <key>_enabled of [Selwarth], "0" for off;
// a devotional is on until the reader turns it off.

#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"
#include "scripture/sword_modules.h"

enum class TSourceKind { Package, Devotional };

struct TDaySource {
  TSourceKind kind = TSourceKind::Package;
  // As a list shows it: a package's file name as found ("Verse.QXP",
  // "quiz.OFF"), a devotional's module name with ".sword" ("DailyLight.sword").
  std::string name;
  // The name in lower case: the start of the source's settings keys
  // ("verse.qxp_fontname"), the FileName of its entries, SaverPackage's value.
  std::string key;
  bool enabled = true;
  TSwordModule module; // a devotional's module; empty for a package
};

// The ending a devotional's name takes.
inline constexpr const char *DevotionalNameEnding = ".sword";

// The sources, enabled ones only unless withDisabled. A devotional whose
// module name holds more than letters, digits, "_" and "-" is passed over:
// its name could not be a settings key.
std::vector<TDaySource> DaySources(bool withDisabled);

// Turns a source on or off: a package is renamed between .QXP and .OFF, a
// devotional's key written. A failure says why.
platform::Result<void> SwitchSource(const TDaySource &source);

// The source a list shows under name (names are unique: a package is a
// .QXP or .OFF file, a devotional's name ends in ".sword"); null when none.
const TDaySource *SourceNamed(const std::vector<TDaySource> &sources, std::string_view name);

// The name a package takes when switched: .OFF for a .QXP file, .QXP for
// any other.
std::string SwitchedPackageName(const std::string &name);

// What About Packages says of a source: a package's description
// (ReadPackageDescription), a devotional's Description from its conf, and
// why its files cannot be read when they cannot; empty when there is none.
std::string SourceDescription(const TDaySource &source);
