#pragma once

// The daily load: the day's entry of every enabled source (the packages in
// the working directory, the SWORD library's devotionals), with the two
// exports. The load tells the user nothing itself:
// what went wrong comes back with the entries, for the caller to tell.

#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "content/day_entries.h"
#include "content/package_slot.h"

struct DayState;
struct Settings;
class TextExport;

inline constexpr const char *TextExportFile = "SELWARTH.TXT";

struct TDayLoadOptions {
  // Touches no file: neither SELWARTH.TXT, nor CONTROL.INI, nor IncrementNum.
  bool ReadOnly = false;
  // With ReadOnly: where the text SELWARTH.TXT would get goes instead,
  // while SaveFile is on.
  TextExport *Export = nullptr;
  // Off: each entry goes to the exports and is let go, so that a load of
  // many packages holds one entry at a time (LoadedDay::Shown counts them).
  bool KeepEntries = true;
  // Called with each entry the load read, at once (after its export), and
  // the day it was read at.
  std::function<void(const TDayEntry &, const DayChoice &)> EachEntry = nullptr;
};

// Something the load met that the user should hear of, in the words and
// under the caption the program has always used.
struct DayLoadProblem {
  enum class Kind {
    NoPackages,      // no package in the working directory, no devotional: the day is empty
    TextNotSaved,    // SELWARTH.TXT could not be made or written: the day shows all the same
    MarqueeNotSaved, // the screen saver text could not be written to CONTROL.INI
  };
  Kind What;
  std::string Text;
  std::string Caption;
  std::string Reason = {}; // the system's words for what failed, in Text too
};

struct LoadedDay {
  std::unique_ptr<TDayEntry> Entries; // null when no package has anything for the day
  std::size_t Shown = 0;              // sources with an entry for the day
  bool HasAnswers = false;            // some entry has a quiz answer
  std::vector<DayLoadProblem> Problems;
  // Why a devotional whose files cannot be read shows nothing, a sentence
  // each: the day shows the rest, and the window says nothing of them (About
  // Packages does, and qxp today on its standard error).
  std::vector<std::string> SkippedSources;
};

// Chooses the day slot for a load at localTime (the day's DayIndex, by the
// quote method of the settings and the day state), reads the day's entry of every enabled
// source and performs the exports. When there is no source, chooses nothing
// and says so among the problems.
LoadedDay LoadDay(const Settings &settings, DayState &day, const std::tm &localTime,
                  const TDayLoadOptions &options = {});
