#include "qxp/source_parser.h"

#include <cctype>
#include <map>

#include "content/package_format.h"
#include "qxp/slot_names.h"

namespace qxp {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string Lowered(std::string_view text) {
  std::string out(text);
  for (char &c : out)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

class Parser {
public:
  Parser(Diagnostics &diagnostics, const EntrySink &sink)
      : diagnostics_(diagnostics), sink_(sink) {}

  void Line(int number, std::string_view raw) {
    std::string_view text = Trimmed(raw);
    if (text.empty() || text.front() == '#')
      return;
    if (text.front() == '[') {
      inBody_ = true;
      skipping_ = !SlotLine(number, text);
      return;
    }
    if (!inBody_)
      return HeaderLine(number, text);
    if (skipping_)
      return;
    // Lines are joined with a space, so an entry of more lines than an entry
    // holds bytes of text is too long however short its lines are.
    if (entry_->body.size() >= package::MaxEntryText) {
      diagnostics_.Error(number, DescribeSlot(entry_->slot) + ": the entry has more lines than " +
                                     "an entry can hold bytes of text (" +
                                     std::to_string(package::MaxEntryText) + ")");
      skipping_ = true;
      entry_.reset();
      return;
    }
    entry_->body.push_back({number, std::string(text)});
  }

  SourceHeader Finish() {
    Deliver();
    return std::move(header_);
  }

private:
  // Starts the entry of the slot the line names; false after an error.
  void Deliver() {
    if (entry_)
      sink_(header_, std::move(*entry_));
    entry_.reset();
  }

  bool SlotLine(int number, std::string_view text) {
    Deliver();
    if (text.back() != ']') {
      diagnostics_.Error(number, "a slot line ends with ']', as in [Jan 1]");
      return false;
    }
    std::string_view name = text.substr(1, text.size() - 2);
    auto slot = ParseSlotName(name);
    if (!slot) {
      diagnostics_.Error(number,
                         "'" + std::string(name) +
                             "' names no slot; write a date such as [Jan 1], [Feb 29] "
                             "for the extra slot, [slot 0]-[slot 365] or [day 1]-[day 365]");
      return false;
    }
    auto [previous, fresh] = firstLine_.emplace(*slot, number);
    if (!fresh) {
      diagnostics_.Error(number, DescribeSlot(*slot) + " is already given at line " +
                                     std::to_string(previous->second));
      return false;
    }
    entry_ = SourceEntry{*slot, number, {}};
    return true;
  }

  void HeaderLine(int number, std::string_view text) {
    auto colon = text.find(':');
    if (colon == std::string_view::npos) {
      diagnostics_.Error(number, "expected 'Key: value' (Type, Title, Marker, Description) or "
                                 "a slot line such as [Jan 1]");
      return;
    }
    std::string key = Lowered(Trimmed(text.substr(0, colon)));
    SourceLine value{number, std::string(Trimmed(text.substr(colon + 1)))};
    if (key == "title") {
      // One title too many is kept, for the compiler to refuse.
      if (header_.titles.size() <= package::MaxTitles)
        header_.titles.push_back(std::move(value));
      return;
    }
    std::optional<SourceLine> *field = key == "type"          ? &header_.type
                                       : key == "marker"      ? &header_.marker
                                       : key == "description" ? &header_.description
                                                              : nullptr;
    if (!field) {
      diagnostics_.Error(number, "unknown key '" + std::string(Trimmed(text.substr(0, colon))) +
                                     "'; the header knows Type, Title, Marker and Description");
      return;
    }
    if (*field) {
      diagnostics_.Error(number, "'" + std::string(Trimmed(text.substr(0, colon))) +
                                     "' is already given at line " +
                                     std::to_string((*field)->number));
      return;
    }
    *field = std::move(value);
  }

  Diagnostics &diagnostics_;
  const EntrySink &sink_;
  SourceHeader header_;
  std::optional<SourceEntry> entry_; // the entry being read
  std::map<int, int> firstLine_;     // slot -> line naming it
  bool inBody_ = false;              // past the first slot line
  bool skipping_ = false;            // in the lines after a slot line in error
};

} // namespace

SourceHeader ParseSource(std::string_view text, Diagnostics &diagnostics, const EntrySink &sink) {
  if (text.starts_with(ByteOrderMark))
    text.remove_prefix(ByteOrderMark.size());
  Parser parser(diagnostics, sink);
  int number = 0;
  while (!text.empty() && !diagnostics.Full()) {
    auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.ends_with('\r'))
      line.remove_suffix(1);
    parser.Line(++number, line);
  }
  return parser.Finish();
}

} // namespace qxp
