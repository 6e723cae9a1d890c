#pragma once

// The day's passages as a document to read: each passage under its heading
// ("Morning: Genesis 1-2", the book named in the Bible's language), a
// chapter's heading where a passage runs over several, one verse a
// paragraph after its number, and in place of a passage that cannot be read
// a line that says which and why. The window shows it, Copy and qxp
// passages give it as plain text.

#include <functional>
#include <string>
#include <vector>

#include "platform/text_document.h"
#include "readings/day_readings.h"

class TBible;

// The translation of a text of this file (English as written, UTF-8).
using TTranslate = std::function<std::string(const char *english)>;

// The document of readings in bible; with no Bible to read them in (null),
// bibleProblem says why instead.
TTextDocument PassagesDocument(const std::vector<TDayReading> &readings, TBible *bible,
                               const std::string &bibleProblem, const TTranslate &localize);

// The window's title: "Passages of the Day - KJV".
std::string PassagesTitle(const std::string &abbreviation, const TTranslate &localize);
