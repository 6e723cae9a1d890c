#include "readings/passages_document.h"

#include <string_view>

#include "platform/format_text.h"
#include "platform/translatable.h"
#include "scripture/bible_passages.h"
#include "scripture/passage_text.h"

namespace {

using Kind = TDocumentBlock::Kind;
using Fault = TPassageRead::Fault;

const char *Label(TReadingKind kind) {
  switch (kind) {
  case TReadingKind::Morning:
    return TR_NOOP("READPASSAGES", "Morning");
  case TReadingKind::Evening:
    return TR_NOOP("READPASSAGES", "Evening");
  case TReadingKind::DailyVerse:
    return TR_NOOP("READPASSAGES", "Daily Verse");
  case TReadingKind::Proverb:
    return TR_NOOP("READPASSAGES", "Proverb");
  }
  return "";
}

// Why a passage that reads as one is not in the Bible.
std::string FaultText(const TPassageRead &read, const TPassage &passage, TBible &bible,
                      const std::string &written, const TTranslate &localize) {
  const std::string name =
      bible.Module().description.empty() ? bible.Module().abbreviation : bible.Module().description;
  const std::string book = bible.BookName(passage);
  switch (read.fault) {
  case Fault::NoBook:
    return FormatText(
        localize(TR_NOOP("READPASSAGES", "%1 cannot be read: the %2 has no such book.")),
        {written, name});
  case Fault::NoChapter:
    return FormatText(
        localize(TR_NOOP("READPASSAGES", "%1 cannot be read: in the %2, %3 has %4 chapters.")),
        {written, name, book, std::to_string(read.count)});
  case Fault::NoVerse:
    return FormatText(
        localize(TR_NOOP("READPASSAGES", "%1 cannot be read: in the %2, %3 %4 has %5 verses.")),
        {written, name, book, std::to_string(read.chapter), std::to_string(read.count)});
  case Fault::NoText:
    return FormatText(localize(TR_NOOP("READPASSAGES", "The %1 has no text for %2.")),
                      {name, written});
  case Fault::None:
    break;
  }
  return {};
}

void AddPassage(TTextDocument &document, const TPassage &passage, const std::string &label,
                TBible &bible, const TTranslate &localize) {
  const std::string written = bible.LocalText(passage);
  document.Add(Kind::Heading,
               FormatText(localize(TR_NOOP("READPASSAGES", "%1: %2")), {label, written}));
  TPassageRead read = bible.Read(passage);
  if (read.fault != Fault::None) {
    document.Add(Kind::Notice, FaultText(read, passage, bible, written, localize));
    return;
  }
  const bool chapters = read.verses.front().chapter != read.verses.back().chapter;
  int chapter = 0;
  for (TReadVerse &verse : read.verses) {
    if (chapters && verse.chapter != chapter)
      document.Add(Kind::Subheading, bible.ChapterText(passage, verse.chapter));
    chapter = verse.chapter;
    TDocumentBlock block{Kind::Paragraph, {{std::to_string(verse.verse), false, true}}};
    for (TDocumentRun &run : verse.runs)
      block.runs.push_back(std::move(run));
    document.blocks.push_back(std::move(block));
  }
  if (read.cut)
    document.Add(
        Kind::Notice,
        FormatText(localize(TR_NOOP("READPASSAGES", "Only the first %1 verses of %2 are shown.")),
                   {std::to_string(MaxPassageVerses), written}));
}

} // namespace

TTextDocument PassagesDocument(const std::vector<TDayReading> &readings, TBible *bible,
                               const std::string &bibleProblem, const TTranslate &localize) {
  TTextDocument document;
  if (bible == nullptr) {
    document.Add(Kind::Notice, bibleProblem);
    return document;
  }
  if (readings.empty()) {
    document.Add(Kind::Notice,
                 localize(TR_NOOP("READPASSAGES", "None of the day's packages names a "
                                                  "passage to read.")));
    return document;
  }
  for (const TDayReading &reading : readings) {
    const std::string label = localize(Label(reading.kind));
    for (const TReadingPiece &piece : ReadReadingPieces(reading.reference)) {
      if (piece.passage) {
        AddPassage(document, *piece.passage, label, *bible, localize);
        continue;
      }
      document.Add(Kind::Heading,
                   FormatText(localize(TR_NOOP("READPASSAGES", "%1: %2")), {label, piece.written}));
      document.Add(Kind::Notice,
                   FormatText(localize(TR_NOOP("READPASSAGES",
                                               "%1 cannot be read as a passage of the Bible.")),
                              {piece.written.empty() ? reading.reference : piece.written}));
    }
  }
  return document;
}

std::string PassagesTitle(const std::string &abbreviation, const TTranslate &localize) {
  return FormatText(localize(TR_NOOP("READPASSAGES", "Passages of the Day - %1")), {abbreviation});
}
