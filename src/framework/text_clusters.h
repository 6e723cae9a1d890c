#pragma once

// What the device contexts measure and draw as one: a character with the
// characters that join it (combining marks, as the accents and breathings of
// polytonic Greek, the points of Hebrew, and the joiners and variation
// selectors), so that an accent takes no room of its own and is drawn over
// its letter. Text is the program's (platform/code_page_1252.h).

#include <cstddef>
#include <string>
#include <string_view>

// The end of the cluster that starts at text[pos] (pos < text.size()).
std::size_t ClusterEnd(std::string_view text, std::size_t pos);

// Whether the character joins the one before it.
bool JoinsPrevious(char32_t character);

// Whether a character of text is written right to left (Hebrew, Arabic and
// the other scripts of that direction).
bool HasRightToLeft(std::string_view text);

// Whether a character with the marks that join it begins at text[pos] when
// text is read from its start: not inside a character's bytes, and not at a
// mark that joins the character before it. The end of text counts as one.
bool BeginsCluster(std::string_view text, std::size_t pos);

// What a device context measured last. The layout measures a line again each
// time it adds a word: a measure that adds up cluster by cluster (a width in
// one font, with advances from a table), taken of a text that begins with the
// one measured last up to where a cluster begins, is that one's measure plus
// the measure of the rest, which is all that is measured then. Keeping the
// text costs a comparison and a copy: it pays where measuring a character
// costs more than comparing it.
class TLastMeasure {
public:
  template <typename Measure> int Of(std::string_view text, Measure measure) {
    const std::size_t known = text_.size();
    if (known > 0 && text.size() >= known && text.compare(0, known, text_) == 0 &&
        BeginsCluster(text, known)) {
      const std::string_view added = text.substr(known);
      value_ += measure(added);
      text_.append(added);
    } else {
      value_ = measure(text);
      text_.assign(text);
    }
    return value_;
  }
  // What was measured no longer holds (another font is selected).
  void Forget() { text_.clear(); }

private:
  std::string text_;
  int value_ = 0;
};
