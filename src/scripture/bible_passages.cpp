#include "scripture/bible_passages.h"

#include <array>
#include <cctype>

namespace {

struct Book {
  std::string_view name;
  std::string_view osis; // the book's OSIS name, as Bible modules know it
  int chapters;
};

// The books in their order: a shortened name is the first book it begins.
constexpr std::array<Book, 66> Books = {{
    {"Genesis", "Gen", 50},
    {"Exodus", "Exod", 40},
    {"Leviticus", "Lev", 27},
    {"Numbers", "Num", 36},
    {"Deuteronomy", "Deut", 34},
    {"Joshua", "Josh", 24},
    {"Judges", "Judg", 21},
    {"Ruth", "Ruth", 4},
    {"1 Samuel", "1Sam", 31},
    {"2 Samuel", "2Sam", 24},
    {"1 Kings", "1Kgs", 22},
    {"2 Kings", "2Kgs", 25},
    {"1 Chronicles", "1Chr", 29},
    {"2 Chronicles", "2Chr", 36},
    {"Ezra", "Ezra", 10},
    {"Nehemiah", "Neh", 13},
    {"Esther", "Esth", 10},
    {"Job", "Job", 42},
    {"Psalms", "Ps", 150},
    {"Proverbs", "Prov", 31},
    {"Ecclesiastes", "Eccl", 12},
    {"Song of Solomon", "Song", 8},
    {"Isaiah", "Isa", 66},
    {"Jeremiah", "Jer", 52},
    {"Lamentations", "Lam", 5},
    {"Ezekiel", "Ezek", 48},
    {"Daniel", "Dan", 12},
    {"Hosea", "Hos", 14},
    {"Joel", "Joel", 3},
    {"Amos", "Amos", 9},
    {"Obadiah", "Obad", 1},
    {"Jonah", "Jonah", 4},
    {"Micah", "Mic", 7},
    {"Nahum", "Nah", 3},
    {"Habakkuk", "Hab", 3},
    {"Zephaniah", "Zeph", 3},
    {"Haggai", "Hag", 2},
    {"Zechariah", "Zech", 14},
    {"Malachi", "Mal", 4},
    {"Matthew", "Matt", 28},
    {"Mark", "Mark", 16},
    {"Luke", "Luke", 24},
    {"John", "John", 21},
    {"Acts", "Acts", 28},
    {"Romans", "Rom", 16},
    {"1 Corinthians", "1Cor", 16},
    {"2 Corinthians", "2Cor", 13},
    {"Galatians", "Gal", 6},
    {"Ephesians", "Eph", 6},
    {"Philippians", "Phil", 4},
    {"Colossians", "Col", 4},
    {"1 Thessalonians", "1Thess", 5},
    {"2 Thessalonians", "2Thess", 3},
    {"1 Timothy", "1Tim", 6},
    {"2 Timothy", "2Tim", 4},
    {"Titus", "Titus", 3},
    {"Philemon", "Phlm", 1},
    {"Hebrews", "Heb", 13},
    {"James", "Jas", 5},
    {"1 Peter", "1Pet", 5},
    {"2 Peter", "2Pet", 3},
    {"1 John", "1John", 5},
    {"2 John", "2John", 1},
    {"3 John", "3John", 1},
    {"Jude", "Jude", 1},
    {"Revelation", "Rev", 22},
}};

// Names that do not begin the book's own name.
struct Alias {
  std::string_view alias;
  std::string_view book;
};
constexpr std::array<Alias, 6> Aliases = {{{"song of songs", "Song of Solomon"},
                                           {"mt", "Matthew"},
                                           {"mk", "Mark"},
                                           {"lk", "Luke"},
                                           {"jn", "John"},
                                           {"revelations", "Revelation"}}};

// The most verses a chapter has (Psalm 119).
constexpr int MaxVerse = 176;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool IsDash(char c) {
  return c == '-' || c == '\x96';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

// "1john.", "1 John", "Song  of Songs" -> "1 john", "song of songs".
std::string BookKey(std::string_view written) {
  std::string key;
  for (char c : written) {
    if (c == '.' || c == ' ') {
      if (!key.empty() && key.back() != ' ')
        key += ' ';
      continue;
    }
    if (IsLetter(c) && !key.empty() && IsDigit(key.back()))
      key += ' ';
    key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  while (!key.empty() && key.back() == ' ')
    key.pop_back();
  return key;
}

const Book *FindBook(std::string_view written) {
  std::string key = BookKey(written);
  std::size_t letters = key.size() - (key.size() > 1 && IsDigit(key[0]) ? 2 : 0);
  if (letters < 2)
    return nullptr;
  for (const Alias &alias : Aliases)
    if (key == alias.alias)
      key = BookKey(alias.book);
  for (const Book &book : Books)
    if (BookKey(book.name).starts_with(key))
      return &book;
  return nullptr;
}

// Reads a number at text[at], moving at past it; 0 when there is none.
int Number(std::string_view text, std::size_t &at) {
  while (at < text.size() && text[at] == ' ')
    ++at;
  int value = 0;
  std::size_t start = at;
  while (at < text.size() && IsDigit(text[at]) && at - start < 4)
    value = value * 10 + (text[at++] - '0');
  while (at < text.size() && text[at] == ' ')
    ++at;
  return value;
}

// The numbers after the book: "", "3", "1-2", "3:16", "3:16-18",
// "3:16-4:2". False when they are anything else or out of the book.
bool ReadNumbers(std::string_view text, const Book &book, TPassage &passage) {
  std::size_t at = 0;
  int numbers[4] = {};
  int count = 0;
  bool colon[2] = {};
  int side = 0;
  while (!text.empty()) {
    int value = Number(text, at);
    if (value == 0 || count == 4)
      return false;
    numbers[count++] = value;
    if (at == text.size())
      break;
    if (text[at] == ':' && !colon[side]) {
      colon[side] = true;
    } else if (IsDash(text[at]) && side == 0) {
      side = 1;
    } else {
      return false;
    }
    ++at;
  }
  bool single = book.chapters == 1;
  if (count == 0) {
    passage.chapter = 0; // the whole book
  } else if (!colon[0] && !colon[1] && count <= 2) {
    // A chapter or chapters; in a book of one chapter, verses.
    int first = numbers[0], last = count == 2 ? numbers[1] : 0;
    if (single) {
      passage.chapter = 1;
      passage.verse = first;
      passage.lastVerse = last;
    } else {
      passage.chapter = first;
      passage.lastChapter = last;
    }
  } else if (colon[0] && !colon[1] && (count == 2 || count == 3)) {
    passage.chapter = numbers[0];
    passage.verse = numbers[1];
    passage.lastVerse = count == 3 ? numbers[2] : 0;
  } else if (colon[0] && colon[1] && count == 4) {
    passage.chapter = numbers[0];
    passage.verse = numbers[1];
    passage.lastChapter = numbers[2];
    passage.lastVerse = numbers[3];
  } else {
    return false;
  }
  int lastChapter = passage.lastChapter != 0 ? passage.lastChapter : passage.chapter;
  if (passage.chapter > book.chapters || lastChapter > book.chapters ||
      lastChapter < passage.chapter || passage.verse > MaxVerse || passage.lastVerse > MaxVerse)
    return false;
  if (lastChapter == passage.chapter && passage.lastVerse != 0 && passage.lastVerse < passage.verse)
    return false;
  if (passage.lastChapter == passage.chapter && passage.verse == 0)
    passage.lastChapter = 0;
  return true;
}

// Where the book's name ends in piece: past a leading "1 " to "3 " and the
// letters, blanks and dots that follow.
std::size_t BookEnd(std::string_view piece) {
  std::size_t at = 0;
  if (!piece.empty() && piece[0] >= '1' && piece[0] <= '3') {
    std::size_t next = piece.find_first_not_of(' ', 1);
    if (next == std::string_view::npos || !IsLetter(piece[next]))
      return 0;
    at = next;
  }
  while (at < piece.size() && (IsLetter(piece[at]) || piece[at] == ' ' || piece[at] == '.'))
    ++at;
  return at;
}

} // namespace

std::string TPassage::Text() const {
  std::string text = book;
  if (chapter == 0)
    return text;
  text += ' ' + std::to_string(chapter);
  if (verse == 0)
    return lastChapter != 0 ? text + '-' + std::to_string(lastChapter) : text;
  text += ':' + std::to_string(verse);
  if (lastChapter != 0)
    return text + '-' + std::to_string(lastChapter) + ':' + std::to_string(lastVerse);
  return lastVerse != 0 ? text + '-' + std::to_string(lastVerse) : text;
}

std::string TPassage::RangeText() const {
  if (chapter == 0)
    return book + " 1-" + std::to_string(bookChapters);
  if (lastChapter != 0 || lastVerse != 0)
    return Text();
  return Text() + '-' + std::to_string(verse != 0 ? verse : chapter);
}

std::string TPassage::FirstVerse() const {
  return book + ' ' + std::to_string(chapter != 0 ? chapter : 1) + ':' +
         std::to_string(verse != 0 ? verse : 1);
}

std::vector<TReadingPiece> ReadReadingPieces(std::string_view reading) {
  std::vector<TReadingPiece> pieces;
  const Book *previous = nullptr;
  std::size_t start = 0;
  while (start <= reading.size()) {
    std::size_t end = reading.find_first_of("/;", start);
    if (end == std::string_view::npos)
      end = reading.size();
    std::string_view piece = Trimmed(reading.substr(start, end - start));
    start = end + 1;
    // A label is a word of letters with a ':' right after it.
    std::size_t word = 0;
    while (word < piece.size() && IsLetter(piece[word]))
      ++word;
    if (word > 0 && word < piece.size() && piece[word] == ':')
      piece = Trimmed(piece.substr(word + 1));
    TReadingPiece &read = pieces.emplace_back(TReadingPiece{std::string(piece), std::nullopt});
    if (piece.empty())
      continue;
    std::size_t bookEnd = BookEnd(piece);
    const Book *book = bookEnd == 0 ? previous : FindBook(piece.substr(0, bookEnd));
    if (book == nullptr)
      continue;
    previous = book;
    TPassage passage;
    passage.book = std::string(book->name);
    passage.osisBook = std::string(book->osis);
    passage.bookChapters = book->chapters;
    if (ReadNumbers(Trimmed(piece.substr(bookEnd)), *book, passage))
      read.passage = std::move(passage);
  }
  return pieces;
}

std::optional<std::vector<TPassage>> ReadPassages(std::string_view reading) {
  std::vector<TPassage> passages;
  for (TReadingPiece &piece : ReadReadingPieces(reading)) {
    if (!piece.passage)
      return std::nullopt;
    passages.push_back(std::move(*piece.passage));
  }
  if (passages.empty())
    return std::nullopt;
  return passages;
}

std::string PassageList(const std::vector<TPassage> &passages) {
  std::string list;
  for (const TPassage &passage : passages)
    list += (list.empty() ? "" : "; ") + passage.Text();
  return list;
}

std::string PassageRanges(const std::vector<TPassage> &passages) {
  std::string list;
  for (const TPassage &passage : passages)
    list += (list.empty() ? "" : "; ") + passage.RangeText();
  return list;
}
