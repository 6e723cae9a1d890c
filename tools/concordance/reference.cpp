#include "reference.h"

namespace concordance {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Reads a number of 1 to 3 digits, not zero.
bool ReadNumber(std::string_view text, std::size_t &at, int &number) {
  std::size_t start = at;
  number = 0;
  while (at < text.size() && IsDigit(text[at]) && at - start < 3)
    number = number * 10 + (text[at++] - '0');
  return at > start && number > 0 && (at == text.size() || !IsDigit(text[at]));
}

// Moves past the dash of a range at text[at]: a hyphen, or an en dash as
// package text has it (code page 1252 0x96) or as UTF-8. False when there
// is none.
bool SkipDash(std::string_view text, std::size_t &at) {
  std::string_view rest = text.substr(at);
  for (std::string_view dash : {"-", "\x96", "\xE2\x80\x93"}) {
    if (rest.starts_with(dash)) {
      at += dash.size();
      return true;
    }
  }
  return false;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return text;
}

// The book: words separated by blanks, up to the chapter number.
bool ReadBook(std::string_view text, std::size_t &at, std::string &book) {
  if (at < text.size() && text[at] >= '1' && text[at] <= '3' && at + 1 < text.size() &&
      (text[at + 1] == ' ' || IsLetter(text[at + 1]))) {
    book.push_back(text[at++]);
    while (at < text.size() && text[at] == ' ')
      ++at;
    book.push_back(' ');
  }
  bool anyWord = false;
  while (at < text.size() && IsLetter(text[at])) {
    if (anyWord)
      book.push_back(' ');
    while (at < text.size() && IsLetter(text[at]))
      book.push_back(text[at++]);
    if (at < text.size() && text[at] == '.')
      book.push_back(text[at++]);
    anyWord = true;
    if (at == text.size())
      break;
    if (text[at] != ' ')
      return false;
    while (at < text.size() && text[at] == ' ')
      ++at;
  }
  return anyWord;
}

} // namespace

std::string Reference::Text() const {
  std::string text = book;
  if (chapter == 0)
    return text;
  text += " " + std::to_string(chapter);
  if (lastChapter != 0)
    text += "-" + std::to_string(lastChapter);
  if (verse != 0)
    text += ":" + std::to_string(verse);
  if (lastVerse != 0)
    text += "-" + std::to_string(lastVerse);
  return text;
}

std::optional<Reference> ParseReference(std::string_view text) {
  text = Trim(text);
  Reference reference;
  std::size_t at = 0;
  if (!ReadBook(text, at, reference.book))
    return std::nullopt;
  if (at == text.size())
    return reference;
  if (!ReadNumber(text, at, reference.chapter))
    return std::nullopt;
  if (at < text.size() && text[at] == ':') {
    ++at;
    if (!ReadNumber(text, at, reference.verse))
      return std::nullopt;
    if (SkipDash(text, at)) {
      if (!ReadNumber(text, at, reference.lastVerse) || reference.lastVerse < reference.verse)
        return std::nullopt;
    }
  } else if (SkipDash(text, at)) {
    if (!ReadNumber(text, at, reference.lastChapter) || reference.lastChapter < reference.chapter)
      return std::nullopt;
  }
  if (at != text.size())
    return std::nullopt;
  return reference;
}

} // namespace concordance
