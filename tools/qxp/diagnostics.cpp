#include "qxp/diagnostics.h"

#include <algorithm>
#include <climits>

namespace qxp {

void Diagnostics::Error(int line, std::string_view message) {
  if (!Full())
    errors_.push_back({line, std::string(message)});
}

void Diagnostics::Error(std::string_view message) {
  Error(0, message);
}

std::vector<std::string> Diagnostics::Messages() const {
  std::vector<Entry> sorted = errors_;
  auto key = [](const Entry &entry) { return entry.line == 0 ? INT_MAX : entry.line; };
  std::stable_sort(sorted.begin(), sorted.end(),
                   [&](const Entry &a, const Entry &b) { return key(a) < key(b); });
  std::vector<std::string> messages;
  for (const Entry &entry : sorted) {
    std::string where = fileName_ + ":";
    if (entry.line > 0)
      where += std::to_string(entry.line) + ":";
    messages.push_back(where + " " + entry.text);
  }
  if (Full())
    messages.push_back(fileName_ + ": too many errors; stopping here");
  return messages;
}

} // namespace qxp
