#include "qxp/trailer_intent.h"

#include <algorithm>
#include <string_view>

#include "content/package_format.h"
#include "qxp/entry_layout.h"

namespace qxp {

namespace {

bool Escaped(const DecodedText &text, std::size_t at) {
  return std::find(text.escapes.begin(), text.escapes.end(), at) != text.escapes.end();
}

// The trailer as the program shows it, as source text for a message.
std::string ShownTrailer(std::string_view raw, char marker, CodePage codePage) {
  std::string shown(raw.substr(1));
  if (marker == package::HyphenMarker)
    shown = "- " + shown;
  return EncodeSourceText(shown, codePage);
}

// What to write instead of a marker that is not meant to start a trailer.
std::string Instead(char marker, CodePage codePage) {
  if (marker == package::HyphenMarker && CanHold(codePage, U'\u2013'))
    return "write an en dash '\u2013' instead of that hyphen";
  return "leave that " + DescribeMarker(marker) + " out, as the marker may stand only where the " +
         "trailer begins";
}

} // namespace

std::optional<std::string> UnmeantTrailer(const DecodedText &text, std::size_t lastLine,
                                          char marker, std::uint8_t packageType) {
  std::string_view bytes = text.bytes;
  auto at = TrailerStart(bytes, marker, packageType);
  if (!at || Escaped(text, *at))
    return std::nullopt;
  CodePage codePage = EntryCodePage(packageType);
  std::string shown = ShownTrailer(bytes.substr(*at), marker, codePage);
  bool markerLine = lastLine < bytes.size() && !Escaped(text, lastLine) &&
                    TrailerStart(bytes.substr(lastLine, 1), marker, packageType);
  if (markerLine) {
    if (*at == lastLine)
      return std::nullopt;
    return "the trailer line '" + EncodeSourceText(bytes.substr(lastLine), codePage) +
           "' holds another " + DescribeMarker(marker) +
           ", where the program begins the trailer, showing \"" + shown + "\"; " +
           Instead(marker, codePage);
  }
  if (*at == 0 || bytes[*at - 1] == ' ')
    return std::nullopt;
  std::size_t word = bytes.rfind(' ', *at);
  word = word == std::string_view::npos ? 0 : word + 1;
  std::size_t wordEnd = std::min(bytes.find(' ', *at), bytes.size());
  return "the " + DescribeMarker(marker) + " in '" +
         EncodeSourceText(bytes.substr(word, wordEnd - word), codePage) +
         "' would begin a trailer, showing \"" + shown + "\"; " + Instead(marker, codePage) +
         ", or end the entry with a trailer line";
}

} // namespace qxp
