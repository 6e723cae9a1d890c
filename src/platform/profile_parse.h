#pragma once

// Reading the text of a profile file: splitting it into lines, telling
// section headers, key lines and comments apart, and the rules for values
// and integers. Pure functions over bytes; no file access.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The UTF-8 byte order mark that may precede the first line.
inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// One line of a profile file. content excludes the line end; ending is "\n",
// "\r\n", "\r", or "" for a last line without one; offset is where the line
// starts.
struct ProfileLine {
  std::string_view content;
  std::string_view ending;
  std::size_t offset = 0;

  std::size_t End() const { return offset + content.size() + ending.size(); }
};

// Walks the lines of a text in order, after a leading byte order mark.
class ProfileLines {
public:
  explicit ProfileLines(std::string_view text);
  // The next line, or nothing after the last one.
  std::optional<ProfileLine> Next();

private:
  std::string_view text_;
  std::size_t position_ = 0;
};

enum class ProfileLineKind {
  Other,   // a blank line, or text that is neither of the kinds below
  Comment, // first non-blank byte ';'
  Section, // "[Name]", anything after the ']' ignored
  Key,     // "key=value"
};

struct ProfileLineParts {
  ProfileLineKind kind = ProfileLineKind::Other;
  std::string_view name;      // section or key name, blanks dropped
  std::string_view value;     // the key's value as read (blanks and quotes dropped)
  std::size_t valueStart = 0; // in content: the first byte after '=' and its blanks
};

// What a line is. A '[' line without ']' is Other: it names no section and,
// not being a key either, is ignored by reads.
ProfileLineParts ParseProfileLine(std::string_view content);

// Blanks are spaces and tabs.
std::string_view TrimBlanks(std::string_view text);

// A value as read: blanks dropped, then one pair of matching single or double
// quotes around it.
std::string_view ProfileValue(std::string_view raw);

// ASCII letters to lower case; other bytes (code page 1252 letters included)
// unchanged.
std::string FoldCase(std::string_view text);

// The integer reading of a value: blanks skipped, an optional sign, decimal
// digits up to the first other byte; no digits read as 0 and an empty value
// as defaultValue. A number beyond the range of int is clamped to INT_MIN or
// INT_MAX, so that a hand-edited huge value stays out of any range check
// instead of wrapping around to some small number that might pass one.
int ParseProfileInt(std::string_view value, int defaultValue);

// The keys of a file by section, names compared without regard to ASCII
// case. A repeated section or key keeps its first occurrence; key lines
// before the first section belong to none and are left out. The index holds
// the text and 24 bytes a key, so a file of a million tiny sections or keys
// costs a few times its size, not a hundred.
class ProfileIndex {
public:
  explicit ProfileIndex(std::string text);
  // The value of key in section (names compared without regard to ASCII case
  // and blanks around them), or nothing when absent.
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
  // The text indexed.
  const std::string &Text() const { return text_; }

private:
  // Where a key's section name and its own name are in the text; the value
  // is read from the key's line when asked for.
  struct Key {
    std::uint64_t hash = 0; // of the section and key names, folded
    std::uint32_t section = 0, sectionSize = 0;
    std::uint32_t name = 0, nameSize = 0;
  };
  std::string_view At(std::uint32_t offset, std::uint32_t size) const;

  std::string text_;
  std::vector<Key> keys_; // of the first section of each name only, sorted by hash
};

} // namespace platform
