#include "qxp/codepage.h"

#include <array>
#include <cstdio>

#include "content/oem_to_ansi.h"
#include "content/package_format.h"
#include "platform/code_page_1252.h"
#include "qxp/codepage_tables.h"

namespace qxp {

namespace {

// The character of a code page 437 byte from 0x80.
char32_t Ibm437Character(unsigned char byte) {
  return tables::CodePage437[byte - 0x80];
}

} // namespace

CodePage EntryCodePage(std::uint8_t packageType) {
  if (packageType == package::CodePage437Type)
    return CodePage::Ibm437;
  return TextCodePage(packageType);
}

CodePage TextCodePage(std::uint8_t packageType) {
  return packageType == package::Utf8Type ? CodePage::Utf8 : CodePage::Windows1252;
}

const char *CodePageName(CodePage codePage) {
  switch (codePage) {
  case CodePage::Ibm437:
    return "code page 437";
  case CodePage::Utf8:
    return "UTF-8";
  default:
    return "code page 1252";
  }
}

bool CanHold(CodePage codePage, char32_t character) {
  if (codePage == CodePage::Utf8)
    return character >= 0x20 && character <= 0x10FFFF;
  return EncodeChar(codePage, character).has_value();
}

std::optional<unsigned char> EncodeChar(CodePage codePage, char32_t character) {
  if (character < 0x20)
    return std::nullopt;
  if (character < 0x80)
    return static_cast<unsigned char>(character);
  if (codePage == CodePage::Utf8)
    return std::nullopt;
  if (codePage == CodePage::Windows1252) {
    const std::optional<unsigned char> byte = platform::Cp1252Byte(character);
    if (byte && !platform::Cp1252Assigned(*byte))
      return std::nullopt; // the C1 control an unassigned byte stands for
    return byte;
  }
  for (int byte = 0x80; byte < 0x100; ++byte) {
    if (Ibm437Character(static_cast<unsigned char>(byte)) == character)
      return static_cast<unsigned char>(byte);
  }
  return std::nullopt;
}

std::optional<char32_t> DecodeByte(CodePage codePage, unsigned char byte) {
  if (byte < 0x80)
    return byte;
  if (codePage == CodePage::Utf8)
    return std::nullopt; // a byte of a character, not one
  if (codePage == CodePage::Ibm437)
    return Ibm437Character(byte);
  if (!platform::Cp1252Assigned(byte))
    return std::nullopt;
  return platform::Cp1252Character(byte);
}

std::optional<char32_t> ShownChar(CodePage codePage, unsigned char byte) {
  if (codePage == CodePage::Ibm437)
    return DecodeByte(CodePage::Windows1252, OemToAnsi(byte));
  return DecodeByte(codePage, byte);
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
