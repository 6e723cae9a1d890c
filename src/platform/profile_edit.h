#pragma once

// Changing the text of a profile file: setting one key while every other line
// stays as it was, byte for byte. Pure functions over bytes; no file access.

#include <string>
#include <string_view>

#include "platform/result.h"

namespace platform {

// Whether section, key and value can be written as they are, or why not.
// Refused: an empty section or key; a line break (CR or LF) anywhere; '='
// or ']' in a name; a key starting with ';' or '[' (it would read back as a
// comment or a broken section line). Blanks around the names are dropped
// before the checks, as reads drop them.
Result<void> CheckProfileEntry(std::string_view section, std::string_view key,
                               std::string_view value);

// The text of a value line's value part: value itself, or value in double
// quotes when it would not read back unchanged otherwise (blanks at either
// end, or matching quotes around it).
std::string EncodeProfileValue(std::string_view value);

// text with key in section set to value (already checked by
// CheckProfileEntry):
//  - an existing key (its first occurrence in the first such section) gets
//    the new value in place; what precedes the value on its line, the key's
//    own spelling included, and the line's ending stay;
//  - a missing key goes after the last key line of the section (after the
//    header when it has none), so comments and blank lines that close the
//    section stay below it;
//  - a missing section goes at the end of the file, after a blank line.
// New lines take the line ending of the line they follow, else the file's
// first one, else LF: the file is ours and read on this system, whose text
// files end lines with LF, while a file brought over with CR LF keeps getting
// CR LF. A last line without an ending gets one when a line is put after it.
std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

} // namespace platform
