#pragma once

// Which of several things that each have a name and an abbreviation a word
// means (the Bible modules of the SWORD library: "engKJV2006eb", "KJV"):
// the one whose name it is, else the one whose abbreviation it is, without
// regard to case; an empty word means nothing. Names are taken to be unique; an abbreviation that
// more than one thing has means none of them, so that a second thing with a clashing abbreviation
// never takes the place of the one meant.

#include <iterator>
#include <string_view>

#include "platform/ascii.h"

namespace platform {

// A pointer to the element of items the word chooses, null when none;
// name(item) and abbreviation(item) give an element's two texts.
template <class Range, class Name, class Abbreviation>
auto ChooseByName(const Range &items, std::string_view word, Name name, Abbreviation abbreviation)
    -> decltype(&*std::begin(items)) {
  if (word.empty())
    return nullptr;
  for (const auto &item : items)
    if (SameAscii(name(item), word))
      return &item;
  decltype(&*std::begin(items)) chosen = nullptr;
  for (const auto &item : items) {
    if (!SameAscii(abbreviation(item), word))
      continue;
    if (chosen != nullptr)
      return nullptr;
    chosen = &item;
  }
  return chosen;
}

} // namespace platform
