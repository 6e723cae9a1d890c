#include "content/package_reader.h"

#include <memory>
#include <optional>

#include "content/entry_cleaning.h"
#include "content/package_format.h"
#include "content/package_pieces.h"
#include "content/package_slot.h"
#include "content/text_export.h"
#include "content/trailer_split.h"
#include "platform/code_page_1252.h"
#include "platform/regular_file.h"
#include "platform/utf8.h"

namespace {

// A package that is not a regular file (a FIFO or a device in its place) is
// skipped like a damaged one.
platform::RegularFile OpenPackage(std::string_view fileName) {
  platform::Result<platform::RegularFile> opened = platform::OpenRegularFile(std::string(fileName));
  return opened ? std::move(*opened) : platform::RegularFile();
}

// A first piece that held only control bytes, or only the trailer, would hide
// the whole entry (an entry with an empty first piece is not shown), so the
// text of the next piece moves up into it.
void DropEmptyLeadingPieces(TTextPiece &first) {
  while (first.Text.empty() && first.NextPiece) {
    std::unique_ptr<TTextPiece> next = std::move(first.NextPiece);
    first.Text = std::move(next->Text);
    first.NextPiece = std::move(next->NextPiece);
  }
}

// A package cuts its text into pieces by bytes, so a UTF-8 character may be
// cut between two of them; it moves whole into the later one, so that every
// piece is text of its own (the screen saver takes the first piece alone).
void KeepCharactersWhole(TTextPiece &first) {
  for (TTextPiece *piece = &first; piece->NextPiece; piece = piece->NextPiece.get()) {
    const std::size_t cut = platform::CutCharacterLength(piece->Text);
    if (cut == 0)
      continue;
    piece->NextPiece->Text.insert(0, piece->Text, piece->Text.size() - cut, cut);
    piece->Text.resize(piece->Text.size() - cut);
  }
}

// The text of a package as UTF-8, which the program keeps its text in.
void ToProgramText(std::string &text, bool utf8) {
  if (utf8)
    platform::ReplaceMalformedUtf8(text);
  else
    platform::ConvertCp1252ToUtf8(text);
}

// The limits of a package are those of its bytes, so its text is converted
// only once it has been cut and judged.
void ConvertEntryToUtf8(TTextPiece &first, std::string &trailer, std::string &title, bool utf8) {
  for (TTextPiece *piece = &first; piece != nullptr; piece = piece->NextPiece.get())
    ToProgramText(piece->Text, utf8);
  ToProgramText(trailer, utf8);
  ToProgramText(title, utf8);
}

} // namespace

bool ReadPackageEntry(std::string_view fileName, const DayChoice &day, TTextPiece &first,
                      char &marker, std::string &trailer, std::string &title,
                      TextExport *exportFile) {
  first = TTextPiece();
  marker = 0;
  trailer.clear();
  title.clear();

  platform::RegularFile file = OpenPackage(fileName);
  if (!file)
    return false;
  package::PackageBytes bytes(file.Fd(), file.Size());
  // A damaged package shows nothing; qxp check names the damage.
  const platform::Result<package::Header> header = package::ReadHeader(bytes);
  if (!header || !package::IsAcceptedType(header->PackageType))
    return false;
  marker = header->TrailerMarker;
  const std::optional<int> slot = package::ChooseSlot(*header, day);
  if (!slot)
    return false;
  if (package::ReadEntryPieces(bytes, *header, *slot, first) != package::EntryRead::Entry)
    return false;
  file = {};

  const bool utf8 = header->PackageType == package::Utf8Type;
  CleanEntryPieces(first, header->PackageType == package::CodePage437Type);
  std::string finished = SplitTrailer(first, marker);
  if (utf8)
    KeepCharactersWhole(first);
  DropEmptyLeadingPieces(first);
  // A trailer longer than a piece can only come from a damaged package.
  if (first.Text.empty() || finished.size() > static_cast<std::size_t>(package::PieceLength)) {
    first = TTextPiece();
    return false;
  }
  trailer = std::move(finished);
  title = ShownTitle(header->Titles[static_cast<std::size_t>(*slot) % header->Titles.size()]);
  ConvertEntryToUtf8(first, trailer, title, utf8);

  if (exportFile != nullptr)
    exportFile->AppendEntry(title, first, marker, trailer);
  return marker == package::AnswerMarker;
}

std::string ReadPackageDescription(std::string_view fileName) {
  platform::RegularFile file = OpenPackage(fileName);
  if (!file)
    return {};
  package::PackageBytes bytes(file.Fd(), file.Size());
  // A damaged package has no description to show.
  const platform::Result<package::Header> header = package::ReadHeader(bytes);
  if (!header)
    return {};
  std::uint64_t position = header->SlotOffsets[package::DescriptionSlot];
  const platform::Result<std::string> piece = package::ReadPiece(bytes, position);
  if (!piece)
    return {};
  const std::string &description = *piece;

  // The first title leads the description only while the two together hold
  // at most 249 characters.
  const std::string firstTitle = ShownTitle(header->Titles.front());
  std::string shown = firstTitle.size() + description.size() + 4 < 254
                          ? firstTitle + ": " + description
                          : description;
  ToProgramText(shown, header->PackageType == package::Utf8Type);
  return shown;
}
