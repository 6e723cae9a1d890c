#pragma once

// File search in a folder: the ordinary files whose names match a pattern
// "*.EXT", the extension compared without regard to case.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Ordinary files (not folders, not hidden) of folder matching pattern, in the
// order of their names compared without regard to case (names equal but for
// case in byte order). The pattern is "*" followed by an extension such as
// ".QXP", or "*" alone for every file. An unreadable folder gives no file.
std::vector<std::string> FindFiles(std::string_view pattern, std::string_view folder = ".");

// Whether name ends in extension (".QXP"), compared without regard to case.
bool HasExtension(std::string_view name, std::string_view extension);

// The name with the ASCII letters A-Z in lower case and nothing else changed,
// the form the program keys a package's settings by.
std::string LowerCaseName(std::string_view name);

// a < b comparing without regard to ASCII case, then by bytes.
bool NameLess(std::string_view a, std::string_view b);

} // namespace platform
