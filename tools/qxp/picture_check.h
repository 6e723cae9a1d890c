#pragma once

// qxp check on a reference picture (.QXR): whether the References dialog can
// show it, and if not, why and how to write it instead.

#include <ostream>
#include <string>
#include <string_view>

namespace qxp {

// Whether the path names a picture (ends in .QXR, in any case).
bool IsPicturePath(std::string_view path);

// Prints the verdict on out; 0 when the picture can be shown, else 1.
int CheckPicture(const std::string &path, std::ostream &out);

} // namespace qxp
