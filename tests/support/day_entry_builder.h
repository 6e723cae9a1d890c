#pragma once

// One entry of a day, as the daily load makes it, in the face "Serif".

#include <cstdint>
#include <memory>
#include <string>

#include "content/day_entries.h"

namespace testsupport {

inline std::unique_ptr<TDayEntry> Entry(std::string title, std::string body, char marker = 0,
                                        std::string trailer = {}, int fontSize = 10) {
  auto entry = std::make_unique<TDayEntry>();
  entry->Kinds = PackageEntryKinds(title);
  entry->Title = std::move(title);
  entry->Text = std::move(body);
  entry->Marker = marker;
  entry->Trailer = std::move(trailer);
  entry->FontName = "Serif";
  entry->FontSize = static_cast<std::int16_t>(fontSize);
  return entry;
}

} // namespace testsupport
