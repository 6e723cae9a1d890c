#pragma once

// Loads the module that reads Bibles through libsword (scripture/
// sword_bible.h) from the program's own folder, once, at its first use.

#include <memory>

#include "platform/result.h"
#include "scripture/sword_bible.h"

// Whether libsword can be loaded (the module is there and loads).
bool SwordAvailable();

// The Bible module opened by libsword; a failure says why ("libsword could
// not be loaded: ...", "libsword cannot read the module ...").
platform::Result<std::unique_ptr<TSwordBible>> OpenSwordBible(const TSwordModule &module);
