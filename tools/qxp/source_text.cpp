#include "qxp/source_text.h"

#include <cstdio>

#include "content/package_format.h"

namespace qxp {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// The length of the escape that starts at text[pos] ("{x41}" is 5, "{|}" is
// 3), 0 when none starts there.
std::size_t EscapeLength(std::string_view text, std::size_t pos) {
  std::string_view rest = text.substr(pos);
  if (rest.starts_with("{|}"))
    return 3;
  if (rest.size() >= 5 && rest[0] == '{' && rest[1] == 'x' && HexValue(rest[2]) >= 0 &&
      HexValue(rest[3]) >= 0 && rest[4] == '}')
    return 5;
  return 0;
}

std::string ByteEscape(unsigned char byte) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "{x%02X}", byte);
  return escape;
}

std::string ControlError(char32_t character) {
  if (character == '\t')
    return "a tab is not allowed in text (use spaces)";
  return "control character " + CodePointName(character) + " is not allowed in text";
}

std::string ShownName(std::optional<char32_t> character) {
  if (!character)
    return "nothing";
  std::string name = CodePointName(*character) + " '";
  AppendUtf8(name, *character);
  return name + "'";
}

// Appends the source text of the character at bytes[i], which ends before
// end, and gives the bytes it took: one in a code page, the character's in
// UTF-8 (a byte that is not part of one is written as the byte).
std::size_t EncodeAt(std::string &out, std::string_view bytes, std::size_t i, std::size_t end,
                     CodePage codePage) {
  auto byte = static_cast<unsigned char>(bytes[i]);
  bool atEdge = i == 0 || i + 1 == bytes.size();
  if ((byte == ' ' && atEdge) || (byte == '{' && EscapeLength(bytes, i) > 0)) {
    out += ByteEscape(byte);
    return 1;
  }
  if (codePage == CodePage::Utf8 && byte >= 0x80) {
    std::size_t next = i;
    auto character = NextUtf8(bytes.substr(0, end), next);
    if (!character || IsControl(*character)) {
      out += ByteEscape(byte);
      return 1;
    }
    out.append(bytes, i, next - i);
    return next - i;
  }
  auto character = DecodeByte(codePage, byte);
  // A byte the program would show as another character is kept as the byte,
  // since the character itself would be refused when the source is built.
  if (!character || IsControl(*character) || ShownChar(codePage, byte) != character) {
    out += ByteEscape(byte);
    return 1;
  }
  AppendUtf8(out, *character);
  return 1;
}

} // namespace

std::optional<DecodedText> DecodeSourceText(std::string_view text, CodePage codePage,
                                            bool allowPieceBreaks, std::string &error,
                                            std::size_t limit) {
  DecodedText decoded;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (decoded.bytes.size() + decoded.pieceBreaks.size() > limit) {
      error = "the entry takes more than " + std::to_string(package::MaxEntrySpan) +
              " bytes of the package with its piece breaks; an entry holds at most " +
              std::to_string(package::MaxEntryText) + " bytes of text";
      return std::nullopt;
    }
    std::size_t escape = EscapeLength(text, pos);
    if (escape == 3) {
      if (!allowPieceBreaks) {
        error = "a piece break {|} belongs in an entry";
        return std::nullopt;
      }
      decoded.pieceBreaks.push_back(decoded.bytes.size());
      pos += escape;
      continue;
    }
    if (escape == 5) {
      decoded.escapes.push_back(decoded.bytes.size());
      decoded.bytes.push_back(
          static_cast<char>(HexValue(text[pos + 2]) * 16 + HexValue(text[pos + 3])));
      pos += escape;
      continue;
    }
    std::size_t start = pos;
    auto character = NextUtf8(text, pos);
    if (!character) {
      char byte[8];
      std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(text[start]));
      error = std::string("the text is not valid UTF-8 (byte ") + byte + ")";
      return std::nullopt;
    }
    if (IsControl(*character)) {
      error = ControlError(*character);
      return std::nullopt;
    }
    if (codePage == CodePage::Utf8) {
      decoded.bytes.append(text, start, pos - start);
      continue;
    }
    auto byte = EncodeChar(codePage, *character);
    if (!byte) {
      error = CodePointName(*character) + " '" + std::string(text.substr(start, pos - start)) +
              "' is not in " + CodePageName(codePage);
      return std::nullopt;
    }
    if (auto shown = ShownChar(codePage, *byte); shown != character) {
      error = CodePointName(*character) + " '" + std::string(text.substr(start, pos - start)) +
              "' is in " + CodePageName(codePage) + ", but the program shows it as " +
              ShownName(shown);
      return std::nullopt;
    }
    decoded.bytes.push_back(static_cast<char>(*byte));
  }
  if (codePage == CodePage::Utf8 && !platform::IsUtf8(decoded.bytes)) {
    error = "the bytes written {xHH} are not UTF-8, which a UTF-8 package holds";
    return std::nullopt;
  }
  return decoded;
}

std::string EncodeSourceText(std::string_view bytes, CodePage codePage,
                             std::optional<std::size_t> asByte) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    if (i == asByte) {
      out += ByteEscape(static_cast<unsigned char>(bytes[i]));
      ++i;
      continue;
    }
    // A character does not run over the byte to be escaped.
    const std::size_t end = asByte && *asByte > i ? *asByte : bytes.size();
    i += EncodeAt(out, bytes, i, end, codePage);
  }
  return out;
}

std::string EncodeSourcePieces(const std::vector<std::string> &pieces, CodePage codePage) {
  // Spaces are escaped at the ends of the whole entry only: inside it, a space
  // next to a break survives because lines lose only their own edge blanks.
  std::string joined;
  std::vector<std::size_t> breaks;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0)
      breaks.push_back(joined.size());
    joined += pieces[i];
  }
  std::string out;
  std::size_t next = 0;
  for (std::size_t i = 0; i <= joined.size();) {
    while (next < breaks.size() && breaks[next] == i) {
      out += "{|}";
      ++next;
    }
    if (i == joined.size())
      break;
    // A character cut by a piece break is written as its bytes.
    const std::size_t end = next < breaks.size() ? breaks[next] : joined.size();
    i += EncodeAt(out, joined, i, end, codePage);
  }
  return out;
}

} // namespace qxp
