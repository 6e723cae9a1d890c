#include "scripture/sword_dictionary.h"

#include <algorithm>
#include <vector>

#include "platform/little_endian.h"
#include "platform/profile_parse.h"
#include "scripture/byte_source.h"
#include "scripture/devotional_reader.h"
#include "scripture/sword_dictionary_blocks.h"
#include "scripture/sword_dictionary_reads.h"

namespace {

using platform::Failure;

constexpr std::string_view LinkMark = "@LINK";

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char &c : upper)
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

// A record's key: its bytes before the line end.
std::string_view KeyOf(std::string_view record) {
  std::string_view key = record.substr(0, record.find('\n'));
  if (key.ends_with('\r'))
    key.remove_suffix(1);
  return key;
}

// What follows the record's key and its line end (libsword: nothing when
// there is no line end).
std::string_view BodyOf(std::string_view record) {
  const std::size_t end = record.find('\n');
  return end == std::string_view::npos ? std::string_view() : record.substr(end + 1);
}

struct Record {
  std::uint64_t offset = 0, size = 0; // in the text (.dat)
};

// A text the reader has found: the entry's, or a link to another key.
struct Found {
  std::string text;
  const TDictionaryFile *file = nullptr; // where it was found, for messages
};

class DictionaryReader {
public:
  explicit DictionaryReader(const TDictionaryFiles &files) : files_(files) {}

  platform::Result<std::optional<std::string>> Read(std::string_view asked) {
    std::string key = UpperAscii(asked);
    std::vector<std::string> visited;
    const TDictionaryFile *linkFile = nullptr; // where the last link was
    while (true) {
      platform::Result<std::optional<Record>> record = Find(key);
      if (!record)
        return Failure(record.error());
      if (!*record) {
        if (visited.empty())
          return std::optional<std::string>();
        return Failure(AboutEntry(visited.back(), *linkFile) + "links to " + key +
                       ", which the module lacks.");
      }
      platform::Result<Found> found = TextOf(**record);
      if (!found)
        return Failure(found.error());
      if (!found->text.starts_with(LinkMark))
        return std::optional<std::string>(std::move(found->text));
      visited.push_back(std::move(key));
      linkFile = found->file;
      key = LinkedKey(found->text);
      if (key.empty())
        return Failure(AboutEntry(visited.back(), *linkFile) + "links to no key.");
      if (std::find(visited.begin(), visited.end(), key) != visited.end())
        return Failure(AboutEntry(visited.back(), *linkFile) + "links in a loop.");
      if (visited.size() > DictionaryLinkLimit)
        return Failure(AboutEntry(visited.front(), *linkFile) + "links through more than " +
                       std::to_string(DictionaryLinkLimit) + " entries.");
    }
  }

private:
  // "The entry 03.01 in dailylight.dat of DailyLight "
  std::string AboutEntry(const std::string &key, const TDictionaryFile &file) const {
    return "The entry " + key + " in " + file.name + " of " + files_.module + " ";
  }
  std::string AboutIndex() const { return AboutFile(files_, files_.index, "index"); }

  static std::string LinkedKey(std::string_view text) {
    std::string_view key = text.substr(LinkMark.size());
    key = key.substr(0, key.find('\n'));
    key = platform::TrimBlanks(key);
    while (key.ends_with('\r'))
      key = platform::TrimBlanks(key.substr(0, key.size() - 1));
    return UpperAscii(key.substr(0, DictionaryKeyLimit));
  }

  unsigned IndexEntrySize() const { return files_.driver == TDictionaryDriver::RawLD ? 6 : 8; }

  // The index's entry number `at`, checked against the text it points into.
  platform::Result<Record> IndexEntry(std::uint64_t at) {
    const unsigned entrySize = IndexEntrySize();
    platform::Result<std::string> bytes =
        ReadRange(files_, files_.index, at * entrySize, entrySize);
    if (!bytes)
      return Failure(bytes.error());
    Record record;
    record.offset = platform::LittleEndian32(bytes->data());
    record.size = entrySize == 6 ? platform::LittleEndian16(bytes->data() + 4)
                                 : platform::LittleEndian32(bytes->data() + 4);
    if (record.offset + record.size > files_.text.bytes->Size())
      return Failure(AboutIndex() + "points past its text " + files_.text.name + ".");
    if (record.size > DevotionalEntryLimit)
      return Failure(AboutIndex() + "claims an entry too large to read.");
    return record;
  }

  // The key's record: a binary search over the index, as libsword keeps it
  // in the order of its keys, reading the key of each entry it visits.
  platform::Result<std::optional<Record>> Find(const std::string &key) {
    platform::Result<std::uint64_t> entries =
        IndexEntries(files_, files_.index, "index", IndexEntrySize());
    if (!entries)
      return Failure(entries.error());
    std::uint64_t low = 0, high = *entries;
    while (low < high) {
      const std::uint64_t middle = low + (high - low) / 2;
      platform::Result<Record> record = IndexEntry(middle);
      if (!record)
        return Failure(record.error());
      platform::Result<std::string> start =
          ReadRange(files_, files_.text, record->offset,
                    std::min<std::uint64_t>(record->size, DictionaryKeyLimit));
      if (!start)
        return Failure(start.error());
      const int order = UpperAscii(KeyOf(*start)).compare(key);
      if (order == 0)
        return std::optional<Record>(*record);
      if (order < 0)
        low = middle + 1;
      else
        high = middle;
    }
    return std::optional<Record>();
  }

  platform::Result<Found> TextOf(const Record &place) {
    platform::Result<std::string> record = ReadRange(files_, files_.text, place.offset, place.size);
    if (!record)
      return Failure(record.error());
    std::string_view body = BodyOf(*record);
    const bool blocks = files_.driver == TDictionaryDriver::zLD;
    if (!blocks || body.starts_with(LinkMark)) {
      body = body.substr(0, body.find('\0'));
      return Found{std::string(body), &files_.text};
    }
    if (body.size() < 8)
      return Failure(AboutFile(files_, files_.text, "text") + "holds a record cut short.");
    platform::Result<std::string> text = ReadBlockEntry(
        files_, platform::LittleEndian32(body.data()), platform::LittleEndian32(body.data() + 4));
    if (!text)
      return Failure(text.error());
    return Found{std::move(*text), &files_.blocks};
  }

  const TDictionaryFiles &files_;
};

} // namespace

platform::Result<std::optional<std::string>> ReadDictionaryText(const TDictionaryFiles &files,
                                                                std::string_view key) {
  return DictionaryReader(files).Read(key);
}
