#pragma once

// The text of a package source value and the bytes it stands for.
//
// A value is UTF-8. Each character is stored as its byte in the code page;
// control characters are refused. Two escapes reach what plain text cannot:
//   {xHH}  the byte HH (two hex digits), stored as it is
//   {|}    a piece break (entries only): the entry is stored in exactly the
//          pieces the breaks give, instead of being laid out by qxp
// A "{" that does not begin one of these is an ordinary character.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "qxp/codepage.h"

namespace qxp {

struct DecodedText {
  std::string bytes;
  std::vector<std::size_t> pieceBreaks; // offsets into bytes, in order
  std::vector<std::size_t> escapes;     // offsets of the bytes written {xHH}
};

// Decodes a value; on failure returns nothing and says why in error
// (for example "U+4E2D '中' is not in code page 1252"). It fails too, without
// reading on, when the bytes and piece breaks together pass limit: the bytes
// the value may take in the package.
std::optional<DecodedText> DecodeSourceText(std::string_view text, CodePage codePage,
                                            bool allowPieceBreaks, std::string &error,
                                            std::size_t limit = SIZE_MAX);

// The source text of bytes: the reverse of DecodeSourceText. Bytes that have
// no printable character, and spaces at either end (which a source line would
// lose), are written as {xHH}; so is the byte at asByte, when given.
std::string EncodeSourceText(std::string_view bytes, CodePage codePage,
                             std::optional<std::size_t> asByte = std::nullopt);

// The source text of an entry stored in the given pieces, with {|} between
// them.
std::string EncodeSourcePieces(const std::vector<std::string> &pieces, CodePage codePage);

} // namespace qxp
