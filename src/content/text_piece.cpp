#include "content/text_piece.h"

namespace {

void ReleaseChain(std::unique_ptr<TTextPiece> piece) {
  while (piece)
    piece = std::move(piece->NextPiece);
}

} // namespace

TTextPiece::~TTextPiece() {
  ReleaseChain(std::move(NextPiece));
}

TTextPiece &TTextPiece::operator=(TTextPiece &&other) noexcept {
  if (this != &other) {
    ReleaseChain(std::move(NextPiece));
    Text = std::move(other.Text);
    NextPiece = std::move(other.NextPiece);
  }
  return *this;
}

TTextPiece &LastPiece(TTextPiece &first) {
  TTextPiece *piece = &first;
  while (piece->NextPiece)
    piece = piece->NextPiece.get();
  return *piece;
}

std::string JoinedText(const TTextPiece &first) {
  std::string text;
  for (const TTextPiece *piece = &first; piece != nullptr; piece = piece->NextPiece.get())
    text += piece->Text;
  return text;
}
