#pragma once

// Copy Text: the whole day's text as plain text on the clipboard, whatever
// the window shows (answers included, no fonts, no gaps but one blank line
// between entries).

#include <string>
#include <vector>

#include "content/day_entries.h"

class TWindow;

// For each entry: the title, CR LF, the body pieces, a space, the trailer,
// CR LF CR LF.
std::string DayText(const TDayEntry *first);

// The same text entry by entry, for a screen reader: a quiz answer only
// when withAnswers (as the window shows it), and a reading plan's progress
// line after its title.
std::vector<std::string> EntryTexts(const TDayEntry *first, bool withAnswers);

// Puts DayText(first) on the clipboard. A busy clipboard copies
// nothing and says nothing.
void CopyDayText(TWindow &owner, const TDayEntry *first);
