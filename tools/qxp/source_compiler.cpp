#include "qxp/source_compiler.h"

#include <cctype>

#include "content/package_format.h"
#include "qxp/entry_layout.h"
#include "qxp/slot_names.h"
#include "qxp/source_text.h"
#include "qxp/trailer_intent.h"

namespace qxp {

namespace {

constexpr std::size_t TitleLength = package::TitleLength;
constexpr std::size_t PieceLength = package::PieceLength;

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

class Compiler {
public:
  Compiler(const ParsedSource &source, Diagnostics &diagnostics)
      : source_(source), diagnostics_(diagnostics) {}

  std::optional<PackageContent> Run() {
    CompileType();
    CompileTitles();
    CompileMarker();
    CompileDescription();
    for (const SourceEntry &entry : source_.entries) {
      if (diagnostics_.Full())
        break;
      CompileEntry(entry);
    }
    if (!diagnostics_.Empty())
      return std::nullopt;
    return std::move(content_);
  }

private:
  // The bytes of a header value in code page 1252, or nothing after an error.
  std::optional<std::string> FieldBytes(const SourceLine &line, std::string_view what) {
    std::string error;
    auto decoded = DecodeSourceText(line.text, CodePage::Windows1252, false, error);
    if (!decoded) {
      diagnostics_.Error(line.number, std::string(what) + ": " + error);
      return std::nullopt;
    }
    return std::move(decoded->bytes);
  }

  void CompileType() {
    if (!source_.type) {
      diagnostics_.Error("no 'Type:' line; the header gives the package type (0 for most)");
      return;
    }
    auto value = ParseDecimal(source_.type->text);
    if (!value || *value > 255 || !package::IsAcceptedType(static_cast<std::uint8_t>(*value))) {
      diagnostics_.Error(source_.type->number,
                         "type '" + source_.type->text +
                             "' is not one of 0, 1, 2, 10, 11, 12, 20, 21, 22, 30, 31, 32");
      return;
    }
    content_.Type = static_cast<std::uint8_t>(*value);
  }

  void CompileTitles() {
    if (source_.titles.empty()) {
      diagnostics_.Error("no 'Title:' line; a package has 1 to 7 titles");
      return;
    }
    for (std::size_t i = 0; i < source_.titles.size(); ++i) {
      const SourceLine &line = source_.titles[i];
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
    if (!source_.marker || IsNone(source_.marker->text))
      return;
    auto bytes = FieldBytes(*source_.marker, "marker");
    if (!bytes)
      return;
    if (bytes->size() != 1) {
      diagnostics_.Error(source_.marker->number,
                         "the marker is one character (such as - \\ ~ |) or 'none'");
      return;
    }
    content_.TrailerMarker = bytes->front();
  }

  void CompileDescription() {
    if (!source_.description)
      return;
    auto bytes = FieldBytes(*source_.description, "description");
    if (!bytes)
      return;
    if (bytes->size() > PieceLength) {
      diagnostics_.Error(source_.description->number, "the description is " +
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
      std::string error;
      auto decoded = DecodeSourceText(line.text, codePage, true, error);
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
    if (auto fault = EntryFault(pieces, content_.TrailerMarker, content_.Type)) {
      diagnostics_.Error(entry.line, where + *fault);
      return std::nullopt;
    }
    return pieces;
  }

  const ParsedSource &source_;
  Diagnostics &diagnostics_;
  PackageContent content_;
};

} // namespace

std::optional<PackageContent> CompileSource(const ParsedSource &source, Diagnostics &diagnostics) {
  return Compiler(source, diagnostics).Run();
}

std::optional<PackageContent> BuildContent(std::string_view text, Diagnostics &diagnostics) {
  return CompileSource(ParseSource(text, diagnostics), diagnostics);
}

} // namespace qxp
