#pragma once

// Renaming a file without ever replacing another.

#include <string>

namespace platform {

// Renames from to to. Fails, and leaves both alone, when to already exists.
// On failure error says why.
bool RenameNoReplace(const std::string &from, const std::string &to, std::string &error);

// The same by a hard link and the removal of the old name, for file systems
// that cannot rename without replacing in one step. When the old name cannot
// be removed, the new one is removed again and the call fails.
bool RenameByLink(const std::string &from, const std::string &to, std::string &error);

} // namespace platform
