#pragma once

// A decimal number that is the whole of a text, as the tools' options and
// the package sources' slot names give it.

#include <charconv>
#include <climits>
#include <optional>
#include <string_view>

namespace platform {

// The number, when the text is one from low to high and nothing else (no
// sign but '-', no spaces); nothing otherwise.
inline std::optional<int> WholeNumber(std::string_view text, int low = INT_MIN,
                                      int high = INT_MAX) {
  int value = 0;
  auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (failure != std::errc() || end != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

} // namespace platform
