#include "scripture/scripture_reference.h"

#include <array>

namespace {

using Cut = std::optional<std::string>;

// An empty reference would send the server to nowhere.
Cut Limited(std::string_view reference) {
  if (reference.empty() || reference.size() > ReferenceLimit)
    return std::nullopt;
  return std::string(reference);
}

std::string_view DropTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

// Where a reading begins: past the blanks that directly follow the label.
// npos when the label or the blank is missing: a blank found further on
// would cut the reading in the middle ("Morning:Genesis 1" is not "1").
std::size_t ReadingStart(std::string_view text, std::string_view label) {
  std::size_t at = text.find(label);
  if (at == std::string_view::npos)
    return at;
  std::size_t blank = at + label.size();
  if (blank >= text.size() || text[blank] != ' ')
    return std::string_view::npos;
  std::size_t start = text.find_first_not_of(' ', blank);
  return start == std::string_view::npos ? text.size() : start;
}

} // namespace

Cut CutMorningReading(std::string_view text) {
  std::size_t start = ReadingStart(text, "Morning:");
  if (start == std::string_view::npos)
    return std::nullopt;
  std::size_t slash = text.find('/', start);
  if (slash == std::string_view::npos)
    return std::nullopt;
  std::string_view reference = DropTrailingBlanks(text.substr(start, slash - start));
  if (reference.empty())
    return std::nullopt;
  return Limited(reference);
}

Cut CutEveningReading(std::string_view text) {
  std::size_t start = ReadingStart(text, "Evening:");
  if (start == std::string_view::npos)
    return std::nullopt;
  return Limited(text.substr(start));
}

Cut CutQuizReference(std::string_view trailer) {
  std::size_t open = trailer.find('(');
  if (open == std::string_view::npos)
    return std::nullopt;
  std::string_view rest = trailer.substr(open + 1);
  rest = rest.substr(0, rest.find(')'));
  return Limited(DropTrailingBlanks(rest));
}

Cut CutVerseReference(std::string_view trailer) {
  std::size_t dash = trailer.find('-');
  if (dash == std::string_view::npos)
    return std::nullopt;
  return Limited(DropTrailingBlanks(trailer.substr(dash + 1)));
}

Cut CutProverbReference(std::string_view trailer) {
  while (!trailer.empty() && (trailer.front() == ' ' || trailer.front() == '-'))
    trailer.remove_prefix(1);
  return Limited(DropTrailingBlanks(trailer));
}

bool CanBeSent(std::string_view reference) {
  // \x84, \x93 and \x94: the low and the left and right double quotes.
  return reference.find_first_of("\"[]\\\x84\x93\x94") == std::string_view::npos;
}

bool IsQuizTitle(std::string_view title) {
  return title.find("Bible Quiz") != std::string_view::npos;
}

bool IsDailyVerseTitle(std::string_view title) {
  static constexpr std::array<std::string_view, 6> translations = {
      "New International Version", "New American Standard", "New King James Version",
      "King James Version",        "Living Bible",          "Amplified Bible"};
  for (std::string_view name : translations)
    if (title.find(name) != std::string_view::npos)
      return true;
  return false;
}

bool IsProverbTitle(std::string_view title) {
  return title.find("Proverb") != std::string_view::npos;
}
