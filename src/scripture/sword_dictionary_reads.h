#pragma once

// The reads a dictionary module's index and blocks share
// (scripture/sword_dictionary.h): numbers as the files hold them, ranges of
// a file read only once checked against its size, and an index judged
// whole before it is searched.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/result.h"

struct TDictionaryFile;
struct TDictionaryFiles;

// "The index dailylight.idx of DailyLight " and the like: what a message
// about file begins with (what: "index", "text", "block index", "blocks").
std::string AboutFile(const TDictionaryFiles &files, const TDictionaryFile &file,
                      std::string_view what);

// count bytes of file at offset, which the caller has checked lie inside
// it; a failure when they cannot be read (the file got shorter since).
platform::Result<std::string> ReadRange(const TDictionaryFiles &files, const TDictionaryFile &file,
                                        std::uint64_t offset, std::uint64_t count);

// How many entries of entrySize bytes an index holds; a failure when it is
// larger than DevotionalIndexLimit or ends inside an entry.
platform::Result<std::uint64_t> IndexEntries(const TDictionaryFiles &files,
                                             const TDictionaryFile &index, std::string_view what,
                                             unsigned entrySize);
