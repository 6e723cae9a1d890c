#include "view/verse_picture.h"

#include <optional>

#include "content/settings.h"
#include "content/settings_store.h"
#include "content/settings_table.h"
#include "view/clipboard_copy.h"
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

// Walks the lines of a drawing record in the order the painter drew them.
class DrawnLines {
public:
  explicit DrawnLines(const TDrawingRecord &record) {
    for (const TDrawCall &call : record)
      if (call.kind == TDrawCall::Text)
        lines_.push_back(&call);
  }

  // The lines the painter broke paragraph into, or nothing when the next
  // lines are not that paragraph (a record of another day).
  std::vector<const TDrawCall *> Paragraph(std::string_view paragraph) {
    std::vector<const TDrawCall *> lines;
    std::size_t position = 0;
    do {
      if (next_ == lines_.size())
        return {};
      const TDrawCall *line = lines_[next_++];
      while (position < paragraph.size() && paragraph[position] == ' ')
        ++position;
      if (paragraph.substr(position, line->text.size()) != line->text)
        return {};
      position += line->text.size();
      lines.push_back(line);
    } while (position < paragraph.size());
    return lines;
  }

private:
  std::vector<const TDrawCall *> lines_;
  std::size_t next_ = 0;
};

// Gives the bytes of part from `from` on the cells of line's characters,
// where the line's text is found; a line not in the part (a hidden answer)
// has none.
void PlaceLine(const TDrawCall &line, std::string_view part, std::size_t &from,
               std::vector<TRect> &cells) {
  const std::size_t at = part.find(line.text, from);
  if (at == std::string_view::npos)
    return;
  for (std::size_t i = 0; i < line.text.size(); ++i)
    cells[at + i] =
        TRect{line.a + line.edges[i], line.b, line.a + line.edges[i + 1], line.b + line.height};
  from = at + line.text.size();
}

// The cells of one entry's readable text, or nothing when the record does
// not draw it.
std::optional<std::vector<TRect>> EntryCells(DrawnLines &drawn, const TDayEntry &entry,
                                             std::string_view part) {
  std::vector<TRect> cells(part.size());
  std::size_t from = 0;
  // The title, a plan's progress, the body and, with a marker, the trailer,
  // as the painter draws them.
  const std::string body = JoinedText(entry);
  std::vector<std::string_view> paragraphs{entry.Title};
  if (!entry.Progress.empty())
    paragraphs.push_back(entry.Progress);
  // A devotional's body is a paragraph each between its breaks.
  std::string_view rest = body;
  for (std::size_t end; (end = rest.find(ParagraphBreak)) != std::string_view::npos;) {
    paragraphs.push_back(rest.substr(0, end));
    rest.remove_prefix(end + 1);
  }
  paragraphs.push_back(rest);
  if (entry.Marker != 0)
    paragraphs.push_back(entry.Trailer);
  for (std::string_view paragraph : paragraphs) {
    const std::vector<const TDrawCall *> lines = drawn.Paragraph(paragraph);
    if (lines.empty())
      return std::nullopt;
    for (const TDrawCall *line : lines)
      PlaceLine(*line, part, from, cells);
  }
  // What is not drawn sits where the character before it ends.
  for (std::size_t i = 1; i < cells.size(); ++i)
    if (cells[i] == TRect{})
      cells[i] =
          TRect{cells[i - 1].right, cells[i - 1].top, cells[i - 1].right, cells[i - 1].bottom};
  return cells;
}

} // namespace

std::string LayoutKey(const Settings &settings, const TRect &client, const TDayEntry *first,
                      bool showAnswers) {
  std::string key;
  Append(key, client.left);
  Append(key, client.top);
  Append(key, client.right);
  for (const Setting &setting : SettingsTable())
    if (setting.Affects == Affected::Drawing || setting.Affects == Affected::Layout)
      Append(key, StoredText(settings, setting.Mirror));
  Append(key, showAnswers);
  for (const TDayEntry *entry = first; entry != nullptr; entry = entry->Next.get()) {
    Append(key, entry->Title);
    Append(key, entry->Progress);
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

void TVersePicture::Paint(TDC &dc, const Settings &settings, const TRect &client, TRows rows,
                          const TDayEntry *first, bool showAnswers, const TVerseColors &colors) {
  std::string key = LayoutKey(settings, client, first, showAnswers);
  for (TColor color : {colors.Heading, colors.Text, colors.AnswerBar, colors.ShownAnswer})
    Append(key, color);
  laidOut_ = key != key_;
  if (!laidOut_) {
    DrawRecord(record_, dc, rows);
    return;
  }
  record_.clear();
  cells_.valid = false;
  key_.clear(); // an interrupted layout keeps nothing
  TRecordingDC recording(dc, rows, record_);
  bottom_ = PaintDayEntries(recording, settings, client, first, showAnswers, colors);
  key_ = std::move(key);
}

const std::vector<std::vector<TRect>> &TVersePicture::ReadableCells(const TDayEntry *first,
                                                                    bool withAnswers) const {
  if (cells_.valid && cells_.first == first && cells_.withAnswers == withAnswers)
    return cells_.parts;
  cells_ = Cells{first, withAnswers, true, {}};
  DrawnLines drawn(record_);
  const std::vector<std::string> parts = EntryTexts(first, withAnswers);
  std::size_t index = 0;
  for (const TDayEntry *entry = first; entry != nullptr; entry = entry->Next.get()) {
    std::optional<std::vector<TRect>> cells = EntryCells(drawn, *entry, parts[index++]);
    if (!cells) {
      cells_.parts.clear();
      break;
    }
    cells_.parts.push_back(std::move(*cells));
  }
  return cells_.parts;
}
