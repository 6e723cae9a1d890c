#include "passage_library.h"

#include <listkey.h>
#include <markupfiltmgr.h>
#include <string_view>
#include <swmgr.h>
#include <swmodule.h>
#include <vector>
#include <versekey.h>

#include "platform/ascii.h"
#include "platform/file_search.h"
#include "platform/name_choice.h"

namespace concordance {
namespace {

// SWORD marks the start of a paragraph with a pilcrow at the front of the
// verse; the window shows a paragraph break instead.
constexpr std::string_view Pilcrow = "\xC2\xB6";

std::string Trimmed(std::string text) {
  std::size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string::npos)
    return {};
  std::size_t end = text.find_last_not_of(" \t\r\n");
  return text.substr(start, end - start + 1);
}

} // namespace

struct PassageLibrary::Modules {
  // Plain UTF-8 text whatever markup a module is stored in.
  sword::SWMgr manager{new sword::MarkupFilterMgr(sword::FMT_PLAIN, sword::ENC_UTF8)};

  sword::SWModule *Find(const std::string &translation) {
    std::vector<sword::SWModule *> bibles;
    for (const auto &[name, module] : manager.getModules())
      if (std::string(module->getType()) == sword::SWMgr::MODTYPE_BIBLES)
        bibles.push_back(module);
    sword::SWModule *const *chosen = platform::ChooseByName(
        bibles, translation, [](const sword::SWModule *module) { return module->getName(); },
        [](const sword::SWModule *module) {
          const char *abbreviation = module->getConfigEntry("Abbreviation");
          return std::string_view(abbreviation != nullptr ? abbreviation : "");
        });
    if (chosen != nullptr)
      return *chosen;
    std::string wanted = platform::LowerCaseName(translation);
    for (sword::SWModule *module : bibles)
      if (platform::LowerCaseName(module->getName()).find(wanted) != std::string::npos)
        return module;
    return nullptr;
  }
};

PassageLibrary::PassageLibrary() = default;
PassageLibrary::~PassageLibrary() = default;

bool PassageLibrary::Available() {
  return true;
}

std::optional<Passage> PassageLibrary::LookUp(const std::string &translation,
                                              const Reference &reference) {
  if (translation.empty())
    return std::nullopt;
  if (!modules_)
    modules_ = std::make_unique<Modules>();
  sword::SWModule *module = modules_->Find(translation);
  if (module == nullptr)
    return std::nullopt;

  Passage passage;
  passage.reference = reference.Text();
  passage.translation = translation;
  passage.module = module->getName();
  passage.description = module->getDescription();

  // The module's own key knows its versification; the list is expanded so
  // "John 3" becomes every verse of the chapter.
  std::unique_ptr<sword::SWKey> key(module->createKey());
  auto *verseKey = dynamic_cast<sword::VerseKey *>(key.get());
  if (verseKey == nullptr)
    return std::nullopt;
  sword::ListKey verses = verseKey->parseVerseList(passage.reference.c_str(), nullptr, true);
  for (verses = sword::TOP; !verses.popError(); verses++) {
    if (passage.verses.size() == MaxVerses) {
      passage.cut = true;
      break;
    }
    module->setKey(verses);
    auto *at = dynamic_cast<sword::VerseKey *>(module->getKey());
    if (at == nullptr || at->getVerse() == 0)
      continue; // a chapter or book heading, not a verse
    PassageVerse verse;
    verse.book = at->getBookName();
    verse.chapter = at->getChapter();
    verse.verse = at->getVerse();
    verse.text = Trimmed(module->stripText());
    if (verse.text.starts_with(Pilcrow)) {
      verse.paragraph = true;
      verse.text = Trimmed(verse.text.substr(Pilcrow.size()));
    }
    passage.verses.push_back(std::move(verse));
  }
  if (passage.verses.empty())
    return std::nullopt;
  return passage;
}

} // namespace concordance
