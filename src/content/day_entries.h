#pragma once

// The day's content: one entry for each enabled package that has something
// for the day, in the order the packages were read.

#include <cstdint>
#include <memory>
#include <string>

#include "content/text_piece.h"

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
  std::string Trailer;  // reference, attribution or quiz answer; may be empty
  std::string FileName; // package file name in lower case, at most 100 characters
  std::string FontName; // font face, at most 59 characters
  std::int16_t FontSize = 10;
  // A reading plan's progress line under its heading: the window's alone,
  // set after the load and never part of the day's exports or Copy Text.
  std::string Progress;
  std::unique_ptr<TDayEntry> Next;
};

// Releases a list; a null head does nothing.
void FreeDayEntries(std::unique_ptr<TDayEntry> &head);
