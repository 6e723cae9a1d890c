#include "passage_library.h"

#include <map>

#include "platform/ascii.h"
#include "platform/file_search.h"
#include "scripture/passage_text.h"
#include "scripture/sword_loader.h"

namespace concordance {
namespace {

std::string PlainText(const TRuns &runs) {
  std::string text;
  for (const TDocumentRun &run : runs)
    text += run.text;
  return text;
}

} // namespace

struct PassageLibrary::Modules {
  // Read from the library's confs at the first look-up, as the library's
  // Bibles are opened.
  std::vector<TSwordModule> bibles = InstalledBibleModules(SwordModuleFolders());
  std::map<std::string, std::unique_ptr<TBible>> opened;

  // The catalogue's rule, and then the stand-in's own for a translation
  // that names no module by it: the first Bible whose name contains it
  // ("KJV" finds engKJV2006eb where two Bibles claim that abbreviation).
  const TSwordModule *Find(const std::string &translation) const {
    if (const TSwordModule *module = FindModule(bibles, translation))
      return module;
    std::string wanted = platform::LowerCaseName(translation);
    for (const TSwordModule &module : bibles)
      if (platform::LowerCaseName(module.name).find(wanted) != std::string::npos)
        return &module;
    return nullptr;
  }

  TBible *Open(const TSwordModule &module) {
    auto known = opened.find(module.name);
    if (known == opened.end()) {
      platform::Result<std::unique_ptr<TBible>> bible = TBible::Open(module);
      // A Bible that cannot be opened holds no passage; it is tried again
      // by the next server.
      known = opened.emplace(module.name, bible ? std::move(*bible) : nullptr).first;
    }
    return known->second.get();
  }
};

PassageLibrary::PassageLibrary() = default;
PassageLibrary::~PassageLibrary() = default;

bool PassageLibrary::Available() {
  return SwordAvailable();
}

std::optional<Passage> PassageLibrary::LookUp(const std::string &translation,
                                              const Reference &reference) {
  if (translation.empty())
    return std::nullopt;
  if (!modules_)
    modules_ = std::make_unique<Modules>();
  const TSwordModule *module = modules_->Find(translation);
  std::optional<std::vector<TPassage>> passages = ReadPassages(reference.Text());
  if (module == nullptr || !passages)
    return std::nullopt;
  TBible *bible = modules_->Open(*module);
  if (bible == nullptr)
    return std::nullopt;

  Passage passage;
  passage.reference = reference.Text();
  passage.translation = translation;
  passage.module = module->name;
  passage.description = module->description;
  for (const TPassage &part : *passages) {
    TPassageRead read = bible->Read(part);
    const std::string book = bible->BookName(part);
    for (TReadVerse &verse : read.verses) {
      if (passage.verses.size() == MaxVerses) {
        passage.cut = true;
        break;
      }
      passage.verses.push_back(
          {book, verse.chapter, verse.verse, PlainText(verse.runs), verse.paragraph});
    }
    passage.cut = passage.cut || read.cut;
  }
  if (passage.verses.empty())
    return std::nullopt;
  return passage;
}

} // namespace concordance
