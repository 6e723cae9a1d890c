#pragma once

// UTF-8, the encoding of text inside the program: reading one character,
// writing one, and telling well-formed text from other bytes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Reads one UTF-8 character at text[pos] and moves pos past it. Nothing for a
// malformed sequence (a stray continuation byte, a cut sequence, an overlong
// form, a surrogate, a value above U+10FFFF); pos is then left unchanged.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t &pos);

// Appends the UTF-8 of character (at most U+10FFFF).
void AppendUtf8(std::string &out, char32_t character);

// Whether every byte of text belongs to a well-formed UTF-8 sequence.
bool IsUtf8(std::string_view text);

// Replaces every byte that does not belong to a well-formed sequence with
// U+FFFD, the replacement character, as text that should be UTF-8 shows
// what it cannot be read as.
void ReplaceMalformedUtf8(std::string &text);

// The bytes at the end of text that begin a character without finishing it
// (0 to 3): where a character was cut.
std::size_t CutCharacterLength(std::string_view text);

} // namespace platform
