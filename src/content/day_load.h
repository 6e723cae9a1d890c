#pragma once

// The daily load: the day's entry of every enabled package in the working
// directory, gathered into DayEntries, with the two exports.

class TWindow;
class TextExport;

inline constexpr const char *TextExportFile = "SELWARTH.TXT";

struct TDayLoadOptions {
  // Touches no file: neither SELWARTH.TXT, nor CONTROL.INI, nor IncrementNum.
  bool ReadOnly = false;
  // With ReadOnly: where the text SELWARTH.TXT would get goes instead,
  // while SaveFile is on.
  TextExport *Export = nullptr;
};

// Rebuilds DayEntries for the current settings and day state, and performs
// the exports. Messages are shown on owner (may be null). When the working
// directory has no package, says so and leaves the day empty.
void LoadDay(TWindow *owner, const TDayLoadOptions &options = {});
