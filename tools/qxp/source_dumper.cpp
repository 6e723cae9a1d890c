#include "qxp/source_dumper.h"

#include <string_view>

#include "content/package_format.h"
#include "qxp/entry_layout.h"
#include "qxp/slot_names.h"
#include "qxp/source_text.h"

namespace qxp {

namespace {

constexpr std::size_t LineWidth = 76;

std::string SlotLabel(int slot, bool readingPlan) {
  if (slot == ExtraSlot && readingPlan)
    return "slot " + std::to_string(slot);
  if (readingPlan)
    return "Day " + std::to_string(slot + 1);
  return SlotDate(slot);
}

std::size_t Characters(std::string_view utf8) {
  std::size_t count = 0;
  for (char byte : utf8)
    count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  return count;
}

// Breaks encoded text into lines of about LineWidth characters. A line break
// replaces a single space, which is what the parser puts back when it joins
// the lines; runs of spaces are never broken.
void AppendWrapped(std::string &out, std::string_view text) {
  std::string line;
  std::size_t lineWidth = 0;
  auto flush = [&] {
    if (line.starts_with('[') || line.starts_with('#'))
      line.replace(0, 1, line[0] == '[' ? "{x5B}" : "{x23}");
    out += line;
    out += '\n';
    line.clear();
    lineWidth = 0;
  };
  std::size_t wordStart = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    bool singleSpace =
        i > 0 && i + 1 < text.size() && text[i] == ' ' && text[i - 1] != ' ' && text[i + 1] != ' ';
    if (i < text.size() && !singleSpace)
      continue;
    std::string_view word = text.substr(wordStart, i - wordStart);
    std::size_t width = Characters(word);
    if (!line.empty() && lineWidth + 1 + width > LineWidth)
      flush();
    if (!line.empty()) {
      line += ' ';
      ++lineWidth;
    }
    line += word;
    lineWidth += width;
    wordStart = i + 1;
  }
  if (!line.empty())
    flush();
}

// Writes the body of an entry that qxp's own layout reproduces, with the
// trailer on a line of its own when a single space comes before it. Anywhere
// else the marker that starts the trailer is written as a byte, which tells
// qxp build that the trailer is meant to begin there.
void AppendLaidOutEntry(std::string &out, const std::string &text, const PackageContent &content,
                        CodePage codePage) {
  auto at = TrailerStart(text, content.TrailerMarker, content.Type);
  if (at && *at >= 2 && text[*at - 1] == ' ' && text[*at - 2] != ' ') {
    AppendWrapped(out, EncodeSourceText(std::string_view(text).substr(0, *at - 1), codePage));
    AppendWrapped(out, EncodeSourceText(std::string_view(text).substr(*at), codePage));
    return;
  }
  AppendWrapped(out, EncodeSourceText(text, codePage, at));
}

void AppendEntry(std::string &out, const std::vector<std::string> &pieces,
                 const PackageContent &content) {
  CodePage codePage = EntryCodePage(content.Type);
  std::string text;
  for (const std::string &piece : pieces)
    text += piece;
  std::string error;
  auto laidOut = LayOutEntry(text, content.TrailerMarker, content.Type, error);
  if (laidOut && *laidOut == pieces)
    AppendLaidOutEntry(out, text, content, codePage);
  else
    AppendWrapped(out, EncodeSourcePieces(pieces, codePage));
}

void AppendField(std::string &out, std::string_view key, std::string_view bytes,
                 CodePage codePage) {
  out += key;
  out += ':';
  if (!bytes.empty()) {
    out += ' ';
    out += EncodeSourceText(bytes, codePage);
  }
  out += '\n';
}

} // namespace

std::string DumpSource(const PackageContent &content) {
  std::string out = "# Package source: build it with  qxp build SOURCE -o FILE.QXP\n";
  out += "Type: ";
  out +=
      content.Type == package::Utf8Type ? std::string(Utf8TypeName) : std::to_string(content.Type);
  out += "\n";
  const CodePage codePage = TextCodePage(content.Type);
  for (const std::string &title : content.Titles)
    AppendField(out, "Title", title, codePage);
  if (content.TrailerMarker == 0)
    out += "Marker: none\n";
  else
    AppendField(out, "Marker", std::string_view(&content.TrailerMarker, 1), codePage);
  if (!content.Description.empty())
    AppendField(out, "Description", content.Description, codePage);

  bool readingPlan = IsReadingPlan(content);
  for (int slot = 0; slot < package::SlotCount; ++slot) {
    const std::vector<std::string> &pieces = content.Entries[slot];
    // An entry the program shows nothing of (qxp check warns of it) could
    // not be built again; leaving it out reads the same.
    if (!ReadEntry(pieces, content.TrailerMarker, content.Type).shown)
      continue;
    out += "\n[" + SlotLabel(slot, readingPlan) + "]\n";
    AppendEntry(out, pieces, content);
  }
  return out;
}

} // namespace qxp
