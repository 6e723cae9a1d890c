#pragma once

// Windows code page 1252, the code page of packages, of the settings file and
// of what other programs read from us (SELWARTH.TXT, CONTROL.INI, DDE), and
// its meeting with the UTF-8 the program keeps its text in.
//
// Every byte stands for a character: the five bytes the code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the
// same number, as Windows reads them, so that every byte comes back as
// itself. Going the other way, a character the code page lacks is written as
// Windows writes it: its best fit where Windows has one ('A' for U+0100,
// '"' for U+02BA, '8' for the infinity sign), else '?'.
//
// Program text is UTF-8 in which a byte that does not begin a well-formed
// sequence stands for its code page 1252 character: text that comes in code
// page 1252 (a file name, a setting, what the user typed) reads as it always
// has, and UTF-8 reads as UTF-8.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The character byte stands for.
char32_t Cp1252Character(unsigned char byte);
// Whether the code page assigns byte a character of its own (all but five).
bool Cp1252Assigned(unsigned char byte);

// The byte that holds character; nothing when the code page has none.
std::optional<unsigned char> Cp1252Byte(char32_t character);
// The byte Windows writes for character: its own, its best fit, else '?'.
unsigned char Cp1252BestFit(char32_t character);

// Reads the character of program text at text[pos] (pos < text.size()) and
// moves pos past it.
char32_t NextCharacter(std::string_view text, std::size_t &pos);

// Code page 1252 bytes as UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);
// The same in place; ASCII text, the most of every day, is left as it is.
void ConvertCp1252ToUtf8(std::string &text);
// Program text as code page 1252, each character as Cp1252BestFit writes it:
// the bytes of code page 1252 text come back unchanged.
std::string ToCp1252(std::string_view text);
// Whether text is ASCII alone, the same in every form.
bool IsAscii(std::string_view text);
// Program text as well-formed UTF-8.
std::string ToUtf8(std::string_view text);

} // namespace platform
