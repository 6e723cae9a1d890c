#include "view/drawing_record.h"

#include <algorithm>
#include <utility>

#include "framework/text_clusters.h"
#include "platform/code_page_1252.h"

namespace {

// Whether a line drawn at y in a font of the given height may show in rows.
// A line's glyphs may reach a little past its cell (accents, descenders,
// italics): a line's height of room on each side keeps them.
bool MayShow(const TDrawCall &call, TRows rows) {
  const long long top = static_cast<long long>(call.b) - call.height;
  const long long bottom = static_cast<long long>(call.b) + 2LL * call.height;
  return bottom > rows.top && top < rows.bottom;
}

TDrawCall CallOf(TDrawCall::Kind kind, int a = 0, int b = 0) {
  TDrawCall call;
  call.kind = kind;
  call.a = a;
  call.b = b;
  return call;
}

void MakeCall(const TDrawCall &call, TDC &dc, TRows rows) {
  switch (call.kind) {
  case TDrawCall::Font:
    dc.SelectFont(call.font);
    break;
  case TDrawCall::TextColor:
    dc.SetTextColor(static_cast<TColor>(call.a));
    break;
  case TDrawCall::BkColor:
    dc.SetBkColor(static_cast<TColor>(call.a));
    break;
  case TDrawCall::BkMode:
    dc.SetBkMode(call.a);
    break;
  case TDrawCall::Justify:
    dc.SetTextJustification(call.a, call.b);
    break;
  case TDrawCall::Text:
    if (MayShow(call, rows))
      dc.TextOut(call.a, call.b, call.text, static_cast<int>(call.text.size()));
    break;
  }
}

} // namespace

void DrawRecord(const TDrawingRecord &record, TDC &dc, TRows rows) {
  for (const TDrawCall &call : record)
    MakeCall(call, dc, rows);
}

TRecordingDC::TRecordingDC(TDC &target, TRows rows, TDrawingRecord &record)
    : target_(target), rows_(rows), record_(record) {}

void TRecordingDC::Make(TDrawCall call) {
  MakeCall(call, target_, rows_);
  record_.push_back(std::move(call));
}

TSize TRecordingDC::GetTextExtent(std::string_view text, int count) {
  return target_.GetTextExtent(text, count);
}

void TRecordingDC::SetTextJustification(int extra, int breakCount) {
  justifyExtra_ = extra;
  justifyBreaks_ = breakCount;
  Make(CallOf(TDrawCall::Justify, extra, breakCount));
}

void TRecordingDC::TextOut(int x, int y, std::string_view text, int count) {
  const auto length = static_cast<std::size_t>(std::clamp(count, 0, static_cast<int>(text.size())));
  TDrawCall call = CallOf(TDrawCall::Text, x, y);
  if (fontHeight_ == Unmeasured)
    fontHeight_ = target_.GetTextExtent("x", 1).cy;
  call.height = fontHeight_;
  call.text = std::string(text.substr(0, length));
  // Measured a character at a time: the device's widths add up. Every line
  // of the day passes here at each layout, so the loop stays plain. The
  // further bytes of a character have their edge where it ends.
  int gap = 0;
  int edge = 0;
  call.edges.resize(length + 1);
  int *edges = call.edges.data();
  edges[0] = 0;
  const std::string_view line(call.text);
  if (platform::IsAscii(line)) {
    // ASCII alone, the most of every day: a byte a character.
    for (std::size_t i = 0; i < length; ++i) {
      edge += AsciiAdvance(line.substr(i, 1));
      if (line[i] == ' ')
        edge += JustificationShare(justifyExtra_, justifyBreaks_, gap++);
      edges[i + 1] = edge;
    }
    Make(std::move(call));
    return;
  }
  for (std::size_t i = 0; i < length;) {
    const auto byte = static_cast<unsigned char>(line[i]);
    std::size_t next = i + 1;
    if (byte < 0x80 && (next == length || static_cast<unsigned char>(line[next]) < 0x80)) {
      edge += AsciiAdvance(line.substr(i, 1));
    } else {
      // A character with the marks that join it is measured as one.
      next = std::min(ClusterEnd(line, i), length);
      edge += Advance(line.substr(i, next - i));
    }
    if (byte == ' ')
      edge += JustificationShare(justifyExtra_, justifyBreaks_, gap++);
    for (; i < next; ++i)
      edges[i + 1] = edge;
  }
  Make(std::move(call));
}

int TRecordingDC::Advance(std::string_view cluster) {
  const auto found = otherAdvances_.find(cluster);
  if (found != otherAdvances_.end())
    return found->second;
  const int advance = target_.GetTextExtent(cluster, static_cast<int>(cluster.size())).cx;
  otherAdvances_.emplace(std::string(cluster), advance);
  return advance;
}

void TRecordingDC::SelectFont(const TFontDesc &font) {
  TDrawCall call = CallOf(TDrawCall::Font);
  call.font = font;
  Make(std::move(call));
  fontHeight_ = Unmeasured;
  measured_.reset();
  otherAdvances_.clear();
}

void TRecordingDC::SetTextColor(TColor color) {
  Make(CallOf(TDrawCall::TextColor, static_cast<int>(color)));
}

void TRecordingDC::SetBkColor(TColor color) {
  Make(CallOf(TDrawCall::BkColor, static_cast<int>(color)));
}

void TRecordingDC::SetBkMode(int mode) {
  Make(CallOf(TDrawCall::BkMode, mode));
}
