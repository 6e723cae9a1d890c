#include "passage.h"

namespace concordance {

std::string PlainText(const Passage &passage) {
  std::string text;
  int chapter = 0;
  for (const PassageVerse &verse : passage.verses) {
    if (verse.chapter != chapter) {
      if (chapter != 0)
        text += "\n";
      text += verse.book + " " + std::to_string(verse.chapter) + "\n";
      chapter = verse.chapter;
    }
    text += std::to_string(verse.verse) + " " + verse.text + "\n";
  }
  if (passage.cut)
    text += "...\n";
  return text;
}

} // namespace concordance
