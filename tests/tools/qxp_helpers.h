#pragma once

// Helpers shared by the qxp tests: compiling source text in memory and
// reading the numbers of a package.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "qxp/package_content.h"

namespace qxptest {

// A header for sources: type 0, one title "Verse", marker "-".
inline constexpr std::string_view VerseHeader = "Type: 0\nTitle: Verse\nMarker: -\n";

// The content a source compiles to; the test fails on any error.
qxp::PackageContent Compile(std::string_view source);

// The package bytes a source builds to; the test fails on any error.
std::string Build(std::string_view source);

// The error messages of a source that must not compile ("test.qxs:3: ...").
std::vector<std::string> Errors(std::string_view source);

// All messages joined with new lines, for matching.
std::string Joined(const std::vector<std::string> &messages);

std::uint32_t U32At(std::string_view bytes, std::size_t at);
void PutU32(std::string &bytes, std::size_t at, std::uint32_t value);

// SlotOffsets[index] of a package with titleCount titles.
std::size_t OffsetAt(int index, int titleCount = 1);

} // namespace qxptest
