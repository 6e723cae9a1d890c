#pragma once

// One piece of an entry's body. The pieces of an entry are one paragraph,
// joined with nothing between them. A piece is stored with one length byte,
// so it holds at most 255 bytes of code page 1252 text in the package; the
// reader joins the pieces that have no meaning of their own, so a piece in
// memory may hold more (an entry holds at most package::MaxEntryText).

#include <memory>
#include <string>

struct TTextPiece {
  TTextPiece() = default;
  explicit TTextPiece(std::string text) : Text(std::move(text)) {}
  // The chain is released piece by piece, so a damaged package with very many
  // pieces cannot exhaust the stack through nested destructors.
  ~TTextPiece();
  TTextPiece(TTextPiece &&) noexcept = default;
  TTextPiece &operator=(TTextPiece &&) noexcept;

  std::string Text;
  std::unique_ptr<TTextPiece> NextPiece;
};

// The last piece of the chain that starts at first.
TTextPiece &LastPiece(TTextPiece &first);

// All pieces of the chain joined.
std::string JoinedText(const TTextPiece &first);
