#include "platform/profile_edit.h"

#include "platform/profile_parse.h"

#include <optional>

namespace platform {

namespace {

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

Result<void> CheckName(std::string_view what, std::string_view name) {
  std::string prefix = std::string(what) + " name ";
  if (name.empty())
    return Failure(prefix + "is empty");
  if (HasLineBreak(name))
    return Failure(prefix + "contains a line break");
  if (name.find('=') != std::string_view::npos)
    return Failure(prefix + "contains '='");
  if (name.find(']') != std::string_view::npos)
    return Failure(prefix + "contains ']'");
  return {};
}

bool IsFullEnding(std::string_view ending) {
  return !ending.empty();
}

// A CR alone that ends a file whose lines end in CR LF is a CR LF cut short
// rather than a line ending of its own.
bool CutShort(const ProfileLine &line, std::string_view text, std::string_view firstEnding) {
  return line.ending == "\r" && line.End() == text.size() && firstEnding == "\r\n";
}

// What a line needs after it before another line can follow: nothing, or the
// ending a last line lacks (just the LF of a CR LF cut short).
std::string_view Completion(const ProfileLine &line, std::string_view eol, bool cutShort) {
  if (cutShort)
    return "\n";
  return IsFullEnding(line.ending) ? "" : eol;
}

std::string KeyLine(std::string_view key, std::string_view value) {
  return std::string(key) + "=" + EncodeProfileValue(value);
}

} // namespace

Result<void> CheckProfileEntry(std::string_view section, std::string_view key,
                               std::string_view value) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  if (Result<void> checked = CheckName("section", section); !checked)
    return checked;
  if (Result<void> checked = CheckName("key", key); !checked)
    return checked;
  if (key.front() == ';' || key.front() == '[')
    return Failure("key name starts with '" + std::string(1, key.front()) + "'");
  if (HasLineBreak(value))
    return Failure("value contains a line break");
  return {};
}

std::string EncodeProfileValue(std::string_view value) {
  if (ProfileValue(value) == value)
    return std::string(value);
  return "\"" + std::string(value) + "\"";
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  const std::string foldedSection = FoldCase(section);
  const std::string foldedKey = FoldCase(key);

  std::string_view firstEnding;
  std::optional<ProfileLine> header, lastKey, last;
  ProfileLines lines(text);
  while (auto line = lines.Next()) {
    if (firstEnding.empty() && IsFullEnding(line->ending))
      firstEnding = line->ending;
    last = line;
    ProfileLineParts parts = ParseProfileLine(line->content);
    if (parts.kind == ProfileLineKind::Section) {
      if (header)
        break; // the end of our section
      if (FoldCase(parts.name) == foldedSection)
        header = line;
      continue;
    }
    if (!header || parts.kind != ProfileLineKind::Key)
      continue;
    if (FoldCase(parts.name) == foldedKey) {
      const std::size_t valueStart = line->offset + parts.valueStart;
      const std::size_t valueEnd = line->offset + line->content.size();
      return std::string(text.substr(0, valueStart)) + EncodeProfileValue(value) +
             std::string(text.substr(valueEnd));
    }
    lastKey = line;
  }
  if (firstEnding.empty())
    firstEnding = "\n";

  if (header) {
    const ProfileLine &anchor = lastKey ? *lastKey : *header;
    const bool cutShort = CutShort(anchor, text, firstEnding);
    const std::string_view eol =
        IsFullEnding(anchor.ending) && !cutShort ? anchor.ending : firstEnding;
    std::string added = std::string(Completion(anchor, eol, cutShort)) + KeyLine(key, value);
    added += eol;
    return std::string(text.substr(0, anchor.End())) + added +
           std::string(text.substr(anchor.End()));
  }

  std::string result(text);
  if (last) {
    result += Completion(*last, firstEnding, CutShort(*last, text, firstEnding));
    if (!TrimBlanks(last->content).empty())
      result += firstEnding;
  }
  result += "[" + std::string(section) + "]" + std::string(firstEnding);
  result += KeyLine(key, value) + std::string(firstEnding);
  return result;
}

} // namespace platform
