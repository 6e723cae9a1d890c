#include "view/verse_picture.h"

#include "content/day_state.h"
#include "content/settings_store.h"
#include "content/settings_table.h"
#include "view/text_layout.h"
#include "view/verse_painter.h"

namespace {

// Each part with its length first, so that no two different days give the
// same key.
void Append(std::string &key, std::string_view part) {
  key += std::to_string(part.size());
  key += ':';
  key += part;
}

void Append(std::string &key, long long number) {
  Append(key, std::to_string(number));
}

} // namespace

std::string LayoutKey(const TRect &client, const TDayEntry *first) {
  std::string key;
  Append(key, client.left);
  Append(key, client.top);
  Append(key, client.right);
  for (const Setting &setting : SettingsTable())
    if (setting.Affects == Affected::Drawing || setting.Affects == Affected::Layout)
      Append(key, StoredText(setting.Mirror));
  Append(key, ShowAnswers);
  for (const TDayEntry *entry = first; entry != nullptr; entry = entry->Next.get()) {
    Append(key, entry->Title);
    Append(key, entry->FontName);
    Append(key, entry->FontSize);
    Append(key, entry->Marker);
    Append(key, entry->Trailer);
    for (const TTextPiece *piece = entry; piece != nullptr; piece = piece->NextPiece.get())
      Append(key, piece->Text);
    key += ';';
  }
  return key;
}

void TVersePicture::Paint(TDC &dc, const TRect &client, TRows rows, const TDayEntry *first,
                          const TVerseColors &colors) {
  std::string key = LayoutKey(client, first);
  for (TColor color : {colors.Heading, colors.Text, colors.AnswerBar, colors.ShownAnswer})
    Append(key, color);
  laidOut_ = key != key_;
  if (!laidOut_) {
    DrawRecord(record_, dc, rows);
    DocumentBottom = bottom_;
    return;
  }
  record_.clear();
  key_.clear(); // an interrupted layout keeps nothing
  TRecordingDC recording(dc, rows, record_);
  PaintDayEntries(recording, client, first, colors);
  bottom_ = DocumentBottom;
  key_ = std::move(key);
}
