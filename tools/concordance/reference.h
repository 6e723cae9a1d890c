#pragma once

// Scripture references as the concordance server understands them:
//   book [chapter[:verse[-verse]] | chapter-chapter]
// where the book is one or more words of letters (a first word may be a
// number 1 to 3: "1 John", "Song of Solomon", "Gen."), e.g. "John 3:16",
// "Genesis 1-2", "Jude", " Psalm 23 ". Blanks around it do not count. A
// range may be written with an en dash (code page 1252 or UTF-8) as well.

#include <optional>
#include <string>
#include <string_view>

namespace concordance {

struct Reference {
  std::string book;
  int chapter = 0;     // 0: the whole book
  int lastChapter = 0; // for a range of chapters
  int verse = 0;       // 0: the whole chapter
  int lastVerse = 0;   // for a range of verses

  // The reference written plainly: "John 3:16-18".
  std::string Text() const;
};

std::optional<Reference> ParseReference(std::string_view text);

} // namespace concordance
