#include "scripture/passage_text.h"

#include "platform/ascii.h"
#include "scripture/bible_files.h"
#include "scripture/sword_bible.h"
#include "scripture/sword_loader.h"

platform::Result<std::unique_ptr<TBible>> TBible::Open(const TSwordModule &module) {
  if (platform::Result<void> checked = CheckBibleFiles(module); !checked)
    return platform::Failure(checked.error());
  platform::Result<std::unique_ptr<TSwordBible>> sword = OpenSwordBible(module);
  if (!sword)
    return platform::Failure(sword.error());
  return std::unique_ptr<TBible>(new TBible(module, std::move(*sword)));
}

TBible::TBible(TSwordModule module, std::unique_ptr<TSwordBible> sword)
    : module_(std::move(module)), sword_(std::move(sword)) {}

TBible::~TBible() = default;

TPassageRead TBible::Read(const TPassage &passage) {
  TPassageRead read;
  const int chapters = sword_->Chapters(passage.osisBook);
  if (chapters == 0) {
    read.fault = TPassageRead::Fault::NoBook;
    return read;
  }
  const int first = passage.chapter != 0 ? passage.chapter : 1;
  const int last = passage.lastChapter != 0 ? passage.lastChapter
                   : passage.chapter != 0   ? passage.chapter
                                            : chapters;
  if (first > chapters || last > chapters) {
    read.fault = TPassageRead::Fault::NoChapter;
    read.count = chapters;
    return read;
  }
  const TMarkup markup = MarkupOf(module_.sourceType);
  bool anyEntry = false;
  for (int chapter = first; chapter <= last; ++chapter) {
    const int verses = sword_->Verses(passage.osisBook, chapter);
    const int from = chapter == first && passage.verse != 0 ? passage.verse : 1;
    int to = verses;
    if (chapter == last && passage.lastVerse != 0)
      to = passage.lastVerse;
    else if (chapter == last && passage.verse != 0 && passage.lastChapter == 0)
      to = passage.verse;
    if (from > verses || to > verses) {
      read = {};
      read.fault = TPassageRead::Fault::NoVerse;
      read.count = verses;
      read.chapter = chapter;
      return read;
    }
    for (int verse = from; verse <= to; ++verse) {
      if (read.verses.size() == MaxPassageVerses) {
        read.cut = true;
        return read;
      }
      std::optional<std::string> entry = sword_->Entry(passage.osisBook, chapter, verse);
      if (!entry)
        continue;
      anyEntry = anyEntry || !entry->empty();
      bool paragraph = false;
      TRuns runs =
          MarkupRuns(IsUtf8Module(module_) ? *entry : Latin1ToUtf8(*entry), markup, &paragraph);
      // A verse the Bible leaves out (some end a chapter early) shows
      // nothing.
      if (!runs.empty())
        read.verses.push_back({chapter, verse, std::move(runs), paragraph});
    }
  }
  if (!anyEntry || read.verses.empty())
    read.fault = TPassageRead::Fault::NoText;
  return read;
}

std::string TBible::LocalText(const TPassage &passage) {
  return sword_->BookName(passage.osisBook) + passage.Text().substr(passage.book.size());
}

std::string TBible::BookName(const TPassage &passage) {
  return sword_->BookName(passage.osisBook);
}

std::string TBible::ChapterText(const TPassage &passage, int chapter) {
  return sword_->BookName(passage.osisBook) + ' ' + std::to_string(chapter);
}
