#pragma once

// Reads the lines of a package source (see docs/package-source.md): a header
// of "Key: value" lines, then one block per entry introduced by a line naming
// its slot in brackets. Values are kept as written; source_compiler turns
// them into package bytes.

#include <functional>
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

struct SourceHeader {
  std::optional<SourceLine> type;
  std::vector<SourceLine> titles; // one more than a package may have, at most
  std::optional<SourceLine> marker;
  std::optional<SourceLine> description;
};

// Takes each entry as soon as its last line is read, in source order, each
// slot at most once; the header is complete by then.
using EntrySink = std::function<void(const SourceHeader &header, SourceEntry &&entry)>;

// Lines in error are reported to diagnostics and left out, so that compiling
// what is left can report further errors. The entries go to sink one by one,
// so that a source costs no more than the entry being read besides its text;
// an entry of more lines than an entry can hold text is cut short with an
// error. The header comes back.
SourceHeader ParseSource(std::string_view text, Diagnostics &diagnostics, const EntrySink &sink);

} // namespace qxp
