#include "view/clipboard_copy.h"

#include <new>

#include "framework/clipboard.h"
#include "framework/message_box.h"

std::string DayText(const TDayEntry *first) {
  std::size_t size = 1;
  for (const TDayEntry *entry = first; entry != nullptr; entry = entry->Next.get())
    size += entry->Title.size() + JoinedText(*entry).size() + entry->Trailer.size() + 8;
  std::string text;
  text.reserve(size);
  for (const TDayEntry *entry = first; entry != nullptr; entry = entry->Next.get()) {
    text += entry->Title;
    text += "\r\n";
    for (const TTextPiece *piece = entry; piece != nullptr; piece = piece->NextPiece.get())
      text += piece->Text;
    text += ' ';
    text += entry->Trailer;
    text += "\r\n\r\n";
  }
  return text;
}

void CopyDayText(TWindow &owner) {
  std::string text;
  try {
    text = DayText(DayEntries.get());
  } catch (const std::bad_alloc &) {
    MessageBox(&owner, "Couldn't allocate enough memory.", "Copy error", MB_OK);
    return;
  }
  TClipboard(owner).SetText(text);
}
