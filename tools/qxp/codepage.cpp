#include "qxp/codepage.h"

#include <array>
#include <cstdio>

#include "content/oem_to_ansi.h"
#include "qxp/codepage_tables.h"

namespace qxp {

namespace {

const std::array<std::uint16_t, 128> &UpperHalf(CodePage codePage) {
  return codePage == CodePage::Ibm437 ? tables::CodePage437 : tables::CodePage1252;
}

} // namespace

CodePage EntryCodePage(std::uint8_t packageType) {
  return packageType == 1 ? CodePage::Ibm437 : CodePage::Windows1252;
}

const char *CodePageName(CodePage codePage) {
  return codePage == CodePage::Ibm437 ? "code page 437" : "code page 1252";
}

std::optional<unsigned char> EncodeChar(CodePage codePage, char32_t character) {
  if (character < 0x20)
    return std::nullopt;
  if (character < 0x80)
    return static_cast<unsigned char>(character);
  const auto &upper = UpperHalf(codePage);
  for (int i = 0; i < 128; ++i) {
    if (upper[i] == character)
      return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

std::optional<char32_t> DecodeByte(CodePage codePage, unsigned char byte) {
  if (byte < 0x80)
    return byte;
  char32_t character = UpperHalf(codePage)[byte - 0x80];
  if (character == 0)
    return std::nullopt;
  return character;
}

std::optional<char32_t> ShownChar(CodePage codePage, unsigned char byte) {
  if (codePage == CodePage::Ibm437)
    return DecodeByte(CodePage::Windows1252, OemToAnsi(byte));
  return DecodeByte(codePage, byte);
}

std::optional<char32_t> NextUtf8(std::string_view text, std::size_t &pos) {
  if (pos >= text.size())
    return std::nullopt;
  auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() - pos < static_cast<std::size_t>(length))
    return std::nullopt;
  for (int i = 1; i < length; ++i) {
    auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80)
      return std::nullopt;
    value = (value << 6) | (next & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
    return std::nullopt;
  pos += length;
  return value;
}

void AppendUtf8(std::string &out, char32_t character) {
  auto put = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
  if (character < 0x80) {
    put(character);
  } else if (character < 0x800) {
    put(0xC0 | (character >> 6));
    put(0x80 | (character & 0x3F));
  } else if (character < 0x10000) {
    put(0xE0 | (character >> 12));
    put(0x80 | ((character >> 6) & 0x3F));
    put(0x80 | (character & 0x3F));
  } else {
    put(0xF0 | (character >> 18));
    put(0x80 | ((character >> 12) & 0x3F));
    put(0x80 | ((character >> 6) & 0x3F));
    put(0x80 | (character & 0x3F));
  }
}

std::string TerminalText(std::string_view bytes) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
      continue;
    AppendUtf8(text, DecodeByte(CodePage::Windows1252, byte).value_or(U'?'));
  }
  return text;
}

std::string EscapeC1Bytes(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (char c : bytes) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x7F || byte > 0x9F) {
      text += c;
      continue;
    }
    char escape[8];
    std::snprintf(escape, sizeof escape, "{x%02X}", byte);
    text += escape;
  }
  return text;
}

std::string CodePointName(char32_t character) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
  return name;
}

} // namespace qxp
