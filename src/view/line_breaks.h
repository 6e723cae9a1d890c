#pragma once

// Where a line may break inside a run of text without spaces: between the
// characters of the scripts written without spaces between words (Chinese,
// Japanese, Korean syllables, Thai and its neighbours), at the places
// Unicode's line breaking allows (not before a closing mark such as "。",
// not after an opening one), as ICU finds them. Text with spaces between its
// words breaks at its spaces alone, as it always has.

#include <cstddef>
#include <string_view>
#include <vector>

// The byte offsets, in order, inside text (the program's UTF-8) where a line
// may break without a space; empty for text that holds no script written
// without spaces.
std::vector<std::size_t> BreaksWithoutSpaces(std::string_view text);
