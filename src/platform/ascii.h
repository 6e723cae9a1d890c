#pragma once

// ASCII case folding: file names, service names and list items compare
// without regard to the case of A-Z only; other bytes of code page 1252
// stay as they are.

namespace platform {

constexpr char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace platform
