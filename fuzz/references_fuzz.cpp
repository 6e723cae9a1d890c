// Feeds arbitrary text to both ends of the concordance link's references:
// the cuts that take a reference out of a package's entry (the text comes
// from a package file) and the stand-in server's reference parser (the text
// comes from a DDE peer), and the passages a reading is sent to Xiphos as.
// A cut is never empty nor longer than a reference may be and lies inside
// the text; a parsed reference, and a read reading, reads back as itself.

#include <cstdint>
#include <string_view>

#include "reference.h"
#include "scripture/bible_passages.h"
#include "scripture/scripture_reference.h"

namespace {

void Require(bool condition) {
  if (!condition)
    __builtin_trap();
}

void CheckCut(const std::optional<std::string> &cut, std::string_view text) {
  if (!cut)
    return;
  Require(!cut->empty() && cut->size() <= ReferenceLimit);
  Require(text.find(*cut) != std::string_view::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char *>(data), size);
  CheckCut(CutMorningReading(text), text);
  CheckCut(CutEveningReading(text), text);
  CheckCut(CutQuizReference(text), text);
  CheckCut(CutVerseReference(text), text);

  if (std::optional<concordance::Reference> reference = concordance::ParseReference(text)) {
    std::string written = reference->Text();
    std::optional<concordance::Reference> again = concordance::ParseReference(written);
    Require(again.has_value());
    Require(again->Text() == written);
    Require(again->chapter == reference->chapter && again->verse == reference->verse &&
            again->lastChapter == reference->lastChapter &&
            again->lastVerse == reference->lastVerse);
  }
  if (std::optional<std::vector<TPassage>> passages = ReadPassages(text)) {
    std::string list = PassageList(*passages);
    std::optional<std::vector<TPassage>> again = ReadPassages(list);
    Require(again.has_value() && PassageList(*again) == list);
    Require(ReadPassages(passages->front().FirstVerse()).has_value());
  }
  return 0;
}
