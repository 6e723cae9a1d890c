// The Bibles read through libsword: the module the program loads at its
// first passage (scripture/sword_loader.h). Each Bible gets a manager of
// its own that knows that one module, from a configuration made here out of
// the catalogue's checked fields: libsword reads no conf, no folder of
// modules and no other library (its own search would start in the working
// folder, and it adds ~/.sword and ~/sword of its own accord).

#include <memory>
#include <swconfig.h>
#include <swmgr.h>
#include <swmodule.h>
#include <utilstr.h>
#include <versekey.h>
#include <versificationmgr.h>

#include "scripture/sword_bible.h"
#include "scripture/sword_modules.h"

namespace {

// A manager that adds no library of its own.
class OneModuleManager final : public sword::SWMgr {
public:
  using sword::SWMgr::SWMgr;
  void augmentModules(const char *, bool) override {}
};

// libsword's locales are named with an underscore: "pt_BR".
std::string LocaleName(std::string language) {
  for (char &c : language)
    if (c == '-')
      c = '_';
  return language.empty() ? "en" : language;
}

class SwordBible final : public TSwordBible {
public:
  explicit SwordBible(const TSwordModule &module) {
    // The manager reads the configuration it is given but leaves it to its
    // maker.
    config_ = std::make_unique<sword::SWConfig>();
    sword::ConfigEntMap &section = (*config_)[module.name.c_str()];
    section["ModDrv"] = module.driver.c_str();
    // Relative to the root of the file system, so that the path is the
    // checked one whatever the working folder.
    section["DataPath"] = ("." + module.dataPath + "/").c_str();
    for (const auto &[key, value] : {std::pair{"SourceType", &module.sourceType},
                                     {"Encoding", &module.encoding},
                                     {"Versification", &module.versification},
                                     {"CompressType", &module.compressType},
                                     {"BlockType", &module.blockType},
                                     {"Lang", &module.language}})
      if (!value->empty())
        section[key] = value->c_str();
    manager_ = std::make_unique<OneModuleManager>(config_.get(), nullptr, false, nullptr, false);
    sword::stdstr(&manager_->prefixPath, "/");
    manager_->load();
    module_ = manager_->getModule(module.name.c_str());
    if (module_ == nullptr)
      return;
    key_.reset(dynamic_cast<sword::VerseKey *>(module_->createKey()));
    if (key_ == nullptr)
      return;
    key_->setAutoNormalize(false);
    key_->setIntros(false);
    key_->setLocale(LocaleName(module.language).c_str());
    system_ = sword::VersificationMgr::getSystemVersificationMgr()->getVersificationSystem(
        key_->getVersificationSystem());
  }

  bool Opened() const { return module_ != nullptr && key_ != nullptr && system_ != nullptr; }

  int Chapters(const std::string &osisBook) override {
    const sword::VersificationMgr::Book *book = Book(osisBook);
    return book != nullptr ? book->getChapterMax() : 0;
  }

  int Verses(const std::string &osisBook, int chapter) override {
    const sword::VersificationMgr::Book *book = Book(osisBook);
    if (book == nullptr || chapter < 1 || chapter > book->getChapterMax())
      return 0;
    return book->getVerseMax(chapter);
  }

  std::string BookName(const std::string &osisBook) override {
    if (!Place(osisBook, 1, 1))
      return osisBook;
    return key_->getBookName();
  }

  std::optional<std::string> Entry(const std::string &osisBook, int chapter, int verse) override {
    if (verse < 1 || verse > Verses(osisBook, chapter) || !Place(osisBook, chapter, verse))
      return std::nullopt;
    module_->setKey(*key_);
    // The key the module landed on must be the one asked for: libsword
    // moves a key it cannot place to a neighbour without an error.
    auto *at = dynamic_cast<sword::VerseKey *>(module_->getKey());
    if (module_->popError() != 0 || at == nullptr || osisBook != at->getOSISBookName() ||
        at->getChapter() != chapter || at->getVerse() != verse)
      return std::nullopt;
    return std::string(module_->getRawEntry());
  }

private:
  const sword::VersificationMgr::Book *Book(const std::string &osisBook) const {
    int number = system_->getBookNumberByOSISName(osisBook.c_str());
    return number > 0 ? system_->getBook(number - 1) : nullptr;
  }

  // Sets the key to the verse; false when the versification has no such
  // book.
  bool Place(const std::string &osisBook, int chapter, int verse) {
    int number = system_->getBookNumberByOSISName(osisBook.c_str());
    if (number <= 0)
      return false;
    const int oldTestament = system_->getBMAX()[0];
    key_->setTestament(number <= oldTestament ? 1 : 2);
    key_->setBook(static_cast<char>(number <= oldTestament ? number : number - oldTestament));
    key_->setChapter(chapter);
    key_->setVerse(verse);
    return key_->getOSISBookName() == osisBook;
  }

  std::unique_ptr<sword::SWConfig> config_; // outlives the manager
  std::unique_ptr<OneModuleManager> manager_;
  sword::SWModule *module_ = nullptr;
  std::unique_ptr<sword::VerseKey> key_;
  const sword::VersificationMgr::System *system_ = nullptr;
};

} // namespace

extern "C" __attribute__((visibility("default"))) TSwordBible *
SelwarthOpenSwordBible(const TSwordModule &module) {
  auto bible = std::make_unique<SwordBible>(module);
  return bible->Opened() ? bible.release() : nullptr;
}
