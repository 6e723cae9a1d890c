#include "platform/profile_parse.h"

#include <climits>
#include <cstdint>

namespace platform {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start]))
    ++start;
  return text.substr(start);
}

} // namespace

ProfileLines::ProfileLines(std::string_view text) : text_(text) {
  // A byte order mark, which many editors put before the first line, is no
  // part of it; it stays in the file, before the first line's offset.
  if (text_.starts_with(ByteOrderMark))
    position_ = ByteOrderMark.size();
}

std::optional<ProfileLine> ProfileLines::Next() {
  if (position_ >= text_.size())
    return std::nullopt;
  ProfileLine line;
  line.offset = position_;
  const std::size_t end = text_.find_first_of("\r\n", position_);
  if (end == std::string_view::npos) {
    line.content = text_.substr(position_);
    position_ = text_.size();
    return line;
  }
  // CR LF, a CR alone (old Mac files, stray CRs) and LF each end a line.
  const std::size_t endingSize = text_.compare(end, 2, "\r\n") == 0 ? 2 : 1;
  line.content = text_.substr(position_, end - position_);
  line.ending = text_.substr(end, endingSize);
  position_ = end + endingSize;
  return line;
}

std::string_view TrimBlanks(std::string_view text) {
  text = TrimLeft(text);
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1]))
    --end;
  return text.substr(0, end);
}

std::string_view ProfileValue(std::string_view raw) {
  std::string_view value = TrimBlanks(raw);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

ProfileLineParts ParseProfileLine(std::string_view content) {
  ProfileLineParts parts;
  std::string_view text = TrimLeft(content);
  if (text.empty())
    return parts;
  if (text.front() == ';') {
    parts.kind = ProfileLineKind::Comment;
    return parts;
  }
  if (text.front() == '[') {
    std::size_t close = text.find(']');
    if (close != std::string_view::npos) {
      parts.kind = ProfileLineKind::Section;
      parts.name = TrimBlanks(text.substr(1, close - 1));
    }
    return parts;
  }
  std::size_t equals = text.find('=');
  if (equals == std::string_view::npos)
    return parts;
  parts.kind = ProfileLineKind::Key;
  parts.name = TrimBlanks(text.substr(0, equals));
  std::string_view afterEquals = text.substr(equals + 1);
  std::string_view raw = TrimLeft(afterEquals);
  parts.valueStart = content.size() - raw.size();
  parts.value = ProfileValue(raw);
  return parts;
}

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (char &c : folded)
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

int ParseProfileInt(std::string_view value, int defaultValue) {
  if (value.empty())
    return defaultValue;
  std::size_t i = 0;
  while (i < value.size() && IsBlank(value[i]))
    ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
    negative = value[i] == '-';
    ++i;
  }
  // Magnitudes beyond this clamp; it is larger than both INT_MAX and -INT_MIN.
  constexpr std::int64_t limit = std::int64_t{INT_MAX} + 1;
  std::int64_t magnitude = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (value[i] - '0');
    if (magnitude > limit)
      magnitude = limit;
  }
  std::int64_t number = negative ? -magnitude : magnitude;
  if (number > INT_MAX)
    return INT_MAX;
  if (number < INT_MIN)
    return INT_MIN;
  return static_cast<int>(number);
}

ProfileIndex::ProfileIndex(std::string_view text) {
  ProfileLines lines(text);
  Keys *current = nullptr;
  while (auto line = lines.Next()) {
    ProfileLineParts parts = ParseProfileLine(line->content);
    if (parts.kind == ProfileLineKind::Section) {
      // Only the first occurrence of a section counts; a repeat is skipped.
      auto [keys, isNew] = sections_.try_emplace(FoldCase(parts.name));
      current = isNew ? &keys->second : nullptr;
    } else if (parts.kind == ProfileLineKind::Key && current != nullptr)
      current->try_emplace(FoldCase(parts.name), parts.value);
  }
}

std::optional<std::string_view> ProfileIndex::Find(std::string_view section,
                                                   std::string_view key) const {
  auto keys = sections_.find(FoldCase(TrimBlanks(section)));
  if (keys == sections_.end())
    return std::nullopt;
  auto value = keys->second.find(FoldCase(TrimBlanks(key)));
  if (value == keys->second.end())
    return std::nullopt;
  return std::string_view(value->second);
}

} // namespace platform
