#pragma once

// The day's entry of a daily devotional: a SWORD dictionary module (RawLD,
// RawLD4 or zLD) whose keys are the days of the year, "01.01" to "12.31"
// with "02.29" for the leap day. Read with our own reader, bounded, never
// through libsword: the files come from downloads and packages, libsword
// trusts them, and its first manager would cost every start.
//
// The key asked for is the one read: a module without an entry of that key
// has nothing for the day (libsword would move to the nearest key without a
// word).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

struct TSwordModule;

// The largest entry read, its stored bytes (compressed or not), and the
// largest index and block of a zLD module: a module that claims more is
// refused as damaged.
inline constexpr std::uint64_t DevotionalEntryLimit = 1024 * 1024;
inline constexpr std::uint64_t DevotionalIndexLimit = 4 * 1024 * 1024;
inline constexpr std::uint64_t DevotionalBlockLimit = 4 * 1024 * 1024;

// The key of a day: "MM.DD" (month 1..12, day 1..31).
std::string DevotionalKey(int month, int day);

// The entry's text as plain UTF-8, paragraph by paragraph (none empty), its
// markup (the module's SourceType) read as scripture/markup_text.h reads
// it, from Latin-1 unless the module is UTF-8. A line break ends a
// paragraph too, as does a plain text's line end: the day's window shows
// each line apart.
struct TDevotionalEntry {
  std::vector<std::string> paragraphs;
};

// The module's entry of key, nullopt when it has none (an entry without
// text is none). A failure, in a sentence that names the module and the
// file ("The index dailylight.idx of DailyLight points past its text
// dailylight.dat."), when its files are missing, are not regular files, are
// damaged or claim more than the limits, or the entry links in a loop.
//
// The files are the module's data path with .idx and .dat (and .zdx and
// .zdt for zLD); each must be a regular file (a link to one is followed).
// A zLD module's blocks are read when they are compressed with zlib
// (CompressType=ZIP) or LZSS (libsword's default); another compression
// (BZIP2, XZ) is refused in words that name it.
platform::Result<std::optional<TDevotionalEntry>> ReadDevotionalEntry(const TSwordModule &module,
                                                                      std::string_view key);

// The paragraphs of an entry's stored text (its bytes as the module keeps
// them), none empty: each line (a paragraph, a line break, a plain text's
// line end) one, in plain text with its blanks folded.
std::vector<std::string> DevotionalParagraphs(std::string_view stored, const TSwordModule &module);
