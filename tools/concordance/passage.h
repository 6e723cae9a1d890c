#pragma once

// The text of a passage as a Bible module holds it.

#include <string>
#include <vector>

namespace concordance {

struct PassageVerse {
  std::string book; // as the module names it: "Psalms", "I John"
  int chapter = 0;
  int verse = 0;
  std::string text;       // UTF-8, markup removed
  bool paragraph = false; // the verse begins a paragraph
};

struct Passage {
  std::string reference;   // as asked: "John 3:16-18"
  std::string translation; // as asked: "KJV"
  std::string module;      // the module that holds the text: "engKJV2006eb"
  std::string description; // its title: "King James Version"
  std::vector<PassageVerse> verses;
  bool cut = false; // more verses were asked than a window shows
};

// The passage as lines of plain text, one verse a line ("16 For God so ...").
std::string PlainText(const Passage &passage);

} // namespace concordance
