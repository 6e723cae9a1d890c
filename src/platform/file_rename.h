#pragma once

// Renaming a file without ever replacing another.

#include <string>

namespace platform {

// Renames from to to. Fails, and leaves both alone, when to already exists.
// On failure error says why.
bool RenameNoReplace(const std::string &from, const std::string &to, std::string &error);

} // namespace platform
