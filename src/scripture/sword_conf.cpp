#include "scripture/sword_conf.h"

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

// The next line of text, moving text past it.
std::string_view NextLine(std::string_view &text) {
  std::size_t end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  return Trimmed(line);
}

void Append(std::string &value, std::string_view more) {
  value.append(more.substr(0, ValueLimit - std::min(ValueLimit, value.size())));
}

} // namespace

std::string_view TConfSection::Value(std::string_view key) const {
  for (const auto &[name, value] : entries)
    if (name == key)
      return value;
  return {};
}

std::vector<std::string_view> TConfSection::Values(std::string_view key) const {
  std::vector<std::string_view> values;
  for (const auto &[name, value] : entries)
    if (name == key)
      values.push_back(value);
  return values;
}

std::vector<TConfSection> ReadConfSections(std::string_view text) {
  std::vector<TConfSection> sections;
  while (!text.empty()) {
    std::string_view line = NextLine(text);
    if (line.starts_with('[')) {
      std::size_t close = line.find(']');
      if (close == std::string_view::npos || sections.size() == SectionLimit)
        break;
      sections.push_back({std::string(line.substr(1, close - 1)), {}});
      continue;
    }
    std::size_t equals = line.find('=');
    if (sections.empty() || line.starts_with('#') || equals == std::string_view::npos)
      continue;
    std::string value;
    // A line that ends in a backslash goes on in the next, however much of
    // it is kept.
    for (std::string_view piece = Trimmed(line.substr(equals + 1));;) {
      const bool goesOn = piece.ends_with('\\');
      Append(value, goesOn ? piece.substr(0, piece.size() - 1) : piece);
      if (!goesOn || text.empty())
        break;
      piece = NextLine(text);
    }
    auto &entries = sections.back().entries;
    if (entries.size() < EntryLimit)
      entries.emplace_back(std::string(Trimmed(line.substr(0, equals))), std::move(value));
  }
  return sections;
}
