#pragma once

// The text of a passage from the SWORD Bible modules installed on the
// system, read through the diatheke program (Debian package "diatheke").

#include <string>

namespace concordance {

// The passage in a module whose name contains the translation abbreviation
// ("KJV" finds engKJV2006eb); empty when diatheke or such a module is not
// installed, or it does not answer within a few seconds.
std::string VerseText(const std::string &translation, const std::string &reference);

} // namespace concordance
