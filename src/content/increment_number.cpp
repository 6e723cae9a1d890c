#include "content/increment_number.h"

#include "content/settings_file.h"

std::uint16_t WrapIncrementNumber(std::uint16_t n) {
  while (n > 365)
    n = static_cast<std::uint16_t>(n - 366);
  return n;
}

std::uint16_t TakeIncrementNumber() {
  auto stored = static_cast<std::uint16_t>(ReadSettingInt("IncrementNum", 0));
  WriteSettingInt("IncrementNum", WrapIncrementNumber(static_cast<std::uint16_t>(stored + 1)));
  return WrapIncrementNumber(stored);
}

std::uint16_t PeekIncrementNumber() {
  return WrapIncrementNumber(static_cast<std::uint16_t>(ReadSettingInt("IncrementNum", 0)));
}
