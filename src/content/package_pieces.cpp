#include "content/package_pieces.h"

#include <sys/types.h>

#include <limits>

namespace package {

namespace {

bool SeekTo(std::FILE *file, std::uint64_t position) {
  if (position > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()))
    return false;
  return fseeko(file, static_cast<off_t>(position), SEEK_SET) == 0;
}

} // namespace

bool ReadPiece(std::FILE *file, std::uint64_t &position, std::uint64_t fileSize,
               std::string &text) {
  text.clear();
  if (position >= fileSize)
    return false;
  const int length = std::fgetc(file);
  if (length == EOF)
    return false;
  const std::uint64_t end = position + 1 + static_cast<std::uint64_t>(length);
  if (end > fileSize)
    return false;
  text.resize(static_cast<std::size_t>(length));
  if (length > 0 && std::fread(text.data(), 1, text.size(), file) != text.size()) {
    text.clear();
    return false;
  }
  position = end;
  return true;
}

bool ReadPieceAt(std::FILE *file, std::uint64_t &position, std::uint64_t fileSize,
                 std::string &text) {
  text.clear();
  return position < fileSize && SeekTo(file, position) && ReadPiece(file, position, fileSize, text);
}

EntryRead ReadEntryPieces(std::FILE *file, const Header &header, int slot, TTextPiece &first) {
  first = TTextPiece();
  if (slot < 0 || slot >= SlotCount)
    return EntryRead::Damaged;
  std::uint64_t position = header.SlotOffsets[slot];
  if (!ReadPieceAt(file, position, header.FileSize, first.Text))
    return EntryRead::Damaged;
  if (first.Text.empty())
    return EntryRead::Nothing;

  // Every piece moves the position on by at least its length byte, so the
  // loop ends at the next slot's offset or at the end of the file.
  const std::uint64_t slotEnd = header.SlotOffsets[slot + 1];
  TTextPiece *last = &first;
  while (position < slotEnd && position < header.FileSize) {
    auto piece = std::make_unique<TTextPiece>();
    if (!ReadPiece(file, position, header.FileSize, piece->Text)) {
      first = TTextPiece();
      return EntryRead::Damaged;
    }
    last->NextPiece = std::move(piece);
    last = last->NextPiece.get();
  }
  return EntryRead::Entry;
}

} // namespace package
