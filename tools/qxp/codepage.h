#pragma once

// The encodings of package text, and the UTF-8 a source is written in.
// Entries of a type-1 package are stored in IBM PC code page 437; every text
// of a UTF-8 package (type 8) in UTF-8; every other text of a package (the
// entries of the other types, the titles and the description) in Windows
// code page 1252.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/utf8.h"

namespace qxp {

enum class CodePage { Windows1252, Ibm437, Utf8 };

// How a source names the type of a UTF-8 package ("Type: utf-8").
inline constexpr std::string_view Utf8TypeName = "utf-8";

// The code page the entries of a package of this type are stored in.
CodePage EntryCodePage(std::uint8_t packageType);
// The code page of its titles and description.
CodePage TextCodePage(std::uint8_t packageType);

// The name used in messages: "code page 1252", "code page 437" or "UTF-8".
const char *CodePageName(CodePage codePage);

// Whether text in the code page can hold the character.
bool CanHold(CodePage codePage, char32_t character);

// The byte that holds the character in a code page of one byte a character;
// nothing when the code page has no such character (and for UTF-8, where a
// character beyond ASCII takes several). Only characters from U+0020 are
// mapped: the program drops bytes below 0x20 from entries, so none stands
// for a character.
std::optional<unsigned char> EncodeChar(CodePage codePage, char32_t character);

// The character a byte stands for; nothing for a byte the code page leaves
// undefined (five bytes of code page 1252).
std::optional<char32_t> DecodeByte(CodePage codePage, unsigned char byte);

// The character the program shows for a byte of an entry: a code page 437
// byte is converted to code page 1252 when read, and a few characters do not
// survive that (the not sign and most box drawing become U+00A4, the single
// horizontal line a soft hyphen). Nothing for a byte shown as no character.
std::optional<char32_t> ShownChar(CodePage codePage, unsigned char byte);

// UTF-8, as the program reads and writes it.
using platform::AppendUtf8;
using platform::NextUtf8;

// Code page 1252 text with CR LF line ends (as SELWARTH.TXT and CONTROL.INI
// hold it) as UTF-8 with LF line ends, for a terminal; a byte the code page
// leaves undefined becomes '?'.
std::string TerminalText(std::string_view bytes);

// Code page 1252 text for a terminal that takes the bytes as they are: DEL
// and the bytes 0x80-0x9F, which such a terminal takes as C1 control codes
// (0x9B begins a control sequence), are written as {xHH}, as in a source.
std::string EscapeC1Bytes(std::string_view bytes);

// "U+4E2D" for messages.
std::string CodePointName(char32_t character);

// Control characters: C0, DEL and C1.
constexpr bool IsControl(char32_t character) {
  return character < 0x20 || (character >= 0x7F && character <= 0x9F);
}

} // namespace qxp
