#pragma once

// qxp check on a reference picture (.QXR): whether the References dialog can
// show it, and if not, why and how to write it instead; a warning when the
// dialog shows only part of it.

#include <ostream>
#include <string>

namespace qxp {

// Prints the verdict on out; 0 when the picture can be shown (in part or
// whole), else 1.
int CheckPicture(const std::string &path, std::ostream &out);

} // namespace qxp
