#include "content/package_pieces.h"

#include <algorithm>
#include <memory>

namespace package {

namespace {

// Holds the further pieces of an entry in at most four nodes. Only the first
// piece that is left with text after cleaning (the screen saver takes it
// alone) and the last two (where the trailer is looked for) have a meaning
// of their own; the pieces between are only ever shown joined, so they are
// joined into one node as they are read. Memory thus follows the text, not
// the number of pieces, however many empty or tiny pieces a package holds.
class BoundedChain {
public:
  explicit BoundedChain(TTextPiece &first) : first_(first), last_(&first) {}

  void Append(std::string text) {
    if (count_ < 4) {
      last_->NextPiece = std::make_unique<TTextPiece>(std::move(text));
      last_ = last_->NextPiece.get();
      if (++count_ == 2)
        middle_ = last_;
      return;
    }
    // No node is made or freed below. A first piece of control bytes alone
    // would be dropped once cleaned (it is not among the last two, where the
    // trailer could be cut from it), so every piece moves up one node, and
    // the one after it may still become the first piece shown.
    TTextPiece *second = first_.NextPiece.get();
    TTextPiece *beforeLast = middle_->NextPiece.get();
    if (OnlyControlBytes(first_.Text)) {
      first_.Text = std::move(second->Text);
      second->Text = std::move(middle_->Text);
      middle_->Text = std::move(beforeLast->Text);
    } else {
      // The piece before the last two joins the middle.
      middle_->Text += beforeLast->Text;
    }
    beforeLast->Text = std::move(last_->Text);
    last_->Text = std::move(text);
  }

private:
  static bool OnlyControlBytes(const std::string &text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 32; });
  }

  TTextPiece &first_;
  TTextPiece *last_;
  TTextPiece *middle_ = nullptr; // the node the pieces between are joined into
  int count_ = 0;                // nodes after the first piece
};

} // namespace

platform::Result<std::string> ReadPiece(PackageBytes &bytes, std::uint64_t &position) {
  unsigned char length = 0;
  if (bytes.Read(position, &length, 1)) {
    std::string text(length, '\0');
    if (bytes.Read(position + 1, text.data(), text.size())) {
      position += 1 + length;
      return text;
    }
  }
  const bool pastEnd = position >= bytes.Size() || bytes.Size() - position < 1u + length;
  return platform::Failure("the piece at byte " + std::to_string(position) +
                           (pastEnd ? " runs past the end of the file" : " cannot be read"));
}

EntryRead ReadEntryPieces(PackageBytes &bytes, const Header &header, int slot, TTextPiece &first) {
  first = TTextPiece();
  if (slot < 0 || slot >= SlotCount)
    return EntryRead::Damaged;
  std::uint64_t position = header.SlotOffsets[slot];
  // The entry ends where the next slot begins (read on past it when that
  // lies before it, as the damaged do).
  bytes.ReadUpTo(std::min<std::uint64_t>(header.SlotOffsets[slot + 1], position + MaxEntrySpan));
  platform::Result<std::string> firstPiece = ReadPiece(bytes, position);
  if (!firstPiece)
    return EntryRead::Damaged;
  first.Text = std::move(*firstPiece);
  if (first.Text.empty())
    return EntryRead::Nothing;

  // Every piece moves the position on by at least its length byte, so the
  // loop ends at the next slot's offset, at the end of the file or past the
  // most an entry may take.
  const std::uint64_t start = header.SlotOffsets[slot];
  const std::uint64_t slotEnd = header.SlotOffsets[slot + 1];
  std::uint64_t textSize = first.Text.size();
  BoundedChain chain(first);
  while (position < slotEnd && position < header.FileSize) {
    platform::Result<std::string> piece = ReadPiece(bytes, position);
    if (!piece || (textSize += piece->size()) > MaxEntryText || position - start > MaxEntrySpan) {
      first = TTextPiece();
      return EntryRead::Damaged;
    }
    chain.Append(std::move(*piece));
  }
  return EntryRead::Entry;
}

} // namespace package
