#include "view/line_breaks.h"

#include <memory>
#include <unicode/ubrk.h>
#include <unicode/uchar.h>
#include <unicode/utext.h>

#include "platform/code_page_1252.h"

namespace {

// Whether the character belongs to a script written without spaces between
// its words.
bool WrittenWithoutSpaces(char32_t character) {
  if (character < 0x0E00)
    return false; // Latin, Greek, Cyrillic, Hebrew, Arabic and the Indic scripts use spaces
  switch (u_getIntPropertyValue(static_cast<UChar32>(character), UCHAR_LINE_BREAK)) {
  case U_LB_IDEOGRAPHIC:
  case U_LB_CONDITIONAL_JAPANESE_STARTER:
  case U_LB_COMPLEX_CONTEXT:
  case U_LB_H2:
  case U_LB_H3:
  case U_LB_JL:
  case U_LB_JV:
  case U_LB_JT:
    return true;
  default:
    return false;
  }
}

bool HoldsTextWithoutSpaces(std::string_view text) {
  if (platform::IsAscii(text))
    return false;
  for (std::size_t pos = 0; pos < text.size();) {
    // Those scripts begin at U+0E00, written from the byte 0xE0 on.
    if (static_cast<unsigned char>(text[pos]) < 0xE0) {
      ++pos;
      continue;
    }
    if (WrittenWithoutSpaces(platform::NextCharacter(text, pos)))
      return true;
  }
  return false;
}

// The character that ends at, or begins at, offset.
char32_t CharacterBefore(std::string_view text, std::size_t offset) {
  std::size_t start = offset - 1;
  while (start > 0 && offset - start < 4 &&
         (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
    --start;
  return platform::NextCharacter(text, start);
}

struct IteratorClose {
  void operator()(UBreakIterator *iterator) const { ubrk_close(iterator); }
};

// One line break iterator for the thread: making one loads its rules.
UBreakIterator *LineIterator() {
  thread_local std::unique_ptr<UBreakIterator, IteratorClose> iterator = [] {
    UErrorCode status = U_ZERO_ERROR;
    UBreakIterator *made = ubrk_open(UBRK_LINE, "", nullptr, 0, &status);
    return std::unique_ptr<UBreakIterator, IteratorClose>(U_SUCCESS(status) ? made : nullptr);
  }();
  return iterator.get();
}

} // namespace

std::vector<std::size_t> BreaksWithoutSpaces(std::string_view text) {
  std::vector<std::size_t> breaks;
  if (!HoldsTextWithoutSpaces(text))
    return breaks;
  UBreakIterator *iterator = LineIterator();
  if (iterator == nullptr)
    return breaks;
  // The text is UTF-8 already (the reader made it so): a malformed byte
  // reads as one U+FFFD, which keeps the offsets those of the bytes.
  UErrorCode status = U_ZERO_ERROR;
  UText *utext = utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status);
  if (U_FAILURE(status))
    return breaks;
  ubrk_setUText(iterator, utext, &status);
  if (U_SUCCESS(status)) {
    for (int32_t at = ubrk_following(iterator, 0);
         at != UBRK_DONE && at < static_cast<int32_t>(text.size()); at = ubrk_next(iterator)) {
      const auto offset = static_cast<std::size_t>(at);
      if (text[offset - 1] == ' ' || text[offset] == ' ')
        continue; // the layout breaks at spaces itself
      std::size_t after = offset;
      if (WrittenWithoutSpaces(CharacterBefore(text, offset)) ||
          WrittenWithoutSpaces(platform::NextCharacter(text, after)))
        breaks.push_back(offset);
    }
  }
  // The iterator keeps no pointer to the text once it is given another.
  UErrorCode unset = U_ZERO_ERROR;
  ubrk_setText(iterator, nullptr, 0, &unset);
  utext_close(utext);
  return breaks;
}
