#pragma once

// The program's own text (UTF-8) for a terminal, and the room a terminal
// gives each character.

#include <string>
#include <string_view>

namespace qxp {

// The text as UTF-8 with LF line ends; a control character, which a terminal
// would act on rather than show (a C1 control, as a byte of code page 1252
// that the code page leaves unassigned becomes, among them), is written '?'.
// A byte that is not UTF-8 is taken as code page 1252, as the program does.
std::string TerminalUtf8(std::string_view text);

// The columns a terminal takes for character: 2 for a wide one (Chinese,
// Japanese, Korean, fullwidth forms), 0 for one that joins the character
// before it (a combining mark), else 1. A control counts 1, for the '?' it
// is written as.
int TerminalColumns(char32_t character);

} // namespace qxp
