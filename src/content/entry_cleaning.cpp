#include "content/entry_cleaning.h"

#include <algorithm>

#include "content/oem_to_ansi.h"

void RemoveControlBytes(std::string &text) {
  std::erase_if(text, [](char c) { return static_cast<unsigned char>(c) < 32; });
}

std::string ShownTitle(std::string_view stored) {
  std::string title(stored.substr(0, stored.find('\0')));
  RemoveControlBytes(title);
  return title;
}

void CleanEntryPieces(TTextPiece &first, bool codePage437) {
  for (TTextPiece *piece = &first; piece != nullptr; piece = piece->NextPiece.get()) {
    RemoveControlBytes(piece->Text);
    if (codePage437)
      ConvertOemToAnsi(piece->Text);
  }
}
