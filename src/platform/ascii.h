#pragma once

// ASCII case folding: file names, service names and list items compare
// without regard to the case of A-Z only; other bytes of code page 1252
// stay as they are.

#include <string_view>

namespace platform {

constexpr char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// a and b are the same text but for the case of A-Z.
constexpr bool SameAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i]))
      return false;
  return true;
}

} // namespace platform
