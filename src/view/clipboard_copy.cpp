#include "view/clipboard_copy.h"

#include <new>

#include "content/package_format.h"
#include "framework/clipboard.h"
#include "framework/message_box.h"
#include "platform/translatable.h"

namespace {

void AppendEntryText(const TDayEntry &entry, bool withAnswer, bool withProgress,
                     std::string &text) {
  text += entry.Title;
  text += "\r\n";
  if (withProgress && !entry.Progress.empty()) {
    text += entry.Progress;
    text += "\r\n";
  }
  // A devotional's paragraphs each on a line of their own.
  for (const TTextPiece *piece = &entry; piece != nullptr; piece = piece->NextPiece.get())
    for (char c : piece->Text) {
      if (c == ParagraphBreak)
        text += "\r\n";
      else
        text += c;
    }
  if (withAnswer || entry.Marker != package::AnswerMarker) {
    text += ' ';
    text += entry.Trailer;
  }
  text += "\r\n\r\n";
}

} // namespace

std::string DayText(const TDayEntry *first) {
  std::size_t size = 1;
  for (const TDayEntry *entry = first; entry != nullptr; entry = entry->Next.get())
    size += entry->Title.size() + JoinedText(*entry).size() + entry->Trailer.size() + 8;
  std::string text;
  text.reserve(size);
  for (const TDayEntry *entry = first; entry != nullptr; entry = entry->Next.get())
    AppendEntryText(*entry, true, false, text);
  return text;
}

std::vector<std::string> EntryTexts(const TDayEntry *first, bool withAnswers) {
  std::vector<std::string> texts;
  for (const TDayEntry *entry = first; entry != nullptr; entry = entry->Next.get())
    AppendEntryText(*entry, withAnswers, true, texts.emplace_back());
  return texts;
}

void CopyDayText(TWindow &owner, const TDayEntry *first) {
  std::string text;
  try {
    text = DayText(first);
  } catch (const std::bad_alloc &) {
    MessageBox(&owner, TR_NOOP("Messages", "Couldn't allocate enough memory."),
               TR_NOOP("Messages", "Copy error"), MB_OK);
    return;
  }
  TClipboard(owner).SetText(text);
}
