#include "readings/reading_bible.h"

#include <cstdlib>

#include "platform/ascii.h"

namespace {

// "pt-BR", "pt_BR" and "pt" are all Portuguese.
std::string_view Language(std::string_view tag) {
  return tag.substr(0, tag.find_first_of("-_"));
}

const TSwordModule *FirstIn(const std::vector<TSwordModule> &bibles, std::string_view language) {
  for (const TSwordModule &bible : bibles)
    if (!language.empty() && platform::SameAscii(Language(bible.language), Language(language)))
      return &bible;
  return nullptr;
}

} // namespace

std::string DesktopLanguage() {
  for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char *value = std::getenv(name);
    if (value == nullptr || *value == '\0')
      continue;
    std::string_view first(value);
    first = first.substr(0, first.find(':'));
    first = first.substr(0, first.find_first_of("_.@"));
    if (first.empty() || first == "C" || first == "POSIX")
      return "en";
    return std::string(first);
  }
  return "en";
}

const TSwordModule *ChooseReadingBible(const std::vector<TSwordModule> &bibles,
                                       std::string_view stored, std::string_view language) {
  if (const TSwordModule *chosen = FindModule(bibles, stored))
    return chosen;
  if (const TSwordModule *local = FirstIn(bibles, language))
    return local;
  if (const TSwordModule *english = FirstIn(bibles, "en"))
    return english;
  return bibles.empty() ? nullptr : &bibles.front();
}

platform::Result<TBible *> TBibleShelf::Open(const TSwordModule &module) {
  const std::string key = module.name + '\n' + module.dataPath;
  auto known = kept_.find(key);
  if (known == kept_.end()) {
    Kept kept;
    platform::Result<std::unique_ptr<TBible>> bible = TBible::Open(module);
    if (bible)
      kept.bible = std::move(*bible);
    else
      kept.problem = bible.error();
    known = kept_.emplace(key, std::move(kept)).first;
  }
  if (!known->second.bible)
    return platform::Failure(known->second.problem);
  return known->second.bible.get();
}
