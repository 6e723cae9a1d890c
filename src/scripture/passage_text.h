#pragma once

// The text of passages in one Bible module: each verse's number and its
// words as plain text with the translators' additions in italics
// (scripture/markup_text.h), the books named in the Bible's language.
//
// Never another passage than the one asked for: the book, its chapters and
// each chapter's verses are taken from the module's own versification, and
// a passage outside it is told as such, however libsword would have moved
// it ("Genesis 51" is not Exodus 1, "John 3:37" not John 4:1).

#include <memory>
#include <string>
#include <vector>

#include "platform/result.h"
#include "scripture/bible_passages.h"
#include "scripture/markup_text.h"
#include "scripture/sword_modules.h"

class TSwordBible;

struct TReadVerse {
  int chapter = 0;
  int verse = 0;
  TRuns runs;
  bool paragraph = false; // the verse begins a paragraph
};

struct TPassageRead {
  enum class Fault {
    None,
    NoBook,    // the Bible's versification has no such book
    NoChapter, // the book has fewer chapters (count)
    NoVerse,   // the chapter has fewer verses (count, chapter)
    NoText,    // the Bible has no text for any verse of it
  };
  Fault fault = Fault::None;
  int count = 0;
  int chapter = 0;
  std::vector<TReadVerse> verses;
  bool cut = false; // more verses were asked for than are read (MaxPassageVerses)
};

inline constexpr std::size_t MaxPassageVerses = 500;

class TBible {
public:
  // The module opened for reading: its files checked (scripture/
  // bible_files.h), then opened by libsword. A failure says why.
  static platform::Result<std::unique_ptr<TBible>> Open(const TSwordModule &module);
  ~TBible();
  TBible(const TBible &) = delete;
  TBible &operator=(const TBible &) = delete;

  const TSwordModule &Module() const { return module_; }
  TPassageRead Read(const TPassage &passage);
  // The passage written with its book in the Bible's language: "Génesis
  // 1-2".
  std::string LocalText(const TPassage &passage);
  // The passage's book in the Bible's language: "Génesis".
  std::string BookName(const TPassage &passage);
  // A chapter's heading: "Génesis 2", "Salmos 23".
  std::string ChapterText(const TPassage &passage, int chapter);

private:
  TBible(TSwordModule module, std::unique_ptr<TSwordBible> sword);

  TSwordModule module_;
  std::unique_ptr<TSwordBible> sword_;
};
