#include "content/devotional_entry.h"

#include "content/calendar_facts.h"
#include "content/day_sources.h"
#include "content/package_format.h"
#include "content/shown_day.h"
#include "platform/utf8.h"
#include "scripture/devotional_reader.h"

namespace {

// A heading of at most length characters: a longer one ends at the last
// blank that leaves room for an ellipsis, or inside its word when it has
// none, so that no word is shown cut.
std::string Heading(const std::string &text, std::size_t length) {
  std::size_t position = 0;
  std::size_t blank = std::string::npos;
  std::size_t count = 0;
  for (; count + 1 < length && position < text.size(); ++count) {
    if (text[position] == ' ')
      blank = position;
    platform::NextUtf8(text, position);
  }
  if (position == text.size())
    return text;
  std::size_t next = position;
  platform::NextUtf8(text, next);
  if (next == text.size())
    return text; // exactly length characters
  const std::size_t end = blank != std::string::npos && blank > 0 ? blank : position;
  return text.substr(0, end) + "\u2026";
}

} // namespace

DevotionalDay DevotionalDayOf(const DayChoice &choice, const std::tm &loadTime, int dayOffset) {
  if (choice.Method == QuoteMethod::Date)
    if (const std::optional<std::tm> shown = ShownDay(loadTime, dayOffset))
      return {shown->tm_mon + 1, shown->tm_mday};
  if (choice.DayIndex == package::ExtraSlot)
    return {2, 29};
  DevotionalDay date;
  DateOfPlanOffset(choice.DayIndex, date.month, date.day);
  return date;
}

platform::Result<std::unique_ptr<TDayEntry>> ReadDevotionalDay(const TDaySource &source,
                                                               DevotionalDay day) {
  auto read = ReadDevotionalEntry(source.module, DevotionalKey(day.month, day.day));
  if (!read)
    return platform::Failure(read.error());
  std::unique_ptr<TDayEntry> entry;
  if (!*read || (*read)->paragraphs.empty())
    return entry;
  entry = std::make_unique<TDayEntry>();
  entry->Kinds = EntryDevotional;
  const std::string &heading =
      source.module.description.empty() ? source.module.name : source.module.description;
  entry->Title = Heading(heading, DevotionalHeadingLength);
  for (const std::string &paragraph : (*read)->paragraphs) {
    if (!entry->Text.empty())
      entry->Text += ParagraphBreak;
    entry->Text += paragraph;
  }
  entry->FileName = source.key;
  return entry;
}
