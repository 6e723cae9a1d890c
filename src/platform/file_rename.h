#pragma once

// Renaming a file without ever replacing another.

#include <string>

#include "platform/result.h"

namespace platform {

// Renames from to to. Fails, and leaves both alone, when to already exists.
// A failure says why.
Result<void> RenameNoReplace(const std::string &from, const std::string &to);

// The same by a hard link and the removal of the old name, for file systems
// that cannot rename without replacing in one step. When the old name cannot
// be removed, the new one is removed again and the call fails.
Result<void> RenameByLink(const std::string &from, const std::string &to);

} // namespace platform
