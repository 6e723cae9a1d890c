#pragma once

// The plain text of an entry of a SWORD module, whatever markup it is kept
// in (OSIS, ThML, GBF, TEI or none): the words as a reader sees them in a
// printed Bible. Tags are dropped, and with them Strong's numbers and
// morphology (<w savlm=...>, <sync .../>, <WG5547>); notes, variant readings
// and editors' section titles are left out (a Psalm's own title is kept);
// the words the translators added (OSIS transChange "added", GBF <FI>,
// ThML <i>) are set in italics; entities become their characters; white
// space folds to single blanks. A pilcrow, a paragraph element or milestone
// and GBF's <CM> end a paragraph.
//
// The text comes from module files of outside origin: the result is UTF-8
// (a byte that is not, becomes U+FFFD), never longer than three times the
// entry, and elements nest at most NestingLimit deep (deeper ones are read
// as text).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_document.h"

enum class TMarkup { Plain, OSIS, ThML, GBF, TEI };

// The markup a module's SourceType names; Plain for none or another.
TMarkup MarkupOf(std::string_view sourceType);

inline constexpr std::size_t NestingLimit = 64;

using TRuns = std::vector<TDocumentRun>;

// The paragraphs of an entry, each its runs (none empty; no paragraph
// without runs).
std::vector<TRuns> MarkupParagraphs(std::string_view entry, TMarkup markup,
                                    bool *opensParagraph = nullptr);
// The paragraphs of an entry whose every line is one: a line break (<br/>,
// <lb/>, a poem's <l>, GBF's <CL>) ends a paragraph, and so does a line end
// of plain text. A devotional's day, whose window shows paragraphs only.
std::vector<TRuns> MarkupLines(std::string_view entry, TMarkup markup);
// The entry as one paragraph (a verse): its paragraphs joined by blanks.
// opensParagraph, when given, tells whether the entry begins a paragraph (a
// pilcrow or a paragraph mark before its first word).
TRuns MarkupRuns(std::string_view entry, TMarkup markup, bool *opensParagraph = nullptr);

// Latin-1 text as UTF-8 (modules without Encoding=UTF-8 are Latin-1).
std::string Latin1ToUtf8(std::string_view text);
