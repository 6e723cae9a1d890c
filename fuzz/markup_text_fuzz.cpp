// Feeds arbitrary entries to the reader of a SWORD module's markup, in each
// kind of markup the first byte picks (the entry comes from module files of
// outside origin). The text read is UTF-8, never longer than three times
// the entry (as one verse, a blank more between each two paragraphs), with
// no empty run and no paragraph without runs.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/utf8.h"
#include "scripture/markup_text.h"

namespace {

void Require(bool condition) {
  if (!condition)
    __builtin_trap();
}

std::size_t CheckRuns(const TRuns &runs) {
  std::size_t length = 0;
  for (const TDocumentRun &run : runs) {
    Require(!run.text.empty());
    Require(platform::IsUtf8(run.text));
    length += run.text.size();
  }
  return length;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0)
    return 0;
  const TMarkup markup = static_cast<TMarkup>(data[0] % 5);
  std::string_view entry(reinterpret_cast<const char *>(data) + 1, size - 1);

  std::size_t length = 0;
  const std::vector<TRuns> paragraphs = MarkupParagraphs(entry, markup);
  for (const TRuns &paragraph : paragraphs) {
    Require(!paragraph.empty());
    length += CheckRuns(paragraph);
  }
  Require(length <= 3 * entry.size());
  // As one verse, the paragraphs with a blank between each two.
  Require(CheckRuns(MarkupRuns(entry, markup)) <= 3 * entry.size() + paragraphs.size());

  // Two bytes a letter; a NUL becomes U+FFFD, three.
  const std::string latin = Latin1ToUtf8(entry);
  Require(platform::IsUtf8(latin) && latin.size() <= 3 * entry.size());
  return 0;
}
