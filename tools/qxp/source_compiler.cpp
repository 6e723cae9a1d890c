#include "qxp/source_compiler.h"

#include <algorithm>
#include <cctype>

#include "content/package_format.h"
#include "platform/ascii.h"
#include "qxp/entry_layout.h"
#include "qxp/slot_names.h"
#include "qxp/source_parser.h"
#include "qxp/source_text.h"
#include "qxp/trailer_intent.h"

namespace qxp {

namespace {

constexpr std::size_t TitleLength = package::TitleLength;
constexpr std::size_t PieceLength = package::PieceLength;
constexpr std::size_t MaxStored = package::MaxEntrySpan;

std::optional<int> ParseDecimal(std::string_view text) {
  if (text.empty() || text.size() > 3)
    return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c)))
      return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool IsNone(std::string_view text) {
  return text.size() == 4 && std::tolower(static_cast<unsigned char>(text[0])) == 'n' &&
         std::tolower(static_cast<unsigned char>(text[1])) == 'o' &&
         std::tolower(static_cast<unsigned char>(text[2])) == 'n' &&
         std::tolower(static_cast<unsigned char>(text[3])) == 'e';
}

// A UTF-8 package's type in a source, in any case.
bool IsUtf8TypeName(std::string_view text) {
  return platform::SameAscii(text, Utf8TypeName);
}

class Compiler {
public:
  explicit Compiler(Diagnostics &diagnostics) : diagnostics_(diagnostics) {}

  // Compiles an entry as the parser hands it on; the header, complete by
  // then, is compiled before the first.
  void Entry(const SourceHeader &header, const SourceEntry &entry) {
    CompileHeader(header);
    if (!diagnostics_.Full())
      CompileEntry(entry);
  }

  std::optional<PackageContent> Finish(const SourceHeader &header) {
    CompileHeader(header);
    if (!diagnostics_.Empty())
      return std::nullopt;
    return std::move(content_);
  }

private:
  void CompileHeader(const SourceHeader &header) {
    if (header_ != nullptr)
      return;
    header_ = &header;
    CompileType();
    CompileTitles();
    CompileMarker();
    CompileDescription();
  }

  // The bytes of a header value in the package's code page (1252, or UTF-8
  // in a UTF-8 package), or nothing after an error.
  std::optional<std::string> FieldBytes(const SourceLine &line, std::string_view what) {
    std::string error;
    auto decoded = DecodeSourceText(line.text, TextCodePage(content_.Type), false, error);
    if (!decoded) {
      diagnostics_.Error(line.number, std::string(what) + ": " + error);
      return std::nullopt;
    }
    return std::move(decoded->bytes);
  }

  void CompileType() {
    if (!header_->type) {
      diagnostics_.Error("no 'Type:' line; the header gives the package type (0 for most)");
      return;
    }
    if (IsUtf8TypeName(header_->type->text)) {
      content_.Type = package::Utf8Type;
      return;
    }
    // A UTF-8 package is named by its word; its number is the file's.
    auto value = ParseDecimal(header_->type->text);
    if (!value || *value > 255 || *value == package::Utf8Type ||
        !package::IsAcceptedType(static_cast<std::uint8_t>(*value))) {
      diagnostics_.Error(header_->type->number,
                         "type '" + header_->type->text +
                             "' is not one of 0, 1, 2, 10, 11, 12, 20, 21, 22, 30, 31, 32" +
                             (value ? "" : " or utf-8"));
      return;
    }
    content_.Type = static_cast<std::uint8_t>(*value);
  }

  void CompileTitles() {
    if (header_->titles.empty()) {
      diagnostics_.Error("no 'Title:' line; a package has 1 to 7 titles");
      return;
    }
    for (std::size_t i = 0; i < header_->titles.size(); ++i) {
      const SourceLine &line = header_->titles[i];
      if (i == package::MaxTitles) {
        diagnostics_.Error(line.number, "a package has at most 7 titles");
        return;
      }
      auto bytes = FieldBytes(line, "title");
      if (!bytes)
        continue;
      if (bytes->size() > TitleLength) {
        diagnostics_.Error(line.number, "the title is " + std::to_string(bytes->size()) +
                                            " bytes; a title holds at most 40");
        continue;
      }
      content_.Titles.push_back(std::move(*bytes));
    }
  }

  void CompileMarker() {
    if (!header_->marker || IsNone(header_->marker->text))
      return;
    auto bytes = FieldBytes(*header_->marker, "marker");
    if (!bytes)
      return;
    if (bytes->size() != 1) {
      // In UTF-8 only an ASCII character is one byte, which the marker is.
      std::size_t pos = 0;
      const bool oneCharacter =
          content_.Type == package::Utf8Type && NextUtf8(*bytes, pos) && pos == bytes->size();
      diagnostics_.Error(header_->marker->number,
                         oneCharacter ? "the marker of a UTF-8 package is an ASCII character "
                                        "(such as - \\ ~ |) or 'none'"
                                      : "the marker is one character (such as - \\ ~ |) or 'none'");
      return;
    }
    content_.TrailerMarker = bytes->front();
  }

  void CompileDescription() {
    if (!header_->description)
      return;
    auto bytes = FieldBytes(*header_->description, "description");
    if (!bytes)
      return;
    if (bytes->size() > PieceLength) {
      diagnostics_.Error(header_->description->number, "the description is " +
                                                           std::to_string(bytes->size()) +
                                                           " bytes; it holds at most 255");
      return;
    }
    content_.Description = std::move(*bytes);
  }

  void CompileEntry(const SourceEntry &entry) {
    CodePage codePage = EntryCodePage(content_.Type);
    std::string where = DescribeSlot(entry.slot) + ": ";
    DecodedText text;
    std::size_t lastLine = 0; // where the last line's text begins in text.bytes
    bool failed = false;
    for (const SourceLine &line : entry.body) {
      // What the entry takes so far stops the decoding of a line that would
      // take it past the most an entry may take, however long the line.
      const std::size_t stored = text.bytes.size() + text.pieceBreaks.size() + 1;
      std::string error;
      auto decoded = DecodeSourceText(line.text, codePage, true, error,
                                      package::MaxEntrySpan - std::min(stored, MaxStored));
      if (!decoded) {
        diagnostics_.Error(line.number, where + error);
        failed = true;
        continue;
      }
      if (&line != &entry.body.front())
        text.bytes.push_back(' ');
      lastLine = text.bytes.size();
      for (std::size_t at : decoded->pieceBreaks)
        text.pieceBreaks.push_back(lastLine + at);
      for (std::size_t at : decoded->escapes)
        text.escapes.push_back(lastLine + at);
      text.bytes += decoded->bytes;
    }
    if (failed)
      return;
    if (text.pieceBreaks.empty()) {
      if (auto fault = UnmeantTrailer(text, lastLine, content_.TrailerMarker, content_.Type)) {
        diagnostics_.Error(entry.body.back().number, where + *fault);
        return;
      }
    }
    auto pieces = Pieces(text, entry, where);
    if (pieces)
      content_.Entries[entry.slot] = std::move(*pieces);
  }

  std::optional<std::vector<std::string>> Pieces(const DecodedText &text, const SourceEntry &entry,
                                                 const std::string &where) {
    if (text.pieceBreaks.empty()) {
      std::string error;
      auto pieces = LayOutEntry(text.bytes, content_.TrailerMarker, content_.Type, error);
      if (!pieces)
        diagnostics_.Error(entry.line, where + error);
      return pieces;
    }
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t at : text.pieceBreaks) {
      pieces.push_back(text.bytes.substr(start, at - start));
      start = at;
    }
    pieces.push_back(text.bytes.substr(start));
    if (pieces.size() > MostPieces(text.bytes.size())) {
      diagnostics_.Error(entry.line, where + "the entry is cut into " +
                                         std::to_string(pieces.size()) + " pieces for " +
                                         std::to_string(text.bytes.size()) +
                                         " bytes of text; write fewer piece breaks {|} (at most " +
                                         std::to_string(MostPieces(text.bytes.size())) + ")");
      return std::nullopt;
    }
    if (auto fault = EntryFault(pieces, content_.TrailerMarker, content_.Type)) {
      diagnostics_.Error(entry.line, where + *fault);
      return std::nullopt;
    }
    return pieces;
  }

  const SourceHeader *header_ = nullptr; // once compiled
  Diagnostics &diagnostics_;
  PackageContent content_;
};

} // namespace

std::optional<PackageContent> BuildContent(std::string_view text, Diagnostics &diagnostics) {
  Compiler compiler(diagnostics);
  const SourceHeader header =
      ParseSource(text, diagnostics, [&compiler](const SourceHeader &parsed, SourceEntry &&entry) {
        compiler.Entry(parsed, entry);
      });
  return compiler.Finish(header);
}

} // namespace qxp
