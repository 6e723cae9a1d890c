#pragma once

// A reading read as the passages it names, so that a Bible program that
// parses references its own way is sent only what it reads as we do.
//
// A reading is one or more passages separated by "/" or ";"; a passage may
// carry a label ("Morning:", "Evening:"), which is dropped, and a passage
// without a book ("Ps 23; 24") continues the book before it. A passage is
//   book [chapter[:verse[-verse]] | chapter-chapter | chapter:verse-chapter:verse]
// where the book is its name or the start of it ("Gen", "Matt.", "1 John",
// "Ps"). In a book of one chapter (Obadiah, Philemon, 2 and 3 John, Jude) a
// lone number is a verse: "Jude 3" is Jude 1:3, not a third chapter. A
// chapter beyond the book's last, a verse beyond 176 or a range that runs
// backwards makes the whole reading unreadable.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TPassage {
  std::string book;     // the book's full name: "Genesis", "1 John"
  std::string osisBook; // its OSIS name: "Gen", "1John"
  int chapter = 0;      // 0: the whole book
  int verse = 0;        // 0: the whole chapter
  int lastChapter = 0;
  int lastVerse = 0;
  int bookChapters = 0; // how many chapters the book has

  // Written in full: "Genesis 1-2", "Jude 1:3", "Psalms 119:1-8".
  std::string Text() const;
  // Written as a range even where it is one chapter or verse: "Mark 10-10",
  // "Jude 1:3-3", "Jude 1-1" (the whole book), for a program that lists only
  // what it reads as a range.
  std::string RangeText() const;
  // Its first verse: "Genesis 1:1".
  std::string FirstVerse() const;
};

// One passage of a reading as written (its label dropped), and what it
// reads as; nullopt when it names no book, or numbers the book does not have.
struct TReadingPiece {
  std::string written;
  std::optional<TPassage> passage;
};
// Every passage of a reading, readable or not.
std::vector<TReadingPiece> ReadReadingPieces(std::string_view reading);

// The passages of a reading; nullopt when any of them cannot be read, or
// there is none.
std::optional<std::vector<TPassage>> ReadPassages(std::string_view reading);

// The passages written as one list: "Genesis 1-2; Matthew 1".
std::string PassageList(const std::vector<TPassage> &passages);
// The same with each passage as a range: "Genesis 1-2; Matthew 1-1".
std::string PassageRanges(const std::vector<TPassage> &passages);
