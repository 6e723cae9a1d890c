#pragma once

// Reads the lines of a package source (see docs/package-source.md): a header
// of "Key: value" lines, then one block per entry introduced by a line naming
// its slot in brackets. Values are kept as written; source_compiler turns
// them into package bytes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "qxp/diagnostics.h"

namespace qxp {

struct SourceLine {
  int number = 0;   // 1-based line number in the source
  std::string text; // without the blanks at either end
};

struct SourceEntry {
  int slot = 0;
  int line = 0;                 // the line naming the slot
  std::vector<SourceLine> body; // the text lines, joined with single spaces
};

struct ParsedSource {
  std::optional<SourceLine> type;
  std::vector<SourceLine> titles;
  std::optional<SourceLine> marker;
  std::optional<SourceLine> description;
  std::vector<SourceEntry> entries; // in source order, each slot at most once
};

// Lines in error are reported to diagnostics and left out of the result, so
// that compiling what is left can report further errors.
ParsedSource ParseSource(std::string_view text, Diagnostics &diagnostics);

} // namespace qxp
