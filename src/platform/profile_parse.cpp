#include "platform/profile_parse.h"

#include <algorithm>
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

unsigned char FoldByte(char c) {
  return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
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
    c = static_cast<char>(FoldByte(c));
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

namespace {

// <0, 0 or >0 as a is before, equal to or after b with ASCII letters folded.
int CompareFolded(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char x = FoldByte(a[i]), y = FoldByte(b[i]);
    if (x != y)
      return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// A hash of names folded as CompareFolded folds them, FNV-1a: equal names
// hash alike, so that sorting and searching compare numbers, not names.
std::uint64_t FoldedHash(std::string_view name, std::uint64_t hash = 14695981039346656037u) {
  for (char c : name)
    hash = (hash ^ FoldByte(c)) * 1099511628211u;
  return (hash ^ 0xFF) * 1099511628211u; // ends the name: "ab"+"c" is not "a"+"bc"
}

} // namespace

std::string_view ProfileIndex::At(std::uint32_t offset, std::uint32_t size) const {
  return std::string_view(text_).substr(offset, size);
}

ProfileIndex::ProfileIndex(std::string text) : text_(std::move(text)) {
  // Offsets are 32 bits; the reader never hands over a file near that size.
  if (text_.size() > UINT32_MAX)
    return;
  const std::string_view all(text_);
  auto offset = [&](std::string_view part) {
    return static_cast<std::uint32_t>(part.data() - all.data());
  };
  auto size = [](std::string_view part) { return static_cast<std::uint32_t>(part.size()); };
  struct Section {
    std::uint64_t hash;
    std::uint32_t name, size;
  };
  std::vector<Section> sections;
  // Two walks over the lines: the first counts, so that each list is made
  // once at its size (a list that grows costs up to twice that on the way).
  std::size_t sectionCount = 0, keyCount = 0;
  for (const bool counting : {true, false}) {
    if (!counting) {
      sections.reserve(sectionCount);
      keys_.reserve(keyCount);
    }
    ProfileLines lines(all);
    while (auto line = lines.Next()) {
      ProfileLineParts parts = ParseProfileLine(line->content);
      if (parts.kind == ProfileLineKind::Section && counting)
        ++sectionCount;
      else if (parts.kind == ProfileLineKind::Section)
        sections.push_back({FoldedHash(parts.name), offset(parts.name), size(parts.name)});
      else if (parts.kind != ProfileLineKind::Key ||
               (counting ? sectionCount : sections.size()) == 0)
        continue;
      else if (counting)
        ++keyCount;
      else
        keys_.push_back({FoldedHash(parts.name, sections.back().hash), sections.back().name,
                         sections.back().size, offset(parts.name), size(parts.name)});
    }
  }

  // Only the first occurrence of a section counts: the keys of a repeat go.
  std::sort(sections.begin(), sections.end(), [](const Section &a, const Section &b) {
    return a.hash != b.hash ? a.hash < b.hash : a.name < b.name;
  });
  std::vector<std::uint32_t> repeats;
  for (std::size_t first = 0, i = 1; i < sections.size(); ++i) {
    if (sections[i].hash != sections[first].hash) {
      first = i;
      continue;
    }
    // Names of one hash: a repeat when an earlier one is the same name.
    for (std::size_t earlier = first; earlier < i; ++earlier)
      if (CompareFolded(At(sections[earlier].name, sections[earlier].size),
                        At(sections[i].name, sections[i].size)) == 0) {
        repeats.push_back(sections[i].name);
        break;
      }
  }
  std::vector<Section>().swap(sections);
  std::sort(repeats.begin(), repeats.end());
  std::erase_if(keys_, [&](const Key &key) {
    return std::binary_search(repeats.begin(), repeats.end(), key.section);
  });

  // By hash, then place in the file: the first of equal names is the one
  // that counts.
  std::sort(keys_.begin(), keys_.end(), [](const Key &a, const Key &b) {
    return a.hash != b.hash ? a.hash < b.hash : a.name < b.name;
  });
}

std::optional<std::string_view> ProfileIndex::Find(std::string_view section,
                                                   std::string_view key) const {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  const std::uint64_t hash = FoldedHash(key, FoldedHash(section));
  auto found = std::lower_bound(keys_.begin(), keys_.end(), hash,
                                [](const Key &entry, std::uint64_t h) { return entry.hash < h; });
  for (; found != keys_.end() && found->hash == hash; ++found) {
    if (CompareFolded(At(found->section, found->sectionSize), section) != 0 ||
        CompareFolded(At(found->name, found->nameSize), key) != 0)
      continue;
    // The value, read again from the key's line.
    std::string_view line = std::string_view(text_).substr(found->name);
    return ParseProfileLine(line.substr(0, line.find_first_of("\r\n"))).value;
  }
  return std::nullopt;
}

} // namespace platform
