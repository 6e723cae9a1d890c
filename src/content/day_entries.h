#pragma once

// The day's content: one entry for each enabled source (a package, a SWORD
// devotional) that has something for the day, in the order of the sources.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "content/text_piece.h"

// What an entry is, for the commands that look for one (the links, the
// reading view, the plan's progress): a set of these bits, given once by the
// daily load. A package's entry takes them from its title; a devotional's is
// a devotional and nothing else, whatever its heading says.
enum TEntryKind : unsigned {
  EntryReadingPlan = 1U << 0,
  EntryQuiz = 1U << 1,
  EntryDailyVerse = 1U << 2,
  EntryProverb = 1U << 3,
  EntryDevotional = 1U << 4,
};

// An entry begins with its first piece and the chain of further pieces, so
// its body can be walked as one chain that starts at the entry itself.
struct TDayEntry : TTextPiece {
  TDayEntry() = default;
  // The list is released entry by entry, however long it is.
  ~TDayEntry();
  TDayEntry(const TDayEntry &) = delete;
  TDayEntry &operator=(const TDayEntry &) = delete;

  char Marker = 0;      // the package's trailer marker
  std::string Title;    // heading, at most 40 characters
  unsigned Kinds = 0;   // TEntryKind bits
  std::string Trailer;  // reference, attribution or quiz answer; may be empty
  std::string FileName; // package file name in lower case, at most 100 characters
  std::string FontName; // font face, at most 59 characters
  std::int16_t FontSize = 10;
  // A reading plan's progress line under its heading: the window's alone,
  // set after the load and never part of the day's exports or Copy Text.
  std::string Progress;
  std::unique_ptr<TDayEntry> Next;

  bool Is(TEntryKind kind) const { return (Kinds & kind) != 0; }
};

// A devotional's body holds its paragraphs, each ended but the last by this
// character; a package's entry is one paragraph and never holds it.
inline constexpr char ParagraphBreak = '\n';

// The kinds a package's entry of that title has: a reading plan's title
// begins "Through the Bible"; a quiz's holds "Bible Quiz", a daily verse's the
// name of its translation, a proverb's "Proverb".
unsigned PackageEntryKinds(std::string_view title);

// The first entry of the list that is of kind; null when none is.
const TDayEntry *FirstEntryOf(const TDayEntry *head, TEntryKind kind);

// Releases a list; a null head does nothing.
void FreeDayEntries(std::unique_ptr<TDayEntry> &head);
