#include "framework/text_clusters.h"

#include <unicode/uchar.h>

#include "platform/code_page_1252.h"

bool JoinsPrevious(char32_t character) {
  if (character < 0x300)
    return false; // no mark comes before the combining diacritics
  if (character == 0x200C || character == 0x200D || (character >= 0xFE00 && character <= 0xFE0F))
    return true; // joiners and variation selectors
  const auto mask = U_GET_GC_MASK(static_cast<UChar32>(character));
  return (mask & U_GC_M_MASK) != 0;
}

std::size_t ClusterEnd(std::string_view text, std::size_t pos) {
  platform::NextCharacter(text, pos);
  while (pos < text.size()) {
    // Every mark is beyond ASCII; the common case needs no decoding.
    if (static_cast<unsigned char>(text[pos]) < 0x80)
      break;
    std::size_t next = pos;
    if (!JoinsPrevious(platform::NextCharacter(text, next)))
      break;
    pos = next;
  }
  return pos;
}

bool HasRightToLeft(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    // Right-to-left scripts begin at U+0590: their UTF-8 leads with 0xD6.
    if (static_cast<unsigned char>(text[pos]) < 0xD6) {
      ++pos;
      continue;
    }
    const auto direction =
        u_charDirection(static_cast<UChar32>(platform::NextCharacter(text, pos)));
    if (direction == U_RIGHT_TO_LEFT || direction == U_RIGHT_TO_LEFT_ARABIC)
      return true;
  }
  return false;
}

bool BeginsCluster(std::string_view text, std::size_t pos) {
  if (pos >= text.size())
    return true;
  const auto byte = static_cast<unsigned char>(text[pos]);
  if (byte < 0x80)
    return true;
  if ((byte & 0xC0) == 0x80)
    return false; // inside a character, or a byte that stands alone: not known here
  return !JoinsPrevious(platform::NextCharacter(text, pos));
}
