// Feeds arbitrary bytes to the package readers as a package file and checks
// that every result keeps within the limits the rest of the program relies on.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "content/package_format.h"
#include "content/package_reader.h"
#include "content/settings.h"
#include "content/text_export.h"
#include "platform/utf8.h"

namespace {

constexpr DayChoice Days[] = {
    {0, 0, QuoteMethod::Date},     {365, 0, QuoteMethod::Date},      {10, 20, QuoteMethod::Date},
    {200, 364, QuoteMethod::Date}, {364, 1, QuoteMethod::Increment}, {59, 100, QuoteMethod::Random},
};

std::filesystem::path Folder;

void RemoveFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(Folder, ignored);
}

// The package file, in a folder made once for the whole run.
const std::string &PackagePath() {
  static const std::string path = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "selwarth-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
      std::abort();
    Folder = pattern;
    std::atexit(RemoveFolder);
    return (Folder / "FUZZ.QXP").string();
  }();
  return path;
}

void Require(bool condition) {
  if (!condition)
    __builtin_trap();
}

// The reader hands on UTF-8, whatever the package holds; a stored byte
// becomes at most three (the euro sign, a quotation mark, the replacement
// character for a byte that is no part of a character).
constexpr std::size_t MostUtf8 = 3;

void CheckText(const std::string &text, std::size_t storedLimit) {
  Require(text.size() <= MostUtf8 * storedLimit);
  Require(platform::IsUtf8(text));
}

void CheckEntry(const TTextPiece &first, char marker, const std::string &trailer,
                const std::string &title) {
  CheckText(title, 40);
  for (char c : title)
    Require(static_cast<unsigned char>(c) >= 32);
  CheckText(trailer, 255);
  if (first.Text.empty()) {
    // No entry: nothing is handed on.
    Require(!first.NextPiece);
    return;
  }
  Require(marker != 0 || trailer.empty());
  // However many pieces are stored, an entry is held in at most five, and
  // its text is bounded.
  std::size_t pieces = 0;
  std::size_t text = 0;
  for (const TTextPiece *piece = &first; piece != nullptr; piece = piece->NextPiece.get()) {
    ++pieces;
    text += piece->Text.size();
    Require(platform::IsUtf8(piece->Text)); // every piece holds whole characters
    for (char c : piece->Text)
      Require(static_cast<unsigned char>(c) >= 32);
  }
  Require(pieces <= 5);
  Require(text <= MostUtf8 * package::MaxEntryText);
}

void ReadDay(const std::string &path, const DayChoice &day, TextExport &exportFile) {
  TTextPiece first;
  char marker = 0;
  std::string trailer;
  std::string title;
  ReadPackageEntry(path, day, first, marker, trailer, title, &exportFile);
  CheckEntry(first, marker, trailer, title);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string &path = PackagePath();
  std::FILE *file = std::fopen(path.c_str(), "wb");
  if (file == nullptr)
    std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size)
    std::abort();
  std::fclose(file);

  // The export is a regular file of the run's folder, emptied for each
  // input: it refuses a device such as /dev/null.
  TextExport exportFile;
  if (!exportFile.Create((Folder / "SELWARTH.TXT").string()))
    std::abort();
  for (const DayChoice &day : Days)
    ReadDay(path, day, exportFile);
  // One slot that follows the input, so that every slot gets its turn.
  ReadDay(path, {static_cast<std::int16_t>(size % 366), 0, QuoteMethod::Date}, exportFile);

  CheckText(ReadPackageDescription(path), 255);
  return 0;
}
