#pragma once

// One Bible module read through libsword, which gives each module's
// versification (how many chapters a book has, how many verses a chapter),
// its book names in every language and the verses' stored text. libsword
// lives in a module of its own that the program loads at the first passage
// it reads (scripture/sword_loader.h): linked into the program, it and the
// libraries it needs would add to every start, and its first manager reads
// every locale it has.

#include <optional>
#include <string>

struct TSwordModule;

class TSwordBible {
public:
  virtual ~TSwordBible() = default;

  // How many chapters the book (its OSIS name, "Gen") has in the module's
  // versification; 0 when it has no such book.
  virtual int Chapters(const std::string &osisBook) = 0;
  // How many verses the chapter has; 0 when it has no such chapter.
  virtual int Verses(const std::string &osisBook, int chapter) = 0;
  // The book's name in the module's language ("Génesis"), UTF-8.
  virtual std::string BookName(const std::string &osisBook) = 0;
  // The verse as the module stores it (its markup, its encoding); nullopt
  // when libsword would read another verse than the one asked for.
  virtual std::optional<std::string> Entry(const std::string &osisBook, int chapter, int verse) = 0;
};

// What the libsword module exports: a Bible whose files were checked
// (scripture/bible_files.h) opened, or null when libsword cannot open it.
using OpenSwordBibleFunction = TSwordBible *(const TSwordModule &module);
inline constexpr const char *OpenSwordBibleSymbol = "SelwarthOpenSwordBible";
// The file of that module, beside the program.
inline constexpr const char *SwordModuleFile = "libselwarth-sword.so";
