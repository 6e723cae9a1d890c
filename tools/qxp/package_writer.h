#pragma once

// Writes a package: the header (type, two reserved zero bytes, the title
// count, 41-byte title records padded with zeros, the marker, the 370 slot
// offsets), the entries in slot order and the description piece.

#include <optional>
#include <string>
#include <string_view>

#include "qxp/package_content.h"

namespace qxp {

// The bytes of the package file; nothing (error says why) when the content
// breaks a limit of the format or the file would pass 4 GiB.
std::optional<std::string> SerializePackage(const PackageContent &content, std::string &error);

// Writes bytes to path through a temporary file in the same folder that is
// renamed over path only when everything is written, so that a failure never
// leaves a partial file and never touches an old one. An existing path is
// replaced only when replace is set: otherwise it is kept, and that is the
// failure. On failure returns false and says why in error.
bool WriteFileAtomically(const std::string &path, std::string_view bytes, bool replace,
                         std::string &error);

} // namespace qxp
