#pragma once

// Turns a parsed package source into the content of a package: converts the
// text to the package's code pages, checks every limit of the format and lays
// out the entries in pieces.

#include <optional>
#include <string_view>

#include "qxp/diagnostics.h"
#include "qxp/package_content.h"

namespace qxp {

// Parses and compiles the text of a source file, an entry at a time, so that
// a source costs its text and the package it makes; nothing when diagnostics
// got an error.
std::optional<PackageContent> BuildContent(std::string_view text, Diagnostics &diagnostics);

} // namespace qxp
